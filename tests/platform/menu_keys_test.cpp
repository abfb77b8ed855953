// Menus worked with the keyboard: key scripts on a window with a menu bar,
// each with the command it ends in (or none) and the menu left open.
#include <sstream>
#include <string>

#include <platform/embed.h>

#include "window/state.h"
#include "window_fixture.h"

using namespace testing_support;

namespace {

enum Command : UINT {
    kNone = 0,
    kOpen = 101,
    kSave = 102,
    kExit = 103,
    kCopy = 201,
    kClear = 202,
    kPaste = 203,
    kGrid = 302,
    kZoomIn = 311,
    kZoomOut = 312,
};

struct Menus {
    HMENU bar, file, edit, view, zoom;
};

// File: Open, separator, Save (greyed), Exit. Edit: Copy and Clear share
// their mnemonic. View: the Zoom submenu, Grid.
Menus makeMenus() {
    Menus m{CreateMenu(), CreatePopupMenu(), CreatePopupMenu(), CreatePopupMenu(), CreatePopupMenu()};
    AppendMenuA(m.file, MF_STRING, kOpen, "&Open...\tCtrl+O");
    AppendMenuA(m.file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(m.file, MF_STRING | MF_GRAYED, kSave, "&Save");
    AppendMenuA(m.file, MF_STRING, kExit, "E&xit");
    AppendMenuA(m.edit, MF_STRING, kCopy, "&Copy");
    AppendMenuA(m.edit, MF_STRING, kClear, "&Clear");
    AppendMenuA(m.edit, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(m.edit, MF_STRING, kPaste, "&Paste");
    AppendMenuA(m.zoom, MF_STRING, kZoomIn, "&In");
    AppendMenuA(m.zoom, MF_STRING, kZoomOut, "&Out");
    AppendMenuA(m.view, MF_POPUP, reinterpret_cast<UINT_PTR>(m.zoom), "&Zoom");
    AppendMenuA(m.view, MF_STRING, kGrid, "&Grid");
    AppendMenuA(m.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(m.file), "&File");
    AppendMenuA(m.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(m.edit), "&Edit");
    AppendMenuA(m.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(m.view), "&View");
    return m;
}

void press(int vk) {
    plat::inputKeyDown(vk);
    plat::inputKeyUp(vk);
}

int keyNamed(const std::string &name) {
    static const std::pair<const char *, int> names[] = {
        {"Up", VK_UP},        {"Down", VK_DOWN},  {"Left", VK_LEFT}, {"Right", VK_RIGHT},
        {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE}, {"F10", VK_F10},   {"Alt", VK_MENU},
    };
    for (const auto &[text, vk] : names)
        if (name == text) return vk;
    return name.size() == 1 ? name[0] : 0;
}

// Keys separated by spaces: "Alt+F" is a chord (Alt held around F), "Alt"
// alone is pressed and released, other names are pressed and released.
void typeScript(const std::string &script) {
    std::istringstream in(script);
    std::string token;
    while (in >> token) {
        if (token.rfind("Alt+", 0) == 0) {
            plat::inputKeyDown(VK_MENU);
            press(keyNamed(token.substr(4)));
            plat::inputKeyUp(VK_MENU);
        } else {
            int vk = keyNamed(token);
            ASSERT_NE(vk, 0) << token;
            press(vk);
        }
        plat::pumpMessages();
    }
}

// The menu open at the end: the popup shown, "bar" when only the bar item is
// highlighted, "" when the menu is closed.
struct Row {
    const char *keys;
    UINT command;
    const char *open;
    int highlighted;  // the highlighted item of the open popup; -1 for none or no popup
};

const Row kRows[] = {
    {"Alt+F Enter", kOpen, "", -1},
    {"Alt+F", kNone, "File", 0},
    {"Alt+F Down", kNone, "File", 2},  // the separator is skipped, the greyed item taken
    {"Alt+F Down Enter", kNone, "File", 2},
    {"Alt+F Down Down Enter", kExit, "", -1},
    {"Alt+F Up Enter", kExit, "", -1},  // Up from the top wraps to the bottom
    {"Alt+F Down Down Down", kNone, "File", 0},
    {"Alt+F X", kExit, "", -1},
    {"Alt+F S", kNone, "File", 0},  // a greyed item's mnemonic chooses nothing
    {"Alt+F Q", kNone, "File", 0},
    {"Alt+E C", kNone, "Edit", 1},  // a shared mnemonic moves among its items
    {"Alt+E C C", kNone, "Edit", 0},
    {"Alt+E C Enter", kClear, "", -1},
    {"Alt+E P", kPaste, "", -1},
    {"Alt+F Right", kNone, "Edit", 0},
    {"Alt+F Left", kNone, "View", 0},
    {"Alt+V Right Enter", kZoomIn, "", -1},  // Right on a submenu item opens it
    {"Alt+V Enter Down", kNone, "Zoom", 1},
    {"Alt+V Right Down Enter", kZoomOut, "", -1},
    {"Alt+V Z O", kZoomOut, "", -1},
    {"Alt+V Right Esc", kNone, "View", 0},
    {"Alt+V Down Left", kNone, "Edit", 0},  // Left outside a submenu: the bar popup before
    {"Alt+V Right Left", kNone, "View", 0},
    {"Alt+V Right Left Down Enter", kGrid, "", -1},
    {"Alt+F Esc", kNone, "bar", -1},
    {"Alt+F Esc Esc", kNone, "", -1},
    {"Alt+F Esc Right Enter Enter", kCopy, "", -1},
    {"Alt+F Esc Left Down", kNone, "View", 0},
    {"F10", kNone, "bar", -1},
    {"F10 Enter Enter", kOpen, "", -1},
    {"F10 Down", kNone, "File", 0},
    {"F10 E Down Enter", kClear, "", -1},
    {"F10 Esc", kNone, "", -1},
    {"F10 F10", kNone, "", -1},
    {"Alt", kNone, "bar", -1},
    {"Alt Alt", kNone, "", -1},
    {"Alt Right Right Down Down Enter", kGrid, "", -1},
    {"Alt+Q", kNone, "", -1},      // no such mnemonic in the bar
    {"F Enter", kNone, "", -1},    // without Alt a letter is only typed
    {"Alt+F Alt", kNone, "", -1},  // Alt leaves the menu
};

class MenuKeysTest : public WindowTest {
protected:
    HWND makeWindow() {
        registerTestClasses();
        menus_ = makeMenus();
        HWND hwnd = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 300);
        SetMenu(hwnd, menus_.bar);
        plat::pumpMessages();
        return hwnd;
    }

    std::string openMenuName() const {
        const plat::WindowManager &m = plat::wm();
        if (m.tracking != plat::Tracking::Menu) return "";
        if (!m.popupWindow) return "bar";
        auto shown = reinterpret_cast<HMENU>(GetWindowLongPtrA(m.popupWindow, GWLP_USERDATA));
        const std::pair<HMENU, const char *> names[] = {
            {menus_.file, "File"}, {menus_.edit, "Edit"}, {menus_.view, "View"}, {menus_.zoom, "Zoom"}};
        for (const auto &[menu, name] : names)
            if (menu == shown && m.trackMenu == shown) return name;
        return "?";
    }

    static int highlightedItem(HMENU menu) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
            if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
        return -1;
    }

    Menus menus_{};
};

TEST_F(MenuKeysTest, ScriptsEndInTheirCommandAndOpenMenu) {
    for (const Row &row : kRows) {
        SCOPED_TRACE(row.keys);
        plat::resetWindowManager();
        HWND hwnd = makeWindow();
        MessageLog log({hwnd}, {WM_COMMAND});
        typeScript(row.keys);
        std::vector<plat::SpyMessage> commands = messagesOf(log, WM_COMMAND);
        if (row.command == kNone) {
            EXPECT_TRUE(commands.empty());
        } else {
            ASSERT_EQ(commands.size(), 1u);
            EXPECT_EQ(commands[0].wParam, MAKEWPARAM(row.command, 0));
            EXPECT_EQ(commands[0].lParam, 0);
        }
        EXPECT_EQ(openMenuName(), row.open);
        int highlighted = plat::wm().popupWindow ? highlightedItem(plat::wm().trackMenu) : -1;
        EXPECT_EQ(highlighted, row.highlighted);
        bool barLit = GetMenuState(menus_.bar, 0, MF_BYPOSITION) & MF_HILITE;
        EXPECT_EQ(barLit, std::string(row.open) == "bar" || std::string(row.open) == "File");
    }
}

// The keys reach the window as Windows sends them: system key messages with
// Alt held, and DefWindowProc asks the window for its menu with SC_KEYMENU.
TEST_F(MenuKeysTest, AltChordsArriveAsSystemKeys) {
    HWND hwnd = makeWindow();
    MessageLog log({hwnd}, {WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR, WM_SYSCOMMAND, WM_KEYDOWN, WM_CHAR});
    log.ignore(WM_ENTERMENULOOP);
    log.ignore(WM_INITMENU);
    log.ignore(WM_INITMENUPOPUP);
    log.ignore(WM_KEYUP);  // the release of the Escape that closed the menu reaches the window
    constexpr LPARAM kAlt = 1 << 29;
    typeScript("Alt+F Esc Esc F");
    static const std::vector<ExpectedMsg> seq = {
        {WM_SYSKEYDOWN, kPosted | kWParam | kLParam, VK_MENU, 1 | kAlt, "Alt pressed"},
        {WM_SYSKEYDOWN, kPosted | kWParam | kLParam, 'F', 1 | kAlt, "F with Alt held"},
        {WM_SYSCHAR, kPosted | kWParam | kLParam, 'f', 1 | kAlt, "its character"},
        {WM_SYSCOMMAND, kSent | kWParam | kLParam, SC_KEYMENU, 'f', "DefWindowProc(WM_SYSCHAR)"},
        // The open menu takes the releases of F and Alt and both Escapes.
        {WM_EXITMENULOOP, kSent, 0, 0, "the second Escape"},
        {WM_KEYDOWN, kPosted | kWParam | kLParam, 'F', 1, "F alone"},
        {WM_CHAR, kPosted | kWParam, 'f', 0, "its character"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), seq, hwnd));

