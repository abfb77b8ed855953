// The steps a hand makes, shared by the statements that drive windows: the
// pointer moved, the left button pressed and released, each followed by the
// messages it caused; and the plug-in window the statements act on.
#pragma once

#include <windows.h>

namespace host::macro {

void moveMouseTo(POINT screenPoint);
void pressLeft();
void releaseLeft();

// The current plug-in window, or null when there is none (or it is gone).
HWND currentPluginWindow();

}  // namespace host::macro
