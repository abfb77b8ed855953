// The window class of image windows and what its procedure shares with the
// rest of the window code.
#pragma once

#include <windows.h>

namespace host {

// Registers the class "VoImageWindow" once and returns its name.
const char *imageWindowClass();

// The window became the active window: it becomes the active image window
// and the hooks get WM_MDIACTIVATE with lParam = the window and wParam = the
// image window active before (0 when none or the same).
void noteImageWindowActivated(HWND window);

}  // namespace host
