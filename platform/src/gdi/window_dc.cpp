// Window DCs: GetDC, GetWindowDC, ReleaseDC, WindowFromDC, and the
// createWindowDc/releaseWindowDc pair that BeginPaint and EndPaint use.
// Each call gives a fresh DC in the default state (no class or own DCs).
#include "gdi/dc.h"
#include "internal/draw_target.h"

namespace plat {

// A null window is the screen: drawing goes wherever the window manager
// says the desktop is (nowhere, if it has no surface for it), and the DC
// still answers text metrics and extents as GetDC(NULL) does on Windows.
HDC createWindowDc(HWND hwnd, bool wholeWindow, const RECT *paintClip) {
    DrawTarget target;
    if (hwnd && !windowDrawTarget(hwnd, wholeWindow, target)) return nullptr;
    auto dc = std::make_unique<gdi::Dc>();
    dc->memory = false;
    dc->hwnd = hwnd;
    dc->wholeWindow = wholeWindow;
    if (paintClip) dc->paintClip = *paintClip;
    return gdi::addDc(std::move(dc));
}

bool releaseWindowDc(HDC hdc) {
    gdi::Dc *dc = gdi::findDc(hdc);
    if (!dc || dc->memory) return false;
    return gdi::removeDc(hdc);
}

}  // namespace plat

HDC WINAPI GetDC(HWND hWnd) {
    return plat::createWindowDc(hWnd, false, nullptr);
}

HDC WINAPI GetWindowDC(HWND hWnd) {
    return plat::createWindowDc(hWnd, true, nullptr);
}

// 1 when released; 0 for a memory DC, an unknown DC or a DC of another window.
int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
    plat::gdi::Dc *dc = plat::gdi::findDc(hDC);
    if (!dc || dc->memory || (hWnd && dc->hwnd != hWnd)) return 0;
    return plat::releaseWindowDc(hDC) ? 1 : 0;
}

HWND WINAPI WindowFromDC(HDC hDC) {
    plat::gdi::Dc *dc = plat::gdi::findDc(hDC);
    return dc && !dc->memory ? dc->hwnd : nullptr;
}
