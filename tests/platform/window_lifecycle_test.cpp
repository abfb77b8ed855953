// Creation and destruction order, window longs and subclassing, and invalid
// handles answered with the failure result Windows gives.
#include "window_fixture.h"

#include <platform/embed.h>

using namespace testing_support;

namespace {

class LifecycleTest : public WindowTest {};

TEST_F(LifecycleTest, CreationSendsWindowsOrder) {
    MessageLog log;
    HWND hwnd = makeTopLevel(WS_OVERLAPPEDWINDOW, 10, 10, 200, 100);
    ASSERT_TRUE(hwnd);
    static const std::vector<ExpectedMsg> seq = {
        {WM_GETMINMAXINFO, kSent, 0, 0, "CreateWindowExA, sizeable window"},
        {WM_NCCREATE, kSent, 0, 0, "CreateWindowExA"},
        {WM_NCCALCSIZE, kSent, 0, 0, "CreateWindowExA"},
        {WM_CREATE, kSent, 0, 0, "CreateWindowExA"},
        {WM_SIZE, kSent | kWParam, SIZE_RESTORED, 0, "CreateWindowExA"},
        {WM_MOVE, kSent, 0, 0, "CreateWindowExA"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), seq, hwnd));
}

TEST_F(LifecycleTest, DestroyGoesParentFirstThenFreesChildrenFirst) {
    HWND top = makeTopLevel(WS_OVERLAPPEDWINDOW, 10, 10, 200, 100);
    HWND child = makeChild(top, WS_VISIBLE, 0, 0, 10, 10, 7);
    HWND grandchild = makeChild(child, WS_VISIBLE, 0, 0, 5, 5, 8);
    std::vector<std::pair<HWND, UINT>> order;
    setHook([&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_DESTROY || m == WM_NCDESTROY) order.push_back({h, m});
        return std::nullopt;
    });
    EXPECT_TRUE(DestroyWindow(top));
    std::vector<std::pair<HWND, UINT>> expected = {{top, WM_DESTROY},        {child, WM_DESTROY},
                                                   {grandchild, WM_DESTROY}, {grandchild, WM_NCDESTROY},
                                                   {child, WM_NCDESTROY},    {top, WM_NCDESTROY}};
    EXPECT_EQ(order, expected);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(DestroyWindow(top)) << "a destroyed window is an invalid handle";
}

TEST_F(LifecycleTest, DestroyingAnOwnerDestroysItsPopupsFirst) {
    HWND owner = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100);
    registerTestClasses();
    HWND popup = CreateWindowExA(0, "TestWindow", "P", WS_POPUP | WS_VISIBLE, 30, 30, 50, 50, owner, nullptr,
                                 nullptr, nullptr);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetParent(popup), owner) << "GetParent of a popup is its owner";
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(popup));
}

LRESULT WINAPI Subclass(HWND h, UINT m, WPARAM w, LPARAM l);
WNDPROC previous = nullptr;
int subclassCalls = 0;
LRESULT WINAPI Subclass(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_USER + 1) return 77;
    ++subclassCalls;
    return CallWindowProcA(previous, h, m, w, l);
}

TEST_F(LifecycleTest, LongsUserDataAndSubclassing) {
    HWND hwnd = makeTopLevel(WS_OVERLAPPEDWINDOW, 10, 10, 200, 100);
    EXPECT_EQ(SetWindowLongPtrA(hwnd, GWLP_USERDATA, 1234), 0);
    EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_USERDATA), 1234);
    previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
    ASSERT_TRUE(previous);
    EXPECT_EQ(SendMessageA(hwnd, WM_USER + 1, 0, 0), 77);
    SetWindowTextA(hwnd, "caption");
    EXPECT_GT(subclassCalls, 0) << "WM_SETTEXT went through the subclass";
    char text[32];
    EXPECT_EQ(GetWindowTextA(hwnd, text, sizeof text), 7);
    EXPECT_STREQ(text, "caption");
    EXPECT_EQ(GetWindowTextA(hwnd, text, 4), 3) << "truncated, NUL included";
    EXPECT_STREQ(text, "cap");
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));

    HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
    SetClassLongPtrA(hwnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
    EXPECT_EQ(GetClassLongPtrA(hwnd, GCLP_HICON), reinterpret_cast<ULONG_PTR>(icon));
    EXPECT_EQ(SetClassLongA(hwnd, GCLP_HICON, 0), static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(icon)));
    EXPECT_EQ(GetClassLongPtrA(hwnd, GCLP_HICON), 0u);
}

