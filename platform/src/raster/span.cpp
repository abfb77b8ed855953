// Span fills.
#include "raster/span.h"

#include <algorithm>

#include "raster/pixel_rows.h"

namespace plat::raster {

void fillSpan(const Canvas &canvas, int64_t y, int64_t x0, int64_t x1, const RopMasks &masks) {
    if (y < canvas.clip.top || y >= canvas.clip.bottom) return;
    x0 = std::max(x0, canvas.clip.left);
    x1 = std::min(x1, canvas.clip.right);
    if (x0 >= x1) return;
    uint32_t *p = canvas.pixel(x0, y);
    uint32_t *end = p + (x1 - x0);
    if (masks.andMask == 0) {
        fillPixels(p, static_cast<size_t>(x1 - x0), masks.xorMask);
        return;
    }
    for (; p != end; ++p) *p = applyRop(*p, masks);
}

void fillBox(const Canvas &canvas, const Box &box, const RopMasks &masks) {
    Box visible = box.intersect(canvas.clip);
    for (int64_t y = visible.top; y < visible.bottom; ++y)
        fillSpan(canvas, y, visible.left, visible.right, masks);
}

void fillFrame(const Canvas &canvas, const Box &outer, const Box &inner, const RopMasks &masks) {
    if (inner.empty() || inner.intersect(outer).empty()) {
        fillBox(canvas, outer, masks);
        return;
    }
    Box in = inner.intersect(outer);
    fillBox(canvas, {outer.left, outer.top, outer.right, in.top}, masks);
    fillBox(canvas, {outer.left, in.bottom, outer.right, outer.bottom}, masks);
    fillBox(canvas, {outer.left, in.top, in.left, in.bottom}, masks);
    fillBox(canvas, {in.right, in.top, outer.right, in.bottom}, masks);
}

void fillBoxRop3(const Canvas &canvas, const Box &box, uint8_t code, uint32_t pattern) {
    Box visible = box.intersect(canvas.clip);
    for (int64_t y = visible.top; y < visible.bottom; ++y) {
        uint32_t *p = canvas.pixel(visible.left, y);
        for (int64_t x = visible.left; x < visible.right; ++x, ++p) *p = applyRop3(code, pattern, 0, *p);
    }
}

}  // namespace plat::raster
