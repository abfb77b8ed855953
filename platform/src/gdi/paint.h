// A DC's pen, brush and colours as the rasteriser takes them.
#pragma once

#include <initializer_list>
#include <optional>

#include "gdi/dc.h"
#include "raster/line.h"
#include "raster/rop.h"
#include "raster/shape.h"

namespace plat::gdi {

// COLORREF to a surface pixel; the top byte (palette flags) is ignored.
inline uint32_t pixelOf(COLORREF c) {
    return pixelFromColorref(c & 0x00FFFFFF);
}

// The pen of a DC through its ROP2; nullopt for PS_NULL. Styled pens wider
// than one pixel draw solid, as CreatePen documents. Gaps take the
// background colour in OPAQUE mode.
std::optional<raster::ShapePen> currentPen(const DcState &state);

// The brush of a DC through its ROP2; nullopt for a hollow brush.
std::optional<raster::RopMasks> currentBrush(const DcState &state);

// A plain copy of a colour, for the calls that ignore the ROP2.
inline raster::RopMasks copyMasks(COLORREF c) {
    return {0, pixelOf(c)};
}

// A blit run given as a start and a signed length: a negative length runs
// back from the start and mirrors the blit.
inline void normaliseRun(int64_t &position, int64_t &length, bool &mirror) {
    if (length >= 0) return;
    position += length;
    length = -length;
    mirror = !mirror;
}

// The coordinate range GDI accepts (raster/canvas.h).
bool inCoordinateRange(std::initializer_list<int64_t> values);

}  // namespace plat::gdi
