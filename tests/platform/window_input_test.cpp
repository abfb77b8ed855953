// The input seam: activation by click versus by code, capture, cursor
// clipping, double clicks, transparent and disabled windows, keys.
#include "window_fixture.h"

#include <utility>

#include <platform/embed.h>

using namespace testing_support;

namespace {

class InputTest : public WindowTest {};

constexpr DWORD kFrame = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

TEST_F(InputTest, ClickActivatesWithClickActiveBeforeTheButtonMessage) {
    HWND a = makeTopLevel(kFrame, 10, 10, 300, 200);
    HWND b = makeTopLevel(kFrame, 400, 10, 300, 200);
    SetActiveWindow(a);
    MessageLog log({a, b}, {WM_SETCURSOR});
    plat::inputMouseMove(550, 100);
    log.clear();
    plat::inputMouseDown(plat::MouseButton::Left);
    static const std::vector<ExpectedMsg> seq = {
        {WM_MOUSEACTIVATE, kSent, 0, 0, "press on an inactive window"},
        {WM_NCACTIVATE, kSent | kWParam | kParent, FALSE, 0, "old window loses the activation"},
        {WM_ACTIVATE, kSent | kWParam | kParent, WA_INACTIVE, 0, "old window"},
        {WM_WINDOWPOSCHANGING, kSent, 0, 0, "to the top"},
        {WM_WINDOWPOSCHANGED, kSent, 0, 0, "to the top"},
        {WM_NCACTIVATE, kSent | kWParam, TRUE, 0, "new window"},
        {WM_ACTIVATE, kSent | kWParam, WA_CLICKACTIVE, 0, "activated by the click"},
        {WM_KILLFOCUS, kSent | kParent, 0, 0, "focus leaves the old window"},
        {WM_SETFOCUS, kSent, 0, 0, "DefWindowProc(WM_ACTIVATE)"},
        {WM_SETCURSOR, kSent, 0, 0, "before the button message"},
        {WM_LBUTTONDOWN, kPosted | kLParam, 0, MAKELPARAM(150 - 4, 90 - 4 - 19), "client coordinates"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), seq, b, a));
    plat::inputMouseUp(plat::MouseButton::Left);
    EXPECT_EQ(GetActiveWindow(), b);

    // Activation from code says WA_ACTIVE.
    log.clear();
    SetActiveWindow(a);
    bool sawCodeActivation = false;
    for (const auto &m : messagesOf(log, WM_ACTIVATE))
        sawCodeActivation |= m.hwnd == a && LOWORD(m.wParam) == WA_ACTIVE;
    EXPECT_TRUE(sawCodeActivation);
}

TEST_F(InputTest, ChildAsksItsParentAboutMouseActivation) {
    HWND top = makeTopLevel(kFrame, 10, 10, 300, 200);
    HWND child = makeChild(top, WS_VISIBLE, 10, 10, 100, 50, 5);
    HWND other = makeTopLevel(kFrame, 400, 10, 100, 100);
    SetActiveWindow(other);
    int parentAsked = 0;
    setHook([&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (h == top && m == WM_MOUSEACTIVATE) {
            ++parentAsked;
            return MA_NOACTIVATE;
        }
        return std::nullopt;
    });
    POINT p{20, 20};
    ClientToScreen(child, &p);
    pressAndRelease(p);
    EXPECT_EQ(parentAsked, 1);
    EXPECT_EQ(GetActiveWindow(), other) << "MA_NOACTIVATE from the parent keeps the activation where it was";
}

