// DC pens and brushes for the rasteriser.
#include "gdi/paint.h"

namespace plat::gdi {

std::optional<raster::ShapePen> currentPen(const DcState &state) {
    const PenObject &pen = *state.pen;
    int style = pen.style();
    if (style == PS_NULL) return std::nullopt;
    raster::ShapePen result;
    result.width = pen.width();
    result.insideFrame = style == PS_INSIDEFRAME;
    result.style.pen = raster::rop2Masks(state.rop2, pixelOf(pen.log.lopnColor));
    result.style.background = raster::rop2Masks(state.rop2, pixelOf(state.bkColor));
    result.style.fillGaps = state.bkMode == OPAQUE;
    if (result.width == 1) result.style.dash = raster::dashPatternForStyle(style);
    return result;
}

std::optional<raster::RopMasks> currentBrush(const DcState &state) {
    const BrushObject &brush = *state.brush;
    if (brush.hollow()) return std::nullopt;
    return raster::rop2Masks(state.rop2, pixelOf(brush.log.lbColor));
}

bool inCoordinateRange(std::initializer_list<int64_t> values) {
    for (int64_t v : values)
        if (!raster::coordinateInRange(v)) return false;
    return true;
}

}  // namespace plat::gdi