    log.clear();
    typeScript("F10");
    static const std::vector<ExpectedMsg> f10 = {
        {WM_SYSKEYDOWN, kPosted | kWParam | kLParam, VK_F10, 1, "F10 is a system key without Alt"},
        {WM_SYSKEYUP, kPosted | kWParam, VK_F10, 0, "released alone"},
        {WM_SYSCOMMAND, kSent | kWParam | kLParam, SC_KEYMENU, 0, "DefWindowProc(WM_SYSKEYUP)"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), f10, hwnd));
}

// A window procedure that keeps the system keys for itself gets no menu.
TEST_F(MenuKeysTest, SystemKeysKeptByTheWindowOpenNothing) {
    setHook([](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SYSCHAR || message == WM_SYSKEYUP) return 0;
        return std::nullopt;
    });
    makeWindow();
    typeScript("Alt+F F10 Alt");
    EXPECT_EQ(plat::wm().tracking, plat::Tracking::None);
}

// The highlight moved by the keys is drawn in the popup: the highlight colour
// fills the row of the highlighted item and leaves the others.
TEST_F(MenuKeysTest, PopupRepaintsItsHighlight) {
    makeWindow();
    typeScript("Alt+F");
    auto rowColour = [](int y) {
        std::optional<plat::Image> shot = plat::captureWindow(plat::wm().popupWindow, false);
        return shot ? shot->pixels[static_cast<size_t>(y * shot->width + 6)] : 0u;
    };
    const uint32_t highlight = GetSysColor(COLOR_HIGHLIGHT) & 0xFFFFFF;
    auto asPixel = [](uint32_t colorref) {
        return (GetRValue(colorref) << 16) | (GetGValue(colorref) << 8) | GetBValue(colorref);
    };
    const int openRow = 2 + 3,
              saveRow = 2 + 17 + 9 + 3;  // inside the first and third items, above their text
    EXPECT_EQ(rowColour(openRow), asPixel(highlight));
    EXPECT_NE(rowColour(saveRow), asPixel(highlight));
    typeScript("Down");
    EXPECT_NE(rowColour(openRow), asPixel(highlight));
    EXPECT_EQ(rowColour(saveRow), asPixel(highlight));
}

// Keys in a popup opened with the mouse work the same way.
TEST_F(MenuKeysTest, KeysWorkInAPopupOpenedByTheMouse) {
    HWND hwnd = makeWindow();
    RECT wr = windowRect(hwnd);
    POINT onFile{wr.left + 4 + 10, wr.top + 4 + 19 + 8};
    pressAndRelease(onFile);
    ASSERT_EQ(openMenuName(), "File");
    MessageLog log({hwnd}, {WM_COMMAND});
    typeScript("Down Down Down Enter");  // from no highlight: Open, Save, Exit
    std::vector<plat::SpyMessage> commands = messagesOf(log, WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kExit, 0));
}

}  // namespace
