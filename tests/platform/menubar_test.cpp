// The menu bar of a window: choosing items by code and with the mouse sends
// WM_INITMENUPOPUP first and then the command; greyed items send nothing.
#include "window_fixture.h"

#include <platform/embed.h>

using namespace testing_support;

namespace {

class MenuBarTest : public WindowTest {
protected:
    HWND makeWithMenu() {
        HMENU bar = CreateMenu();
        HMENU file = CreatePopupMenu();
        AppendMenuA(file, MF_STRING, 1101, "Data to &File");
        AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(file, MF_STRING | MF_GRAYED, 1103, "&Close");
        HMENU report = CreatePopupMenu();
        HMENU thick = CreatePopupMenu();
        AppendMenuA(thick, MF_STRING, 1306, "&Average");
        AppendMenuA(report, MF_POPUP, reinterpret_cast<UINT_PTR>(thick), "&Thick Options");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(report), "&Report");
        registerTestClasses();
        HWND hwnd = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 300);
        SetMenu(hwnd, bar);
        plat::pumpMessages();
        return hwnd;
    }
};

TEST_F(MenuBarTest, MenuShrinksTheClientArea) {
    HWND hwnd = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 300);
    RECT before, after;
    GetClientRect(hwnd, &before);
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 5, "&Update");
    SetMenu(hwnd, bar);
    GetClientRect(hwnd, &after);
    EXPECT_EQ(before.bottom - after.bottom, GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(GetMenu(hwnd), bar);
}

// A changed menu shows once DrawMenuBar asks for the frame to be drawn again.
TEST_F(MenuBarTest, DrawMenuBarRepaintsTheFrame) {
    HWND hwnd = makeWithMenu();
    MessageLog log({hwnd}, {WM_NCPAINT});
    ModifyMenuA(GetMenu(hwnd), 0, MF_BYPOSITION | MF_STRING, 9, "&Data");
    plat::pumpMessages();
    EXPECT_TRUE(log.entries().empty()) << "ModifyMenu alone draws nothing";
    EXPECT_TRUE(DrawMenuBar(hwnd));
    plat::pumpMessages();
    EXPECT_EQ(log.entries().size(), 1u);
    EXPECT_FALSE(DrawMenuBar(reinterpret_cast<HWND>(0xdead0)));
}

TEST_F(MenuBarTest, ChooseByCodeOpensThePopupsOnTheWay) {
    HWND hwnd = makeWithMenu();
    MessageLog log({hwnd});
    EXPECT_TRUE(plat::chooseMenuItem(hwnd, 1306));
    plat::pumpMessages();
    HMENU report = GetSubMenu(GetMenu(hwnd), 1);
    static const std::vector<ExpectedMsg> seq = {
        {WM_ENTERMENULOOP, kSent, 0, 0, "menu opened"},
        {WM_INITMENU, kSent, 0, 0, "menu bar"},
        {WM_INITMENUPOPUP, kSent | kWParam | kLParam, reinterpret_cast<WPARAM>(report), MAKELPARAM(1, FALSE),
         "Report"},
        {WM_INITMENUPOPUP, kSent | kLParam, 0, MAKELPARAM(0, FALSE), "Thick Options"},
        {WM_EXITMENULOOP, kSent, 0, 0, "menu closed"},
        {WM_COMMAND, kPosted | kWParam | kLParam, MAKEWPARAM(1306, 0), 0, "the chosen item"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), seq, hwnd));
}

TEST_F(MenuBarTest, GreyedItemsAndUnknownIdsSendNoCommand) {
    HWND hwnd = makeWithMenu();
    MessageLog log({hwnd});
    EXPECT_FALSE(plat::chooseMenuItem(hwnd, 1103));
    EXPECT_FALSE(plat::chooseMenuItem(hwnd, 4711));
    plat::pumpMessages();
    EXPECT_TRUE(messagesOf(log, WM_COMMAND).empty());
}

TEST_F(MenuBarTest, OwnerCanGreyAnItemWhileItsPopupOpens) {
    HWND hwnd = makeWithMenu();
    setHook([](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_INITMENUPOPUP) EnableMenuItem(reinterpret_cast<HMENU>(w), 1101, MF_BYCOMMAND | MF_GRAYED);
        return std::nullopt;
    });
    EXPECT_FALSE(plat::chooseMenuItem(hwnd, 1101));
}

TEST_F(MenuBarTest, MouseOpensThePopupAndChoosesTheItem) {
    HWND hwnd = makeWithMenu();
    MessageLog log({hwnd});
    RECT r = windowRect(hwnd);
    // "File" is the first item of the bar, just under the caption.
    int barY = r.top + 4 + GetSystemMetrics(SM_CYCAPTION) + 8;
    pressAndRelease({r.left + 4 + 10, barY});
    EXPECT_FALSE(messagesOf(log, WM_INITMENUPOPUP).empty());
    pressAndRelease({r.left + 4 + 20, barY + 12 + 8});  // the first popup item, just below the bar
    plat::pumpMessages();
    const auto commands = messagesOf(log, WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LOWORD(commands[0].wParam), 1101);
}

}  // namespace
