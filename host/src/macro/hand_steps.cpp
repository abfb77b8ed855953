// Pointer moves and left-button presses for the statements that drive
// windows, and the plug-in window they act on.
#include "macro/hand_steps.h"

#include <platform/embed.h>

#include "core/host_state.h"

namespace host::macro {

void moveMouseTo(POINT p) {
    plat::inputMouseMove(p.x, p.y);
    plat::pumpMessages();
}

void pressLeft() {
    plat::inputMouseDown(plat::MouseButton::Left);
    plat::pumpMessages();
}

void releaseLeft() {
    plat::inputMouseUp(plat::MouseButton::Left);
    plat::pumpMessages();
}

HWND currentPluginWindow() {
    HWND window = state().activePluginWindow;
    return window && IsWindow(window) ? window : nullptr;
}

}  // namespace host::macro
