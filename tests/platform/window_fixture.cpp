// The logging window class of the window-manager tests and its fixture.
#include "window_fixture.h"

#include <platform/embed.h>

namespace testing_support {

static Hook currentHook;

void setHook(Hook hook) {
    currentHook = std::move(hook);
}

static LRESULT WINAPI TestProc(HWND hwnd, UINT m, WPARAM w, LPARAM l) {
    if (currentHook) {
        if (auto r = currentHook(hwnd, m, w, l)) return *r;
    }
    return DefWindowProcA(hwnd, m, w, l);
}

void registerTestClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = TestProc;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "TestWindow";
    RegisterClassA(&wc);
    wc.style = 0;
    wc.lpszClassName = "TestPlain";
    RegisterClassA(&wc);
}

HWND makeTopLevel(DWORD style, int x, int y, int cx, int cy, const char *cls) {
    registerTestClasses();
    return CreateWindowExA(0, cls, "Test", style, x, y, cx, cy, nullptr, nullptr, nullptr, nullptr);
}

HWND makeChild(HWND parent, DWORD style, int x, int y, int cx, int cy, int id, const char *cls) {
    registerTestClasses();
    return CreateWindowExA(0, cls, "", style | WS_CHILD, x, y, cx, cy, parent,
                           reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
}

void pressAndRelease(POINT from, std::initializer_list<POINT> path) {
    plat::inputMouseMove(from.x, from.y);
    plat::inputMouseDown(plat::MouseButton::Left);
    for (POINT p : path) plat::inputMouseMove(p.x, p.y);
    plat::inputMouseUp(plat::MouseButton::Left);
}

std::vector<plat::SpyMessage> messagesOf(const MessageLog &log, UINT message) {
    std::vector<plat::SpyMessage> out;
    for (const plat::SpyMessage &m : log.entries())
        if (m.message == message) out.push_back(m);
    return out;
}

void WindowTest::SetUp() {
    setHook({});
    plat::resetWindowManager();
}

void WindowTest::TearDown() {
    setHook({});
    plat::resetWindowManager();
}

}  // namespace testing_support
