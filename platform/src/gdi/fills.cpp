// Rectangle fills that ignore the ROP2 (FillRect, FrameRect, InvertRect),
// PatBlt, and single pixels.
#include <algorithm>

#include "gdi/paint.h"
#include "internal/gdi.h"
#include "raster/span.h"

using namespace plat::gdi;
using plat::raster::Box;

namespace {

Box logicalBox(const RECT &r, const DrawSurface &d) {
    return Box{r.left, r.top, r.right, r.bottom}.offset(d.originX, d.originY);
}

}  // namespace

// The rectangle is not normalised: right <= left or bottom <= top fills
// nothing. The brush may be a system colour index plus one.
int WINAPI FillRect(HDC hDC, const RECT *lprc, HBRUSH hbr) {
    Dc *dc = findDc(hDC);
    std::shared_ptr<BrushObject> brush = brushFromArgument(hbr);
    if (!dc || !lprc || !brush) return 0;
    std::optional<DrawSurface> d = resolveDc(*dc);
    if (d && !brush->hollow())
        plat::raster::fillBox(d->canvas, logicalBox(*lprc, *d), copyMasks(brush->log.lbColor));
    return 1;
}

// A one-pixel border just inside the rectangle, in the brush colour.
int WINAPI FrameRect(HDC hDC, const RECT *lprc, HBRUSH hbr) {
    Dc *dc = findDc(hDC);
    std::shared_ptr<BrushObject> brush = brushFromArgument(hbr);
    if (!dc || !lprc || !brush) return 0;
    std::optional<DrawSurface> d = resolveDc(*dc);
    if (d && !brush->hollow()) {
        Box box = logicalBox(*lprc, *d);
        if (!box.empty())
            plat::raster::fillFrame(d->canvas, box, box.inflate(-1), copyMasks(brush->log.lbColor));
    }
    return 1;
}

BOOL WINAPI InvertRect(HDC hDC, const RECT *lprc) {
    Dc *dc = findDc(hDC);
    if (!dc || !lprc) return FALSE;
    if (std::optional<DrawSurface> d = resolveDc(*dc))
        plat::raster::fillBox(d->canvas, logicalBox(*lprc, *d),
                              {plat::raster::kColorBits, plat::raster::kColorBits});
    return TRUE;
}

// ROP3s without a source. A negative width or height extends the rectangle
// left or up from (x, y). A hollow brush gives no pattern: nothing is drawn.
BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    Dc *dc = findDc(hdc);
    uint8_t code = plat::raster::rop3Index(rop);
    if (!dc || plat::raster::rop3UsesSource(code)) return FALSE;
    const BrushObject &brush = *dc->state.brush;
    if (plat::raster::rop3UsesPattern(code) && brush.hollow()) return TRUE;
    std::optional<DrawSurface> d = resolveDc(*dc);
    if (!d) return TRUE;
    int64_t left = w < 0 ? int64_t{x} + w : x, top = h < 0 ? int64_t{y} + h : y;
    Box box = Box{left, top, left + std::abs(int64_t{w}), top + std::abs(int64_t{h})}.offset(d->originX,
                                                                                             d->originY);
    uint32_t pattern = pixelOf(brush.log.lbColor);
    if (code == 0xF0)  // PATCOPY
        plat::raster::fillBox(d->canvas, box, {0, pattern});
    else
        plat::raster::fillBoxRop3(d->canvas, box, code, pattern);
    return TRUE;
}

// SetPixel writes the colour as it is; the ROP2 does not apply to it.
// CLR_INVALID (-1) when the pixel is outside the clip.
COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    Dc *dc = findDc(hdc);
    if (!dc) return CLR_INVALID;
    std::optional<DrawSurface> d = resolveDc(*dc);
    if (!d || !d->canvas.contains(d->x(x), d->y(y))) return CLR_INVALID;
    *d->canvas.pixel(d->x(x), d->y(y)) = pixelOf(color);
    return color & 0x00FFFFFF;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    Dc *dc = findDc(hdc);
    if (!dc) return CLR_INVALID;
    std::optional<DrawSurface> d = resolveDc(*dc);
    if (!d || !d->canvas.contains(d->x(x), d->y(y))) return CLR_INVALID;
    return plat::colorrefFromPixel(*d->canvas.pixel(d->x(x), d->y(y)));
}

void plat::setPixelRuns(HDC hdc, const std::vector<PixelRun> &runs) {
    Dc *dc = findDc(hdc);
    if (!dc) return;
    std::optional<DrawSurface> d = resolveDc(*dc);
    if (!d) return;
    for (const PixelRun &run : runs)
        plat::raster::fillBox(
            d->canvas,
            Box{run.x, run.y, int64_t{run.x} + run.length, int64_t{run.y} + 1}.offset(d->originX, d->originY),
            copyMasks(run.color));
}
