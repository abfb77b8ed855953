// Span fills: the rectangle and row primitives that rectangles, ellipses,
// brushes and wide pens reduce to.
#pragma once

#include <cstdint>

#include "raster/canvas.h"
#include "raster/rop.h"

namespace plat::raster {

// Applies the masks to the pixels [x0, x1) of row y that lie in the clip.
void fillSpan(const Canvas &canvas, int64_t y, int64_t x0, int64_t x1, const RopMasks &masks);
void fillBox(const Canvas &canvas, const Box &box, const RopMasks &masks);
// The frame of a box: the pixels of outer that are not in inner.
void fillFrame(const Canvas &canvas, const Box &outer, const Box &inner, const RopMasks &masks);
// A ROP3 that needs no source, with a solid pattern pixel.
void fillBoxRop3(const Canvas &canvas, const Box &box, uint8_t code, uint32_t pattern);

}  // namespace plat::raster
