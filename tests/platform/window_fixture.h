// A window class for the window-manager tests: its procedure hands each
// message to an optional per-test hook before DefWindowProcA.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include <windows.h>

#include "support/msg_sequence.h"

namespace testing_support {

using Hook = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
void setHook(Hook hook);

// "TestWindow" (CS_DBLCLKS, white background) and "TestPlain" (no CS_DBLCLKS).
void registerTestClasses();

HWND makeTopLevel(DWORD style, int x, int y, int cx, int cy, const char *cls = "TestWindow");
HWND makeChild(HWND parent, DWORD style, int x, int y, int cx, int cy, int id,
               const char *cls = "TestWindow");

// The left button pressed at a screen point, moved along `path`, released at its end.
void pressAndRelease(POINT from, std::initializer_list<POINT> path = {});
// The window's rectangle on the screen.
inline RECT windowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}
// The logged messages of one kind, in order.
std::vector<plat::SpyMessage> messagesOf(const MessageLog &log, UINT message);

// Each test starts and ends with plat::resetWindowManager: an empty screen and no input held.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace testing_support
