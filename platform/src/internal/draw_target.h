// The seam between the window manager and GDI: where a window's drawing lands.
// The window manager owns window geometry and surfaces; GDI resolves a window
// DC through this call at each drawing operation, so a DC stays valid while
// its window moves or its surface is reallocated.
#pragma once

#include <windows.h>

#include "surface.h"

namespace plat {

struct DrawTarget {
    Surface *surface = nullptr;
    int originX = 0;  // surface position of the DC's (0, 0)
    int originY = 0;
    RECT clip{};      // visible part, in surface coordinates (half-open)
};

// Implemented by the window manager. wholeWindow selects the window DC
// (origin at the window's top-left corner) instead of the client DC. False
// when the window does not exist; an invisible or minimised window gives an
// empty clip (drawing is accepted and lands nowhere).
bool windowDrawTarget(HWND hwnd, bool wholeWindow, DrawTarget &out);

// Implemented by GDI: a DC on a window. paintClip (client or window
// coordinates, as wholeWindow says) narrows drawing further, as BeginPaint's
// update rectangle does. The DC is freed with releaseWindowDc.
HDC createWindowDc(HWND hwnd, bool wholeWindow, const RECT *paintClip);
bool releaseWindowDc(HDC hdc);

}  // namespace plat
