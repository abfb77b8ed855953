// The screen: top-level windows composed in z-order over the desktop colour,
// and snapshots of single windows.
#include <algorithm>

#include "window/state.h"

namespace plat {

void setScreenSize(int width, int height) {
    wm().screenWidth = std::max(width, 1);
    wm().screenHeight = std::max(height, 1);
}

SIZE screenSize() {
    return SIZE{wm().screenWidth, wm().screenHeight};
}

std::optional<Image> captureWindow(HWND hwnd, bool clientOnly) {
    Window *w = findWindow(hwnd);
    if (!w) return std::nullopt;
    Window *top = findWindow(topLevelOf(hwnd));
    if (!top || !top->surface) return std::nullopt;
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

Image captureScreen() {
    WindowManager &m = wm();
    Image screen;
    screen.width = m.screenWidth;
    screen.height = m.screenHeight;
    screen.pixels.assign(static_cast<size_t>(screen.width) * static_cast<size_t>(screen.height),
                         pixelFromColorref(GetSysColor(COLOR_BACKGROUND)));
    std::vector<HWND> tops = m.topLevels;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        Window *w = findWindow(*it);
        if (!w || !w->visible() || !w->surface) continue;
        const Surface &s = *w->surface;
        for (int y = 0; y < s.height; ++y) {
            int sy = w->rect.top + y;
            if (sy < 0 || sy >= screen.height) continue;
            for (int x = 0; x < s.width; ++x) {
                int sx = w->rect.left + x;
                if (sx >= 0 && sx < screen.width)
                    screen.pixels[static_cast<size_t>(sy) * screen.width + sx] = s.at(x, y);
            }
        }
    }
    return screen;
}

}  // namespace plat