// A module unregisters its classes when it is unloaded; Windows refuses while
// a window of the class exists, and looks classes up by name and instance.
TEST_F(LifecycleTest, ClassInfoAndUnregisteringAClass) {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.cbWndExtra = 8;
    wc.lpszClassName = "LifecycleOnce";
    ASSERT_NE(RegisterClassA(&wc), 0);
    WNDCLASSA info{};
    ASSERT_TRUE(GetClassInfoA(nullptr, "lifecycleonce", &info)) << "names compare without case";
    EXPECT_TRUE(info.lpfnWndProc == DefWindowProcA && info.style == CS_DBLCLKS && info.cbWndExtra == 8);
    EXPECT_TRUE(GetClassInfoA(nullptr, "button", &info)) << "a system class";
    HWND hwnd = makeTopLevel(WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, "LifecycleOnce");
    EXPECT_FALSE(UnregisterClassA("LifecycleOnce", nullptr)) << "a window of the class exists";
    DestroyWindow(hwnd);
    EXPECT_TRUE(UnregisterClassA("LifecycleOnce", nullptr));
    EXPECT_FALSE(GetClassInfoA(nullptr, "LifecycleOnce", &info));
    SetLastError(0);
    EXPECT_FALSE(UnregisterClassA("LifecycleOnce", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
}

// A message loop of its own: PeekMessage looks or takes in posting order,
// and WM_QUIT comes once no posted message is left.
TEST_F(LifecycleTest, PeekMessageAndQuit) {
    HWND hwnd = makeTopLevel(WS_OVERLAPPEDWINDOW, 0, 0, 50, 50);
    PostMessageA(hwnd, WM_USER + 1, 1, 0);
    PostQuitMessage(3);
    PostMessageA(hwnd, WM_USER + 2, 2, 0);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1)) << "looking leaves it queued";
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 2, WM_USER + 2, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 2u) << "a filter takes the message it names";
    std::vector<UINT> seen;
    while (GetMessageA(&msg, nullptr, 0, 0)) seen.push_back(msg.message);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_USER + 1}));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(LifecycleTest, InvalidHandlesFailQuietly) {
    HWND bogus = reinterpret_cast<HWND>(0xdead0);
    RECT r{1, 2, 3, 4};
    POINT p{5, 6};
    EXPECT_FALSE(IsWindow(bogus));
    EXPECT_FALSE(DestroyWindow(bogus));
    EXPECT_EQ(SendMessageA(bogus, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageA(bogus, WM_USER, 0, 0));
    EXPECT_FALSE(GetWindowRect(bogus, &r));
    EXPECT_FALSE(GetClientRect(bogus, &r));
    EXPECT_FALSE(ClientToScreen(bogus, &p));
    EXPECT_EQ(p.x, 5);
    EXPECT_FALSE(ShowWindow(bogus, SW_SHOW));
    EXPECT_FALSE(SetWindowPos(bogus, nullptr, 0, 0, 1, 1, 0));
    EXPECT_EQ(GetWindowLongPtrA(bogus, GWLP_USERDATA), 0);
    EXPECT_EQ(SetWindowLongPtrA(bogus, GWLP_USERDATA, 5), 0);
    EXPECT_FALSE(InvalidateRect(bogus, nullptr, TRUE));
    EXPECT_FALSE(UpdateWindow(bogus));
    EXPECT_EQ(GetParent(bogus), nullptr);
    EXPECT_EQ(GetDlgItem(bogus, 1), nullptr);
    EXPECT_FALSE(EnableWindow(bogus, TRUE));
    EXPECT_EQ(SetActiveWindow(bogus), nullptr);
    EXPECT_EQ(SetCapture(bogus), nullptr);
    EXPECT_EQ(GetDC(bogus), nullptr);
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(CreateWindowExA(0, "TestWindow", "", WS_CHILD, 0, 0, 1, 1, bogus, nullptr, nullptr, nullptr),
              nullptr);
}

TEST_F(LifecycleTest, EnableWindowReportsThePreviousStateAndSendsWmEnable) {
    HWND hwnd = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100);
    MessageLog log({hwnd});
    EXPECT_FALSE(EnableWindow(hwnd, FALSE));
    EXPECT_TRUE(EnableWindow(hwnd, FALSE)) << "was disabled already";
    EXPECT_TRUE(EnableWindow(hwnd, TRUE));
    const auto enables = messagesOf(log, WM_ENABLE);
    ASSERT_EQ(enables.size(), 2u) << "WM_ENABLE only on a change";
    EXPECT_TRUE(enables[0].wParam == FALSE && enables[1].wParam == TRUE);
}

}  // namespace
