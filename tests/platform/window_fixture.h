// A window class for the window-manager tests: its procedure hands each
// message to an optional per-test hook before DefWindowProcA.
#pragma once

#include <functional>
#include <optional>

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

// Destroys every top-level window made with makeTopLevel, so tests start from an empty screen.
void destroyAllWindows();

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace testing_support
