// BitBlt and StretchBlt between DCs (nearest neighbour, raster/stretch.h).
// A negative width or height mirrors; the rectangle then extends left (up)
// from the given corner. Raster operations without a source act as PatBlt.
#include <cstdlib>
#include <vector>

#include "gdi/paint.h"
#include "raster/stretch.h"

using namespace plat::gdi;
using plat::raster::Box;

namespace {

// Reading and writing the same surface: the source rectangle is copied out
// first, so overlapping blits (scrolling) read the picture as it was.
struct Snapshot {
    Box box;
    std::vector<uint32_t> pixels;

    Snapshot(const plat::Surface &surface, const Box &area) : box(area) {
        int64_t w = area.right - area.left;
        pixels.resize(static_cast<size_t>(w * (area.bottom - area.top)));
        for (int64_t y = area.top; y < area.bottom; ++y) {
            const uint32_t *row = surface.row(static_cast<int>(y)) + area.left;
            std::copy(row, row + w, pixels.begin() + (y - area.top) * w);
        }
    }
    const uint32_t *at(int64_t x, int64_t y) const {
        return pixels.data() + (y - box.top) * (box.right - box.left) + (x - box.left);
    }
};

}  // namespace

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                       int ySrc, int wSrc, int hSrc, DWORD rop) {
    Dc *dest = findDc(hdcDest);
    if (!dest) return FALSE;
    uint8_t code = plat::raster::rop3Index(rop);
    if (!plat::raster::rop3UsesSource(code)) return PatBlt(hdcDest, xDest, yDest, wDest, hDest, rop);
    Dc *src = findDc(hdcSrc);
    if (!src) return FALSE;
    const BrushObject &brush = *dest->state.brush;
    if ((plat::raster::rop3UsesPattern(code) && brush.hollow()) || wDest == 0 || hDest == 0 || wSrc == 0 ||
        hSrc == 0)
        return TRUE;
    std::optional<DrawSurface> d = resolveDc(*dest);
    std::optional<DrawSurface> s = resolveSource(*src);
    if (!d || !s) return TRUE;
    plat::raster::StretchRequest q;
    int64_t dx = xDest, dy = yDest, dw = wDest, dh = hDest, sx = xSrc, sy = ySrc, sw = wSrc, sh = hSrc;
    normaliseRun(dx, dw, q.mirrorX);
    normaliseRun(dy, dh, q.mirrorY);
    normaliseRun(sx, sw, q.mirrorX);
    normaliseRun(sy, sh, q.mirrorY);
    q.dest = Box{dx, dy, dx + dw, dy + dh}.offset(d->originX, d->originY);
    q.srcX = s->x(sx);
    q.srcY = s->y(sy);
    q.srcWidth = sw;
    q.srcHeight = sh;
    q.sourceBounds = s->canvas.clip;
    q.rop = code;
    q.pattern = pixelOf(brush.log.lbColor);
    plat::Surface *source = s->canvas.surface;
    if (source == d->canvas.surface) {
        Snapshot snapshot(*source, Box{q.srcX, q.srcY, q.srcX + sw, q.srcY + sh}.intersect(q.sourceBounds));
        q.sourceBounds = snapshot.box;
        plat::raster::stretchBlit(d->canvas, q,
                                  [&](int64_t y, int64_t x0, int64_t) { return snapshot.at(x0, y); });
    } else {
        plat::raster::stretchBlit(d->canvas, q, [&](int64_t y, int64_t x0, int64_t) {
            return source->row(static_cast<int>(y)) + x0;
        });
    }
    return TRUE;
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    return StretchBlt(hdc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop);
}
