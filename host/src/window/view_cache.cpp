// Rendering an image window's client area once and copying it out on paints.
#include "window/view_cache.h"

#include <algorithm>
#include <utility>

namespace host {

namespace {

// Rows of an 8-bit DIB start on four-byte boundaries.
size_t levelStride(LONG width) {
    return (static_cast<size_t>(std::max<LONG>(width, 0)) + 3) / 4 * 4;
}

COLORREF colorrefOf(uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFFu, (pixel >> 8) & 0xFFu, pixel & 0xFFu);
}

// The header of a top-down 8-bit DIB whose colour table maps each level to
// its gray.
class GrayDib {
public:
    GrayDib(LONG width, LONG height) {
        header_.biSize = sizeof(BITMAPINFOHEADER);
        header_.biWidth = width;
        header_.biHeight = -height;
        header_.biPlanes = 1;
        header_.biBitCount = 8;
        header_.biCompression = BI_RGB;
        for (int level = 0; level < 256; ++level) {
            const auto v = static_cast<BYTE>(level);
            colours_[level] = RGBQUAD{v, v, v, 0};
        }
    }
    const BITMAPINFO *info() const { return reinterpret_cast<const BITMAPINFO *>(this); }

private:
    BITMAPINFOHEADER header_{};
    RGBQUAD colours_[256]{};
};

}  // namespace

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
    gray_ = std::exchange(other.gray_, false);
    levels_ = std::move(other.levels_);
    shown_ = other.shown_;
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
    gray_ = false;
    levels_ = {};
    shown_ = {};
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
    geometry_ = geometry;
    range_ = range;
    background_ = background;
    if (image.cls != ImageClass::Rgb) {
        renderGray(image, width, height);
    } else {
        if ((width != width_ || height != height_ || !dc_) && !allocate(width, height)) return;
        if (pixels_) renderView(image, geometry, range, RECT{0, 0, width, height}, background, pixels_);
    }
    valid_ = true;
}

void ViewCache::renderGray(const Image &image, LONG width, LONG height) {
    if (dc_) release();
    gray_ = true;
    width_ = width;
    height_ = height;
    shown_ = shownImageArea(image, geometry_, width, height);
    const size_t stride = levelStride(shown_.right - shown_.left);
    levels_.resize(stride * static_cast<size_t>(shown_.bottom - shown_.top));
    levels_.shrink_to_fit();
    renderLevels(image, geometry_, range_, shown_, levels_.data(), stride);
}

void ViewCache::blit(HDC hdc, const RECT &area) const {
    const LONG left = std::max<LONG>(area.left, 0), top = std::max<LONG>(area.top, 0);
    const LONG right = std::min(area.right, width_), bottom = std::min(area.bottom, height_);
    if (!valid_ || right <= left || bottom <= top) return;
    if (gray_)
        blitGray(hdc, RECT{left, top, right, bottom});
    else if (dc_)
        BitBlt(hdc, left, top, right - left, bottom - top, dc_, left, top, SRCCOPY);
}

void ViewCache::blitGray(HDC hdc, const RECT &area) const {
    RECT image{};
    if (IntersectRect(&image, &area, &shown_)) {
        GrayDib dib(shown_.right - shown_.left, shown_.bottom - shown_.top);
        const LONG width = image.right - image.left, height = image.bottom - image.top;
        StretchDIBits(hdc, image.left, image.top, width, height, image.left - shown_.left,
                      image.top - shown_.top, width, height, levels_.data(), dib.info(), DIB_RGB_COLORS,
                      SRCCOPY);
    }
    // The background around the image: the bands above and below it, then
    // the parts left and right of it.
    const RECT bands[] = {{area.left, area.top, area.right, std::min(area.bottom, shown_.top)},
                          {area.left, std::max(area.top, shown_.bottom), area.right, area.bottom},
                          {area.left, std::max(area.top, shown_.top), std::min(area.right, shown_.left),
                           std::min(area.bottom, shown_.bottom)},
                          {std::max(area.left, shown_.right), std::max(area.top, shown_.top), area.right,
                           std::min(area.bottom, shown_.bottom)}};
    HBRUSH brush = nullptr;
    for (const RECT &band : bands) {
        if (band.right <= band.left || band.bottom <= band.top) continue;
        if (!brush) brush = CreateSolidBrush(colorrefOf(background_));
        FillRect(hdc, &band, brush);
    }
    if (brush) DeleteObject(brush);
}

}  // namespace host
