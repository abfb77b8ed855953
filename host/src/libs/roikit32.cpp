// ROIKIT32: the host's area-of-interest library (contract in roikit32.h):
// ellipse outline shapes by handle, region release, and the image's area of
// interest value.
#include <roikit32.h>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "core/region.h"
#include "sampling/ellipse_outline.h"
#include "sampling/shape_store.h"

extern "C" {

HAOISHAPE WINAPI AoiCreateShape(const void *descriptor, LONG /*reserved*/, LONG kind) {
    if (descriptor == nullptr || kind != AOISHAPE_ELLIPSE) return nullptr;
    const auto &d = *static_cast<const EllipseDescriptor *>(descriptor);
    const host::EllipseShape shape{{d.centreX, d.centreY}, d.major, d.minor, d.angle};
    std::optional<std::vector<host::PixelPoint>> outline = host::ellipseOutline(shape);
    if (!outline) return nullptr;
    // The points go out as 32-bit POINTs; an outline beyond that range is refused.
    const auto fits = [](host::PixelPoint p) {
        return p.x >= INT32_MIN && p.x <= INT32_MAX && p.y >= INT32_MIN && p.y <= INT32_MAX;
    };
    if (!std::all_of(outline->begin(), outline->end(), fits)) return nullptr;
    return static_cast<HAOISHAPE>(host::addShape({std::move(*outline)}));
}

LONG WINAPI AoiGetShapeInfo(HAOISHAPE shape, LONG code, LPVOID out) {
    const host::Shape *s = host::findShape(shape);
    if (s == nullptr) return -1;
    const auto count = static_cast<LONG>(s->outline.size());
    if (code == AOISHAPEINFO_COUNT) return count;
    if (code != AOISHAPEINFO_POINTS || out == nullptr) return -1;
    auto *points = static_cast<POINT *>(out);
    std::transform(s->outline.begin(), s->outline.end(), points, [](host::PixelPoint p) {
        return POINT{static_cast<LONG>(p.x), static_cast<LONG>(p.y)};
    });
    return count;
}

void WINAPI AoiDestroyShape(HAOISHAPE shape) {
    host::removeShape(shape);
}

void WINAPI AoiFreeRegion(HIMGREGION region) {
    if (region != nullptr) host::freeRegion(region);
}

LONG WINAPI AoiForImage(LONG /*imageId*/, LONG /*kind*/, const LONG * /*aoi*/) {
    return 0;
}

}  // extern "C"
