// Canvas: where a drawing primitive lands. The raster primitives know nothing
// of DCs or handles; the GDI entry points resolve a DC to a surface and a
// clip rectangle, translate coordinates to the surface, and call them.
#pragma once

#include <algorithm>
#include <cstdint>

#include "internal/surface.h"

namespace plat::raster {

// Coordinates beyond +-2^27 are refused by the entry points, as Windows NT
// refuses them; inside that range every intermediate product of the line and
// ellipse arithmetic fits in 64 (lines) or 128 (ellipses) bits.
constexpr int64_t kCoordinateLimit = int64_t{1} << 27;

inline bool coordinateInRange(int64_t v) {
    return v >= -kCoordinateLimit && v < kCoordinateLimit;
}

// A half-open rectangle in 64-bit coordinates, so that translated and
// inflated rectangles never overflow.
struct Box {
    int64_t left = 0, top = 0, right = 0, bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    bool contains(int64_t x, int64_t y) const { return x >= left && x < right && y >= top && y < bottom; }
    Box intersect(const Box &o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
    Box inflate(int64_t d) const { return {left - d, top - d, right + d, bottom + d}; }
    Box offset(int64_t dx, int64_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

inline Box boxFromRect(const RECT &r) {
    return {r.left, r.top, r.right, r.bottom};
}

struct Canvas {
    Surface *surface = nullptr;
    Box clip;  // surface coordinates, always inside the surface

    bool contains(int64_t x, int64_t y) const { return clip.contains(x, y); }
    uint32_t *pixel(int64_t x, int64_t y) const {
        return surface->row(static_cast<int>(y)) + static_cast<int>(x);
    }
};

}  // namespace plat::raster
