// MoveToEx, LineTo and Polyline. The current position and the dash phase
// belong to the DC: MoveToEx restarts the pattern, consecutive LineTo calls
// continue it, Polyline starts its own and leaves the DC's alone.
#include <algorithm>

#include "gdi/paint.h"
#include "raster/mask.h"

using namespace plat::gdi;
using plat::raster::Box;

namespace {

// Draws the path of points (surface coordinates) with a pen. One-pixel pens
// draw each segment without its end point; wide pens cover the whole path
// once (a single coverage mask), so joins are not drawn twice.
void strokePath(const DrawSurface &d, const plat::raster::ShapePen &pen, const POINT *points, size_t count,
                int64_t &phase) {
    if (pen.width <= 1) {
        plat::raster::drawThinPath(d.canvas, points, count, d.originX, d.originY, pen.style, phase);
        return;
    }
    Box bounds{INT64_MAX, INT64_MAX, INT64_MIN, INT64_MIN};
    for (size_t i = 0; i < count; ++i) {
        bounds.left = std::min(bounds.left, d.x(points[i].x));
        bounds.top = std::min(bounds.top, d.y(points[i].y));
        bounds.right = std::max(bounds.right, d.x(points[i].x) + 1);
        bounds.bottom = std::max(bounds.bottom, d.y(points[i].y) + 1);
    }
    plat::raster::CoverageMask mask(bounds.inflate(pen.width).intersect(d.canvas.clip));
    for (size_t i = 0; i + 1 < count; ++i)
        plat::raster::strokeWideLine(mask, d.x(points[i].x), d.y(points[i].y), d.x(points[i + 1].x),
                                     d.y(points[i + 1].y), pen.width);
    mask.apply(d.canvas, pen.style.pen);
}

int64_t advancedPhase(int64_t phase, const POINT &a, const POINT &b, const plat::raster::DashPattern &dash) {
    if (dash.solid()) return phase;
    int64_t steps = std::max(std::abs(int64_t{b.x} - a.x), std::abs(int64_t{b.y} - a.y));
    return (phase + steps) % dash.length;
}

}  // namespace

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    Dc *dc = findDc(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state.position;
    dc->state.position = {x, y};
    dc->state.dashPhase = 0;
    return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
    Dc *dc = findDc(hdc);
    if (!dc) return FALSE;
    DcState &s = dc->state;
    if (!inCoordinateRange({x, y, s.position.x, s.position.y})) return FALSE;
    const POINT path[2] = {s.position, {x, y}};
    std::optional<plat::raster::ShapePen> pen = currentPen(s);
    if (pen) {
        int64_t phase = s.dashPhase;
        if (std::optional<DrawSurface> d = resolveDc(*dc)) strokePath(*d, *pen, path, 2, phase);
        s.dashPhase = advancedPhase(s.dashPhase, path[0], path[1], pen->style.dash);
    }
    s.position = {x, y};
    return TRUE;
}

BOOL WINAPI Polyline(HDC hdc, const POINT *apt, int cpt) {
    Dc *dc = findDc(hdc);
    if (!dc || !apt || cpt < 2) return FALSE;
    for (int i = 0; i < cpt; ++i)
        if (!plat::raster::coordinateInRange(apt[i].x) || !plat::raster::coordinateInRange(apt[i].y))
            return FALSE;
    std::optional<plat::raster::ShapePen> pen = currentPen(dc->state);
    std::optional<DrawSurface> d = resolveDc(*dc);
    int64_t phase = 0;
    if (pen && d) strokePath(*d, *pen, apt, static_cast<size_t>(cpt), phase);
    return TRUE;
}
