// Rendering an image window's client area once and copying it out on paints.
#include "window/view_cache.h"

#include <algorithm>

namespace host {

bool ViewCache::shows(const ViewGeometry &geometry, DisplayRange range, LONG width, LONG height,
                      uint32_t background) const {
    return valid_ && width == width_ && height == height_ && geometry.zoom == geometry_.zoom &&
           geometry.scrollX == geometry_.scrollX && geometry.scrollY == geometry_.scrollY &&
           range.low == range_.low && range.high == range_.high && background == background_;
}

void ViewCache::update(const Image &image, const ViewGeometry &geometry, DisplayRange range, LONG width,
                       LONG height, uint32_t background) {
    width = std::max<LONG>(width, 0);
    height = std::max<LONG>(height, 0);
    if (shows(geometry, range, width, height, background)) return;
    pixels_ = renderView(image, geometry, range, RECT{0, 0, width, height}, background);
    width_ = width;
    height_ = height;
    geometry_ = geometry;
    range_ = range;
    background_ = background;
    valid_ = true;
}

void ViewCache::blit(HDC hdc, const RECT &area) const {
    const LONG left = std::max<LONG>(area.left, 0), top = std::max<LONG>(area.top, 0);
    const LONG right = std::min(area.right, width_), bottom = std::min(area.bottom, height_);
    if (!valid_ || right <= left || bottom <= top) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down, as the pixels are kept
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    StretchDIBits(hdc, left, top, right - left, bottom - top, left, top, right - left, bottom - top,
                  pixels_.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace host
