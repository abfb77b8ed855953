// CreateCompatibleBitmap, CreateDIBSection and bitmap access for the other areas.
#include "gdi/dc.h"
#include "internal/gdi.h"

using namespace plat::gdi;

namespace {

// 2^28 pixels (1 GiB): larger requests fail as an out-of-memory would.
constexpr int64_t kMaxBitmapPixels = int64_t{1} << 28;

}  // namespace

// Bitmaps are always 32 bits per pixel, whatever the DC: unlike Windows, a
// memory DC that still holds its 1 x 1 monochrome default bitmap does not
// make monochrome bitmaps. New bitmaps are black. A zero size gives the
// shared 1 x 1 default bitmap, as Windows does.
HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    if (!findDc(hdc) || cx < 0 || cy < 0) return nullptr;
    if (cx == 0 || cy == 0) return static_cast<HBITMAP>(defaultBitmap()->handle);
    if (int64_t{cx} * cy > kMaxBitmapPixels) return nullptr;
    auto bitmap = std::make_shared<BitmapObject>();
    bitmap->surface.resize(cx, cy, 0);
    return static_cast<HBITMAP>(addObject(std::move(bitmap)));
}

// A bitmap whose pixels the caller writes directly. Only the layout the
// bitmaps keep can be shared that way: 32 bits per pixel, BI_RGB, top-down
// (a negative height), bytes blue, green, red, unused; the unused byte should
// stay 0. Other layouts, a file-mapping section and a zero size fail with
// ERROR_INVALID_PARAMETER. The pixels start black and live as long as the
// bitmap.
HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO *pbmi, UINT usage, VOID **ppvBits, HANDLE hSection,
                                DWORD) {
    if (ppvBits) *ppvBits = nullptr;
    if (hdc && !findDc(hdc)) return nullptr;
    const BITMAPINFOHEADER *h = pbmi ? &pbmi->bmiHeader : nullptr;
    const bool shareable = h && h->biSize >= sizeof(BITMAPINFOHEADER) && usage == DIB_RGB_COLORS &&
                           !hSection && h->biBitCount == 32 && h->biCompression == BI_RGB &&
                           h->biPlanes == 1 && h->biWidth > 0 && h->biHeight < 0 &&
                           h->biHeight > -(LONG{1} << 30);
    if (!shareable || int64_t{h->biWidth} * -int64_t{h->biHeight} > kMaxBitmapPixels) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto bitmap = std::make_shared<BitmapObject>();
    bitmap->surface.resize(h->biWidth, -h->biHeight, 0);
    if (ppvBits) *ppvBits = bitmap->surface.pixels.data();
    return static_cast<HBITMAP>(addObject(std::move(bitmap)));
}

namespace plat {

Surface *bitmapSurface(HBITMAP bitmap) {
    std::shared_ptr<BitmapObject> object = findObjectAs<BitmapObject>(bitmap, ObjectKind::Bitmap);
    return object ? &object->surface : nullptr;
}

void setFontFilesForTesting(const std::string &regular, const std::string &bold) {
    raster::setFontFiles(regular, bold);
}

}  // namespace plat
