// Show-state transitions and placement: what ShowWindow, SetWindowPos and
// WM_SYSCOMMAND send, and where the window ends up.
#include "window_fixture.h"

#include <platform/embed.h>

using namespace testing_support;

namespace {

class ShowTest : public WindowTest {};

constexpr DWORD kFrame = WS_OVERLAPPEDWINDOW;

TEST_F(ShowTest, FirstShowActivatesAndFocuses) {
    HWND hwnd = makeTopLevel(kFrame, 100, 100, 300, 200);
    MessageLog log({hwnd});
    ShowWindow(hwnd, SW_SHOW);
    static const std::vector<ExpectedMsg> seq = {
        {WM_SHOWWINDOW, kSent | kWParam, TRUE, 0, "ShowWindow"},
        {WM_WINDOWPOSCHANGING, kSent, 0, 0, "SWP_SHOWWINDOW"},
        {WM_WINDOWPOSCHANGED, kSent, 0, 0, "SWP_SHOWWINDOW"},
        {WM_WINDOWPOSCHANGING, kSent, 0, 0, "brought to the top on activation"},
        {WM_WINDOWPOSCHANGED, kSent, 0, 0, "brought to the top on activation"},
        {WM_NCACTIVATE, kSent | kWParam, TRUE, 0, "activation"},
        {WM_ACTIVATE, kSent | kWParam, WA_ACTIVE, 0, "activation from code"},
        {WM_SETFOCUS, kSent, 0, 0, "DefWindowProc(WM_ACTIVATE)"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), seq, hwnd));
    EXPECT_EQ(GetActiveWindow(), hwnd);
    EXPECT_EQ(GetFocus(), hwnd);
}

TEST_F(ShowTest, MaximiseRestoreMinimiseSendSizeKinds) {
    HWND hwnd = makeTopLevel(kFrame | WS_VISIBLE, 100, 100, 300, 200);
    MessageLog log({hwnd});
    ShowWindow(hwnd, SW_MAXIMIZE);
    static const std::vector<ExpectedMsg> maximise = {
        {WM_GETMINMAXINFO, kSent, 0, 0, "maximised placement"},
        {WM_WINDOWPOSCHANGING, kSent, 0, 0, "SetWindowPos"},
        {WM_GETMINMAXINFO, kSent, 0, 0, "DefWindowProc(WM_WINDOWPOSCHANGING) limits the size"},
        {WM_WINDOWPOSCHANGED, kSent, 0, 0, "SetWindowPos"},
        {WM_MOVE, kSent, 0, 0, "DefWindowProc(WM_WINDOWPOSCHANGED)"},
        {WM_SIZE, kSent | kWParam, SIZE_MAXIMIZED, 0, "DefWindowProc(WM_WINDOWPOSCHANGED)"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), maximise, hwnd));
    RECT r = windowRect(hwnd);
    SIZE screen = plat::screenSize();
    EXPECT_EQ(r.left, -4);
    EXPECT_EQ(r.right - r.left, screen.cx + 8);
    EXPECT_TRUE(IsZoomed(hwnd));

    log.clear();
    ShowWindow(hwnd, SW_RESTORE);
    ASSERT_FALSE(log.entries().empty());
    EXPECT_EQ(log.entries().back().message, static_cast<UINT>(WM_SIZE));
    EXPECT_EQ(log.entries().back().wParam, static_cast<WPARAM>(SIZE_RESTORED));
    r = windowRect(hwnd);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.right - r.left, 300);

    log.clear();
    ShowWindow(hwnd, SW_SHOWMINIMIZED);
    ASSERT_EQ(messagesOf(log, WM_SIZE).size(), 1u);
    EXPECT_EQ(messagesOf(log, WM_SIZE)[0].wParam, static_cast<WPARAM>(SIZE_MINIMIZED));
    EXPECT_TRUE(IsIconic(hwnd));
    r = windowRect(hwnd);
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXMINIMIZED));

    ShowWindow(hwnd, SW_RESTORE);
    r = windowRect(hwnd);
    EXPECT_FALSE(IsIconic(hwnd));
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 200);
}

TEST_F(ShowTest, SysCommandIsCarriedOutByDefWindowProc) {
    HWND hwnd = makeTopLevel(kFrame | WS_VISIBLE, 50, 50, 200, 150);
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(IsZoomed(hwnd));
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsZoomed(hwnd));
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(hwnd));
    // A window that swallows the command keeps its state.
    setHook([](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_SYSCOMMAND) return 0;
        return std::nullopt;
    });
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(IsIconic(hwnd));
}

TEST_F(ShowTest, MinimumTrackingSizeHoldsForCodeAndForFrameDrags) {
    setHook([](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (m != WM_GETMINMAXINFO) return std::nullopt;
        reinterpret_cast<MINMAXINFO *>(l)->ptMinTrackSize = POINT{250, 180};
        return 0;
    });
    HWND hwnd = makeTopLevel(kFrame | WS_VISIBLE, 100, 100, 400, 300);
    SetWindowPos(hwnd, nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
    RECT r = windowRect(hwnd);
    EXPECT_EQ(r.right - r.left, 250);
    EXPECT_EQ(r.bottom - r.top, 180);

    // Drag the bottom-right corner far up and left: the frame stops at the minimum.
    SetWindowPos(hwnd, nullptr, 100, 100, 400, 300, SWP_NOZORDER);
    pressAndRelease({499, 399}, {{200, 200}});
    r = windowRect(hwnd);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.right - r.left, 250);
    EXPECT_EQ(r.bottom - r.top, 180);
}

