// Image windows: each shows one image at a zoom and scroll origin, paints it
// (nearest neighbour; a display range for 12/16-bit and float images), and
// offers its messages to the client hooks. They are top-level windows owned
// by the host window.
//
// Coordinate conversions (HostQuery 58 and 59), with zoom z and scroll origin
// (sx, sy) in image pixels:
//   window x = floor((image x - sx) * z), window y likewise;
//   image x = floor(window x / z) + sx, image y likewise.
// At zoom 1 without scroll the two coincide. A value within rounding error of
// an integer counts as that integer (33 / 1.1 is 30, not 29.999999999999996).
//
// Hook phases (HookPhaseObserve 0, HookPhaseAct 1, as in hostmsg.h):
//   WM_PAINT goes out twice: phase 0 before the image is drawn, phase 1 after
//     the paint is complete, so a hook draws its overlay (GetDC) over the image
//     and nothing paints over it until the next WM_PAINT.
//   Mouse messages (WM_MOUSEMOVE, WM_LBUTTONDOWN/UP/DBLCLK, WM_RBUTTONUP,
//     WM_SETCURSOR over the client area), WM_KEYDOWN, WM_KEYUP and WM_ENABLE
//     go with phase 1 before the host's own handling; a hook answering 1 takes
//     the message over (WM_SETCURSOR then returns TRUE). While another host
//     tool has the mouse (suspendMouse(true)) mouse messages go with phase 0
//     and the answers do not count.
//   Notices and WM_MDIACTIVATE (the window became the active window; lParam
//     is the window) go with phase 1 to every hook, whatever they answer.
#pragma once

#include <windows.h>

namespace host {

// Opens a window on the image (client size: the image size up to 1024 x 768)
// and makes it the active image window. 0 when the image does not exist.
HWND openImageWindow(int imageId);
HWND imageWindowOf(int imageId);  // the first window showing the image, or 0
int imageOfWindow(HWND window);   // -1 when the window is not an image window
HWND activeImageWindow();         // 0 when none
int activeImageId();              // -1 when none
bool activateImageWindow(HWND window);

bool setClientSize(HWND window, int width, int height);
bool setZoom(HWND window, double zoom);     // any finite factor above 0
bool setScroll(HWND window, int x, int y);  // the origin must be a pixel of the image
double zoomOf(HWND window);

void imageToWindow(HWND window, const POINT *in, POINT *out, int count);
void windowToImage(HWND window, const POINT *in, POINT *out, int count);

// Notices: each also reaches the client hooks as the message documented in hostmsg.h.
// 2001 to the hooks, then the window goes; when it was the active image
// window, the image window activated most recently before it becomes active.
void closeImageWindow(HWND window);
void showOtherImage(HWND window, int imageId);  // 2016
void pixelsChanged(int imageId);                // 1027 for each window showing it, then a repaint
void closeAllProfiles();                        // 2004
void suspendMouse(bool suspended);              // 2011

// Offers a message to the installed hooks in installation order. With
// HookPhaseAct the first hook answering 1 takes the message over: the later
// hooks do not see it and the result is 1. With HookPhaseObserve every hook
// sees it, the answers do not count and the result is 0.
LONG offerToHooks(HWND window, LONG phase, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace host
