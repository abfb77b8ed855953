// The rendered client area of an image window, kept between paints so that a
// repaint is a copy of ready display pixels rather than a walk over the
// image. It is rendered again only when what it shows changed: the image's
// pixels or the image itself (the owner calls invalidate()), or the client
// size, zoom, scroll, display range or background, which it compares itself.
// A colour image's view lives in a DIB section selected into a memory DC,
// so a repaint is a plain BitBlt of the invalid area. A gray image's view is
// one display level a pixel, a quarter of that memory, kept for the part of
// the client that shows the image only: a repaint draws it through a gray
// colour table and fills the rest with the background.
#pragma once

#include <cstdint>
#include <vector>

#include <windows.h>

#include "core/image.h"
#include "window/image_paint.h"
#include "window/view_geometry.h"

namespace host {

class ViewCache {
public:
    ViewCache() = default;
    ViewCache(ViewCache &&other) noexcept;
    ViewCache &operator=(ViewCache &&other) noexcept;
    ViewCache(const ViewCache &) = delete;
    ViewCache &operator=(const ViewCache &) = delete;
    ~ViewCache();

    void invalidate() { valid_ = false; }

    // Renders the whole client area (width x height) again unless the cached
    // pixels already show this state.
    void update(const Image &image, const ViewGeometry &geometry, DisplayRange range, LONG width, LONG height,
                uint32_t background);
    // Copies `area` (client coordinates, clipped to the client) to the DC.
    void blit(HDC hdc, const RECT &area) const;

    bool valid() const { return valid_; }

private:
    void renderGray(const Image &image, LONG width, LONG height);
    void blitGray(HDC hdc, const RECT &area) const;
    bool shows(const ViewGeometry &geometry, DisplayRange range, LONG width, LONG height,
               uint32_t background) const;
    // A DIB section of width x height in the memory DC; false when the
    // system has none to give.
    bool allocate(LONG width, LONG height);
    void release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;  // the DC's bitmap before ours
    uint32_t *pixels_ = nullptr;  // 0x00RRGGBB, rows top to bottom
    LONG width_ = 0, height_ = 0;
    // A gray image's view: the levels of shown_ (client coordinates).
    bool gray_ = false;
    std::vector<uint8_t> levels_;
    RECT shown_{};
    ViewGeometry geometry_;
    DisplayRange range_;
    uint32_t background_ = 0;
    bool valid_ = false;
};

}  // namespace host
