// Rectangle and Ellipse: the pen outlines, the brush fills, both through the
// ROP2 (raster/shape.h has the pixel rules). Corners may come in any order;
// they are sorted first, as Windows does.
#include <algorithm>

#include "gdi/paint.h"

using namespace plat::gdi;

namespace {

using DrawShape = void (*)(const plat::raster::Canvas &, const plat::raster::Box &,
                           const plat::raster::ShapePen *, const plat::raster::RopMasks *);

BOOL shape(HDC hdc, int left, int top, int right, int bottom, DrawShape draw) {
    Dc *dc = findDc(hdc);
    if (!dc) return FALSE;
    if (!inCoordinateRange({left, top, right, bottom})) return FALSE;
    std::optional<DrawSurface> d = resolveDc(*dc);
    if (!d) return TRUE;
    plat::raster::Box box{std::min(left, right), std::min(top, bottom), std::max(left, right),
                          std::max(top, bottom)};
    std::optional<plat::raster::ShapePen> pen = currentPen(dc->state);
    std::optional<plat::raster::RopMasks> brush = currentBrush(dc->state);
    draw(d->canvas, box.offset(d->originX, d->originY), pen ? &*pen : nullptr, brush ? &*brush : nullptr);
    return TRUE;
}

}  // namespace

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return shape(hdc, left, top, right, bottom, plat::raster::drawRectangle);
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return shape(hdc, left, top, right, bottom, plat::raster::drawEllipse);
}
