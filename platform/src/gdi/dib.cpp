// StretchDIBits: device-independent pictures onto a DC, the path images take
// to the screen. The source rectangle is in the DIB's own coordinates: for a
// bottom-up DIB (positive height) ySrc counts rows from the bottom of the
// picture, for a top-down DIB from the top, as on Windows. Returns the
// number of source rows, 0 on failure.
#include <cstdlib>
#include <vector>

#include "gdi/paint.h"
#include "raster/dib.h"
#include "raster/stretch.h"

using namespace plat::gdi;
using plat::raster::Box;

int WINAPI StretchDIBits(HDC hdc, int xDest, int yDest, int DestWidth, int DestHeight, int xSrc, int ySrc,
                         int SrcWidth, int SrcHeight, const void *lpBits, const BITMAPINFO *lpbmi,
                         UINT iUsage, DWORD rop) {
    Dc *dc = findDc(hdc);
    if (!dc || !lpBits) return 0;
    std::optional<plat::raster::DibLayout> layout = plat::raster::dibLayout(lpbmi, iUsage);
    if (!layout || DestWidth == 0 || DestHeight == 0 || SrcWidth == 0 || SrcHeight == 0) return 0;
    uint8_t code = plat::raster::rop3Index(rop);
    const BrushObject &brush = *dc->state.brush;
    int rows = std::abs(SrcHeight);
    if (!plat::raster::rop3UsesSource(code))
        return PatBlt(hdc, xDest, yDest, DestWidth, DestHeight, rop) ? rows : 0;
    if (plat::raster::rop3UsesPattern(code) && brush.hollow()) return rows;
    std::optional<DrawSurface> d = resolveDc(*dc);
    if (!d) return rows;

    plat::raster::StretchRequest q;
    int64_t dx = xDest, dy = yDest, dw = DestWidth, dh = DestHeight;
    int64_t sx = xSrc, sy = ySrc, sw = SrcWidth, sh = SrcHeight;
    normaliseRun(dx, dw, q.mirrorX);
    normaliseRun(dy, dh, q.mirrorY);
    normaliseRun(sx, sw, q.mirrorX);
    normaliseRun(sy, sh, q.mirrorY);
    q.dest = Box{dx, dy, dx + dw, dy + dh}.offset(d->originX, d->originY);
    q.srcX = sx;
    q.srcY = layout->topDown ? sy : layout->height - (sy + sh);  // rows from the top
    q.srcWidth = sw;
    q.srcHeight = sh;
    q.sourceBounds = {0, 0, layout->width, layout->height};
    q.rop = code;
    q.pattern = pixelOf(brush.log.lbColor);
    std::vector<uint32_t> row;
    const auto *bits = static_cast<const uint8_t *>(lpBits);
    plat::raster::stretchBlit(d->canvas, q, [&](int64_t y, int64_t x0, int64_t x1) {
        row.resize(static_cast<size_t>(x1 - x0));
        plat::raster::dibRow(*layout, bits, y, x0, x1, row.data());
        return row.data();
    });
    return rows;
}
