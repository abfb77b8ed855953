// The screen: top-level windows composed in z-order over the desktop colour,
// and snapshots of single windows.
#include <algorithm>

#include "window/state.h"

namespace plat {

void setScreenSize(int width, int height) {
    WindowManager &m = wm();
    m.screenWidth = std::max(width, 1);
    m.screenHeight = std::max(height, 1);
    markScreenDirty(RECT{0, 0, m.screenWidth, m.screenHeight});
    for (HWND h : std::vector<HWND>(m.topLevels)) {
        Window *w = findWindow(h);
        if (!w || w->show != ShowState::Maximized) continue;
        MINMAXINFO mmi = queryMinMax(*w);
        if (findWindow(h))
            SetWindowPos(h, nullptr, mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, mmi.ptMaxSize.x,
                         mmi.ptMaxSize.y, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

SIZE screenSize() {
    return SIZE{wm().screenWidth, wm().screenHeight};
}

std::optional<Image> captureWindow(HWND hwnd, bool clientOnly) {
    Window *w = findWindow(hwnd);
    if (!w) return std::nullopt;
    Window *top = findWindow(topLevelOf(hwnd));
    if (!top) return std::nullopt;
    ensureSurface(*top);
    POINT topOrigin = windowOriginOnScreen(*top);
    RECT r = windowRectOnScreen(*w);
    if (clientOnly) {
        POINT o = clientOriginOnScreen(*w);
        r = RECT{o.x, o.y, o.x + (w->client.right - w->client.left),
                 o.y + (w->client.bottom - w->client.top)};
    }
    Image image;
    image.width = r.right - r.left;
    image.height = r.bottom - r.top;
    image.pixels.assign(static_cast<size_t>(image.width) * static_cast<size_t>(image.height), 0);
    const Surface &s = *top->surface;
    for (int y = 0; y < image.height; ++y) {
        int sy = r.top - topOrigin.y + y;
        if (sy < 0 || sy >= s.height) continue;
        for (int x = 0; x < image.width; ++x) {
            int sx = r.left - topOrigin.x + x;
            if (sx >= 0 && sx < s.width)
                image.pixels[static_cast<size_t>(y) * image.width + x] = s.at(sx, sy);
        }
    }
    return image;
}

Image captureScreenRect(const RECT &area) {
    WindowManager &m = wm();
    RECT r{std::max<LONG>(area.left, 0), std::max<LONG>(area.top, 0),
           std::min<LONG>(area.right, m.screenWidth), std::min<LONG>(area.bottom, m.screenHeight)};
    Image out;
    if (r.right <= r.left || r.bottom <= r.top) return out;
    out.width = r.right - r.left;
    out.height = r.bottom - r.top;
    out.pixels.assign(static_cast<size_t>(out.width) * static_cast<size_t>(out.height),
                      pixelFromColorref(GetSysColor(COLOR_BACKGROUND)));
    std::vector<HWND> tops = m.topLevels;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        Window *w = findWindow(*it);
        if (!w || !w->visible() || !w->surface) continue;
        const Surface &s = *w->surface;
        // The part of this surface inside the area, in screen coordinates.
        const LONG left = std::max<LONG>(r.left, w->rect.left),
                   right = std::min<LONG>(r.right, w->rect.left + s.width);
        const LONG top = std::max<LONG>(r.top, w->rect.top),
                   bottom = std::min<LONG>(r.bottom, w->rect.top + s.height);
        if (right <= left) continue;
        for (LONG y = top; y < bottom; ++y)
            std::copy_n(s.row(y - w->rect.top) + (left - w->rect.left), right - left,
                        out.pixels.begin() + static_cast<ptrdiff_t>(y - r.top) * out.width + (left - r.left));
    }
    return out;
}

Image captureScreen() {
    return captureScreenRect(RECT{0, 0, wm().screenWidth, wm().screenHeight});
}

}  // namespace plat
