// DrawIcon: an icon's image alpha-blended at its own size, its top-left
// corner at (X, Y). Icons ignore the ROP2 and the background mode.
#include "gdi/dc.h"
#include "internal/cursor.h"
#include "raster/blend.h"

using namespace plat::gdi;

BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
    Dc *dc = findDc(hDC);
    const plat::res::ImageData *image = plat::iconImage(hIcon);
    if (!dc || !image) return FALSE;
    if (image->argb.size() != static_cast<size_t>(image->width) * static_cast<size_t>(image->height))
        return FALSE;
    if (std::optional<DrawSurface> d = resolveDc(*dc))
        plat::raster::blendArgb(d->canvas, d->x(X), d->y(Y), image->argb.data(), image->width, image->height);
    return TRUE;
}
