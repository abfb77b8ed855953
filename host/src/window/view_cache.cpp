// Rendering an image window's client area once and copying it out on paints.
#include "window/view_cache.h"

#include <algorithm>
#include <utility>

namespace host {

ViewCache::ViewCache(ViewCache &&other) noexcept {
    *this = std::move(other);
}

ViewCache &ViewCache::operator=(ViewCache &&other) noexcept {
    if (this == &other) return *this;
    release();
    dc_ = std::exchange(other.dc_, nullptr);
    bitmap_ = std::exchange(other.bitmap_, nullptr);
    previous_ = std::exchange(other.previous_, nullptr);
    pixels_ = std::exchange(other.pixels_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    geometry_ = other.geometry_;
    range_ = other.range_;
    background_ = other.background_;
    valid_ = std::exchange(other.valid_, false);
    return *this;
}

ViewCache::~ViewCache() {
    release();
}

void ViewCache::release() {
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    pixels_ = nullptr;
    width_ = height_ = 0;
    valid_ = false;
}

bool ViewCache::allocate(LONG width, LONG height) {
    release();
    if (width == 0 || height == 0) return true;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, as the pixels are rendered
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = dc_ ? CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (!bitmap_) {
        release();
        return false;
    }
    previous_ = SelectObject(dc_, bitmap_);
    pixels_ = static_cast<uint32_t *>(bits);
    width_ = width;
    height_ = height;
    return true;
}

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
    if ((width != width_ || height != height_ || !dc_) && !allocate(width, height)) return;
    if (pixels_) renderView(image, geometry, range, RECT{0, 0, width, height}, background, pixels_);
    geometry_ = geometry;
    range_ = range;
    background_ = background;
    valid_ = true;
}

void ViewCache::blit(HDC hdc, const RECT &area) const {
    const LONG left = std::max<LONG>(area.left, 0), top = std::max<LONG>(area.top, 0);
    const LONG right = std::min(area.right, width_), bottom = std::min(area.bottom, height_);
    if (!valid_ || !dc_ || right <= left || bottom <= top) return;
    BitBlt(hdc, left, top, right - left, bottom - top, dc_, left, top, SRCCOPY);
}

}  // namespace host
