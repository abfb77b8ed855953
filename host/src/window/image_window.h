// Image windows: each shows one image at a zoom and scroll origin, paints it
// (nearest neighbour; a display range for 12/16-bit and float images), and
// offers its messages to the client hooks. They are top-level windows owned
// by the host window.
//
// Coordinate conversions (HostQuery 58 and 59), with zoom z and scroll origin
// (sx, sy) in image pixels:
//   window x = floor((image x - sx) * z), window y likewise;
//   image x = floor(window x / z) + sx, image y likewise.
// At zoom 1 without scroll the two coincide.
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
bool setZoom(HWND window, double zoom);
bool setScroll(HWND window, int x, int y);
double zoomOf(HWND window);

void imageToWindow(HWND window, const POINT *in, POINT *out, int count);
void windowToImage(HWND window, const POINT *in, POINT *out, int count);

// Notices: each also reaches the client hooks as the message documented in hostmsg.h.
void closeImageWindow(HWND window);              // 2001 to the hooks, then the window goes
void showOtherImage(HWND window, int imageId);   // 2016
void pixelsChanged(int imageId);                 // 1027 for each window showing it, then a repaint
void closeAllProfiles();                         // 2004
void suspendMouse(bool suspended);               // 2011

// Offers a message to every installed hook in turn (see hostmsg.h for phases);
// 1 when one of them took it over.
LONG offerToHooks(HWND window, LONG phase, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace host