TEST_F(ShowTest, FrameDragSizesOnEveryStepAndCaptionDragMoves) {
    HWND hwnd = makeTopLevel(kFrame | WS_VISIBLE, 100, 100, 400, 300);
    MessageLog log({hwnd});
    pressAndRelease({499, 250}, {{509, 250}, {519, 250}});  // the right edge
    EXPECT_EQ(messagesOf(log, WM_SIZE).size(), 2u);
    EXPECT_TRUE(messagesOf(log, WM_MOVE).empty()) << "the left edge stayed put";
    EXPECT_EQ(log.entries().back().message, static_cast<UINT>(WM_EXITSIZEMOVE));
    RECT r = windowRect(hwnd);
    EXPECT_EQ(r.right, 520);

    pressAndRelease({200, 110}, {{230, 150}});  // the caption
    r = windowRect(hwnd);
    EXPECT_EQ(r.left, 130);
    EXPECT_EQ(r.top, 140);
    EXPECT_EQ(r.right - r.left, 420);
}

TEST_F(ShowTest, CaptionButtonsSendSysCommands) {
    HWND hwnd = makeTopLevel(kFrame | WS_VISIBLE, 100, 100, 400, 300);
    MessageLog log({hwnd});
    RECT r = windowRect(hwnd);
    // The maximise box is the second box from the right of the caption.
    pressAndRelease({r.right - 4 - 2 - 16 - 2 - 8, r.top + 4 + 8});
    bool sawMaximise = false;
    for (const auto &m : messagesOf(log, WM_SYSCOMMAND)) sawMaximise |= m.wParam == SC_MAXIMIZE;
    EXPECT_TRUE(sawMaximise);
    EXPECT_TRUE(IsZoomed(hwnd));
}

// Who takes the activation when the active window goes. The screen, bottom to
// top: [owner,] plain, disabled, a minimised tile, and the active window (owned
// by `owner` when there is one). Windows passes the activation to the owner if
// it can take it, else to the topmost other visible, enabled top-level window;
// minimising also passes over minimised windows, hiding and closing do not.
TEST_F(ShowTest, ActivationPassesOnWhenTheActiveWindowGoes) {
    enum class Go { Hide, Minimise, Destroy };
    enum class Next { Owner, Plain, Tile, Nobody };
    struct Case {
        const char *name;
        Go go;
        bool owned;
        bool plainMinimised;
        Next next;
    };
    static const Case cases[] = {
        {"hidden: the tile, topmost below", Go::Hide, false, false, Next::Tile},
        {"minimised: the tile is passed over", Go::Minimise, false, false, Next::Plain},
        {"destroyed: the tile, topmost below", Go::Destroy, false, false, Next::Tile},
        {"minimised when all others are tiles: nobody", Go::Minimise, false, true, Next::Nobody},
        {"hidden with an owner: the owner", Go::Hide, true, false, Next::Owner},
        {"minimised with an owner: the owner", Go::Minimise, true, false, Next::Owner},
        {"destroyed with an owner: the owner", Go::Destroy, true, false, Next::Owner},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        HWND owner = c.owned ? makeTopLevel(kFrame | WS_VISIBLE, 0, 0, 100, 80) : nullptr;
        HWND plain = makeTopLevel(kFrame | WS_VISIBLE, 10, 10, 100, 80);
        makeTopLevel(kFrame | WS_VISIBLE | WS_DISABLED, 20, 20, 100, 80);
        HWND tile = makeTopLevel(kFrame | WS_VISIBLE, 30, 30, 100, 80);
        ShowWindow(tile, SW_SHOWMINNOACTIVE);
        if (c.plainMinimised) ShowWindow(plain, SW_SHOWMINNOACTIVE);
        HWND leaving = CreateWindowExA(0, "TestWindow", "Leaving", kFrame | WS_VISIBLE, 40, 40, 100, 80,
                                       owner, nullptr, nullptr, nullptr);
        ASSERT_EQ(GetActiveWindow(), leaving);
        if (c.go == Go::Hide) ShowWindow(leaving, SW_HIDE);
        if (c.go == Go::Minimise) ShowWindow(leaving, SW_MINIMIZE);
        if (c.go == Go::Destroy) DestroyWindow(leaving);
        const HWND expected[] = {owner, plain, tile, nullptr};
        EXPECT_EQ(GetActiveWindow(), expected[static_cast<int>(c.next)]);
        plat::resetWindowManager();
    }

    // The popup of a menu left open is never the next window.
    HWND plain = makeTopLevel(kFrame | WS_VISIBLE, 10, 10, 100, 80);
    HWND leaving = makeTopLevel(kFrame | WS_VISIBLE, 40, 40, 200, 150);
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, 7, "&Item");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&Menu");
    SetMenu(leaving, bar);
    pressAndRelease({40 + 4 + 10, 40 + 4 + GetSystemMetrics(SM_CYCAPTION) + 8});
    ShowWindow(leaving, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), plain);
}

// BringWindowToTop raises and activates a top-level window; SetForegroundWindow
// activates the top-level window of whatever window it is given.
TEST_F(ShowTest, BringToTopAndForegroundActivateTheTopLevelWindow) {
    HWND a = makeTopLevel(kFrame | WS_VISIBLE, 10, 10, 200, 100);
    HWND child = makeChild(a, WS_VISIBLE, 0, 0, 20, 20, 1);
    HWND b = makeTopLevel(kFrame | WS_VISIBLE, 50, 50, 200, 100);
    EXPECT_TRUE(BringWindowToTop(a));
    EXPECT_EQ(GetWindow(b, GW_HWNDFIRST), a);
    EXPECT_EQ(GetActiveWindow(), a);
    SetActiveWindow(b);
    EXPECT_TRUE(SetForegroundWindow(child));
    EXPECT_EQ(GetForegroundWindow(), a);
    EXPECT_EQ(GetWindow(b, GW_HWNDFIRST), a);
}

}  // namespace