TEST_F(InputTest, CaptureGetsMovesOutsideAndClipKeepsThePointerIn) {
    HWND a = makeTopLevel(kFrame, 10, 10, 300, 200);
    HWND b = makeTopLevel(kFrame, 400, 10, 300, 200);
    SetActiveWindow(a);
    MessageLog log({a, b}, {WM_MOUSEMOVE});
    SetCapture(a);
    plat::inputMouseMove(500, 100);
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries()[0].hwnd, a);
    POINT client{500, 100};
    ScreenToClient(a, &client);
    EXPECT_EQ(log.entries()[0].lParam, MAKELPARAM(client.x, client.y));

    RECT clip{20, 30, 120, 90};
    ClipCursor(&clip);
    RECT got{};
    GetClipCursor(&got);
    EXPECT_TRUE(EqualRect(&got, &clip));
    SetCursorPos(500, 5);
    POINT at{};
    GetCursorPos(&at);
    EXPECT_EQ(at.x, 119);
    EXPECT_EQ(at.y, 30);
    ClipCursor(nullptr);
    GetClipCursor(&got);
    EXPECT_EQ(got.right, plat::screenSize().cx) << "no clip: the whole screen";
    log.clear();
    ReleaseCapture();
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries()[0].message, static_cast<UINT>(WM_CAPTURECHANGED));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, DoubleClickNeedsTheClassStyle) {
    HWND withStyle = makeTopLevel(kFrame, 10, 10, 300, 200, "TestWindow");
    HWND without = makeTopLevel(kFrame, 400, 10, 300, 200, "TestPlain");
    MessageLog log({withStyle, without});
    for (int x : {100, 500}) {
        plat::inputMouseMove(x, 100);
        plat::inputDoubleClick(plat::MouseButton::Left);
        plat::inputMouseUp(plat::MouseButton::Left);
    }
    const auto down = messagesOf(log, WM_LBUTTONDOWN), dbl = messagesOf(log, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(down.size() == 1 && down[0].hwnd == without && dbl.size() == 1 && dbl[0].hwnd == withStyle);
}

TEST_F(InputTest, TransparentAndDisabledChildrenPassClicksToTheParent) {
    HWND top = makeTopLevel(kFrame, 10, 10, 300, 200);
    HWND glass = makeChild(top, WS_VISIBLE, 0, 0, 100, 100, 1);
    HWND off = makeChild(top, WS_VISIBLE | WS_DISABLED, 150, 0, 100, 100, 2);
    setHook([&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (h == glass && m == WM_NCHITTEST) return HTTRANSPARENT;
        return std::nullopt;
    });
    MessageLog log({top, glass, off});
    for (POINT p : {POINT{50, 50}, POINT{200, 50}}) {
        ClientToScreen(top, &p);
        pressAndRelease(p);
    }
    const auto presses = messagesOf(log, WM_LBUTTONDOWN);
    EXPECT_TRUE(presses.size() == 2 && presses[0].hwnd == top && presses[1].hwnd == top);
}

TEST_F(InputTest, DisabledTopLevelBeepsAndGetsNothing) {
    HWND top = makeTopLevel(kFrame, 10, 10, 300, 200);
    EnableWindow(top, FALSE);
    MessageLog log({top});
    int beeps = plat::beepCount();
    pressAndRelease({100, 100});
    EXPECT_EQ(plat::beepCount(), beeps + 1);
    EXPECT_TRUE(messagesOf(log, WM_LBUTTONDOWN).empty());
}

TEST_F(InputTest, KeysGoToTheFocusAndModifiersShowInKeyState) {
    HWND top = makeTopLevel(kFrame, 10, 10, 300, 200);
    HWND child = makeChild(top, WS_VISIBLE, 0, 0, 50, 50, 1);
    SetFocus(child);
    MessageLog log({top, child});
    plat::setModifierState(true, false);
    plat::inputKeyDown(VK_LEFT);
    // One input queue: GetAsyncKeyState reports what GetKeyState does.
    const std::pair<int, bool> keys[] = {
        {VK_SHIFT, true}, {VK_CONTROL, false}, {VK_LEFT, true}, {VK_RIGHT, false}};
    for (auto [vk, down] : keys) {
        EXPECT_EQ(GetKeyState(vk) < 0, down) << vk;
        EXPECT_EQ(GetAsyncKeyState(vk) < 0, down) << vk;
    }
    plat::inputKeyUp(VK_LEFT);
    EXPECT_EQ(GetKeyState(VK_LEFT), 0);
    static const std::vector<ExpectedMsg> seq = {
        {WM_KEYDOWN, kPosted | kWParam | kLParam, VK_LEFT, 1, "key pressed"},
        {WM_KEYUP, kPosted | kWParam | kLParam, VK_LEFT, static_cast<LPARAM>(0xC0000001u), "key released"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), seq, child));
}

// A test's leftovers do not reach the next one: keys, buttons, modifiers,
// clip, the pointer and an open menu are all dropped.
TEST_F(InputTest, ResetLeavesNothingHeld) {
    HWND hwnd = makeTopLevel(kFrame, 10, 10, 300, 200);
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, 7, "&Item");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&Menu");
    SetMenu(hwnd, bar);
    RECT frame = windowRect(hwnd);
    pressAndRelease({frame.left + 4 + 10, frame.top + 4 + GetSystemMetrics(SM_CYCAPTION) + 8});  // menu open
    plat::setModifierState(true, true);
    plat::inputKeyDown('A');
    RECT clip{0, 0, 400, 400};
    ClipCursor(&clip);
    plat::resetWindowManager();
    EXPECT_FALSE(IsWindow(hwnd));
    for (int vk : {VK_SHIFT, VK_CONTROL, int{'A'}, VK_LBUTTON}) EXPECT_EQ(GetKeyState(vk), 0) << vk;
    POINT at = plat::cursorPosition();
    EXPECT_TRUE(at.x == 0 && at.y == 0);
    RECT got{};
    GetClipCursor(&got);
    EXPECT_EQ(got.right, plat::screenSize().cx);

    // No menu is tracked any more: a click reaches the client area.
    HWND next = makeTopLevel(kFrame, 10, 10, 300, 200);
    MessageLog log({next});
    pressAndRelease({150, 150});
    EXPECT_EQ(messagesOf(log, WM_LBUTTONDOWN).size(), 1u);
    plat::inputMouseDown(plat::MouseButton::Left);
    plat::resetWindowManager();
    EXPECT_EQ(GetKeyState(VK_LBUTTON), 0);
}

TEST_F(InputTest, ClickWindowPressesAtTheCentre) {
    HWND top = makeTopLevel(kFrame, 10, 10, 300, 200);
    HWND child = makeChild(top, WS_VISIBLE, 20, 30, 40, 20, 1);
    MessageLog log({child});
    EXPECT_TRUE(plat::clickWindow(child));
    const auto down = messagesOf(log, WM_LBUTTONDOWN), up = messagesOf(log, WM_LBUTTONUP);
    ASSERT_TRUE(down.size() == 1 && up.size() == 1);
    EXPECT_TRUE(down[0].lParam == MAKELPARAM(20, 10) && up[0].lParam == MAKELPARAM(20, 10));
    EXPECT_FALSE(plat::clickWindow(reinterpret_cast<HWND>(0x1234)));
}

}  // namespace
