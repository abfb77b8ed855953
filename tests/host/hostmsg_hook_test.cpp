// The client-hook protocol as a plug-in's hook sees it: input taken over or not,
// the notices in order, hooks removing others or closing the window meanwhile.
#include "core/image_store.h"
#include "window/image_window.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

class HookProtocolTest : public HostWindowTest {
protected:
    static HWND open() { return host::openImageWindow(blankImage(32, 32)); }
    static void click(HWND w) {
        POINT p{5, 6};
        ClientToScreen(w, &p);
        plat::inputMouseMove(p.x, p.y);
        plat::inputMouseDown(plat::MouseButton::Left);
        plat::inputMouseUp(plat::MouseButton::Left);
    }
};

// The taker takes presses, key-downs and the cursor (setting the cross) from the later
// hook, except while the mouse is suspended: then its answers do not count.
TEST_F(HookProtocolTest, InputTakenOverGoesNoFurtherUnlessTheMouseIsSuspended) {
    HWND w = open();
    HookRecorder taker, later;
    taker.answer = [](HWND, LONG, UINT m) {
        if (m == WM_SETCURSOR) SetCursor(LoadCursorA(nullptr, IDC_CROSS));
        return m == WM_LBUTTONDOWN || m == WM_KEYDOWN || m == WM_SETCURSOR ? 1 : 0;
    };
    const std::vector<UINT> input = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN, WM_KEYUP};
    host::suspendMouse(true);
    click(w);
    EXPECT_TRUE(sequenceMatches(later.only(input),
                                {{WM_MOUSEMOVE, kPosted, 0, 0, "phase 0"},
                                 {WM_LBUTTONDOWN, kPosted, 0, 0, "the taker's 1 did not count"},
                                 {WM_LBUTTONUP, kPosted, 0, 0, "phase 0"}},
                                w));
    EXPECT_EQ(plat::currentCursor(), LoadCursorA(nullptr, IDC_ARROW));
    host::suspendMouse(false);
    later.calls.clear();
    click(w);
    plat::inputKeyDown(VK_LEFT);
    plat::inputKeyUp(VK_LEFT);
    EXPECT_EQ(plat::currentCursor(), LoadCursorA(nullptr, IDC_CROSS));
    EXPECT_TRUE(sequenceMatches(later.only(input),
                                {{WM_MOUSEMOVE, kSent | kLParam, 0, MAKELPARAM(5, 6), "inputMouseMove"},
                                 {WM_LBUTTONUP, kSent, 0, 0, "the press was taken over"},
                                 {WM_KEYUP, kSent | kWParam, VK_LEFT, 0, "the key-down too"}},
                                w));
}

// The life of two windows A and B; rows flagged kParent concern A.
TEST_F(HookProtocolTest, NoticesInTheOrderTheHostSendsThem) {
    HookRecorder hook;
    ImageReplacedNotice seen{};
    hook.answer = [&](HWND, LONG, UINT m) {
        if (m == 2016) seen = *reinterpret_cast<const ImageReplacedNotice *>(hook.calls.back().lParam);
        return 0;
    };
    int a = blankImage(8, 8), other = blankImage(8, 8);
    HWND wa = host::openImageWindow(a), wb = open();
    host::images().notifyChanged(a);
    host::showOtherImage(wb, other);
    host::closeAllProfiles();
    host::suspendMouse(true);
    host::suspendMouse(false);
    EnableWindow(wb, FALSE);
    SendMessageA(wb, WM_CLOSE, 0, 0);
    const LPARAM la = reinterpret_cast<LPARAM>(wa), lb = reinterpret_cast<LPARAM>(wb);
    EXPECT_TRUE(sequenceMatches(hook.only({WM_MDIACTIVATE, WM_ENABLE, 1027, 2001, 2004, 2011, 2016}),
                                {{WM_MDIACTIVATE, kParent | kWParam | kLParam, 0, la, "openImageWindow(a)"},
                                 {WM_MDIACTIVATE, kWParam | kLParam, static_cast<WPARAM>(la), lb, "B opened"},
                                 {1027, kParent, 0, 0, "notifyChanged(a)"},
                                 {2016, 0, 0, 0, "showOtherImage"},
                                 {2004, 0, 0, 0, "closeAllProfiles"},
                                 {2011, kWParam | kLParam, 66, 0, "suspendMouse(true)"},
                                 {2011, kWParam | kLParam, 0, 0, "suspendMouse(false)"},
                                 {WM_ENABLE, kWParam, FALSE, 0, "EnableWindow"},
                                 {2001, 0, 0, 0, "WM_CLOSE"},
                                 {WM_MDIACTIVATE, kParent | kLParam, 0, la, "A active again"}},
                                wb, wa));
    EXPECT_TRUE(seen.window == wb && seen.imageId == static_cast<DWORD>(other) && host::activeImageId() == a);
}

TEST_F(HookProtocolTest, AHookMayRemoveOthersOrCloseTheWindowWhileCalled) {
    HWND w = open();
    HookRecorder first, second, third;
    first.answer = [&](HWND, LONG, UINT m) {
        if (m == WM_LBUTTONDOWN) query(QueryRemoveClientHook, second.id);
        return 0;
    };
    third.answer = [&](HWND window, LONG, UINT m) {
        if (m == WM_LBUTTONDOWN) host::closeImageWindow(window);
        return 0;
    };
    click(w);
    EXPECT_TRUE(second.only({WM_LBUTTONDOWN}).empty() && first.only({WM_LBUTTONUP}).empty() && !IsWindow(w));
}

}  // namespace
