// Pictures of a chart: ChartMakePicture and ChartCopyToClipboard.
//
// A picture is the chart painted through a memory DC into a bitmap of the
// rectangle's size, handed over as a CF_DIB global block: a
// BITMAPINFOHEADER (32 bits per pixel, BI_RGB, no colour table) followed by
// the rows bottom-up (positive biHeight, the layout every CF_DIB reader
// accepts), each pixel the bytes blue, green, red, 0. Making a picture does
// not change the plot area ChartAttr reports: that follows the window the
// chart is drawn into, not its pictures.
#include <chartw32.h>

#include <cstdint>
#include <cstring>

#include "chart/chart_layout.h"
#include "chart/chart_paint.h"
#include "chart/gdi_scope.h"
#include "internal/gdi.h"

namespace {

// 16,384 pixels a side: a picture of a chart control never comes near it.
constexpr LONG kMaxPictureSide = 16384;

// The bitmap's rows as a CF_DIB block, or null when memory runs out.
HGLOBAL dibFromSurface(const plat::Surface &surface) {
    const size_t rowBytes = static_cast<size_t>(surface.width) * 4;
    const size_t bitsBytes = rowBytes * static_cast<size_t>(surface.height);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + bitsBytes);
    auto *bytes = static_cast<uint8_t *>(GlobalLock(block));
    if (!bytes) {
        if (block) GlobalFree(block);
        return nullptr;
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = surface.width;
    header.biHeight = surface.height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(bitsBytes);
    std::memcpy(bytes, &header, sizeof header);
    uint8_t *bits = bytes + sizeof header;
    for (int y = 0; y < surface.height; ++y) {
        const uint32_t *row = surface.row(surface.height - 1 - y);
        uint8_t *out = bits + static_cast<size_t>(y) * rowBytes;
        for (int x = 0; x < surface.width; ++x, out += 4) {
            out[0] = static_cast<uint8_t>(row[x]);
            out[1] = static_cast<uint8_t>(row[x] >> 8);
            out[2] = static_cast<uint8_t>(row[x] >> 16);
            out[3] = 0;
        }
    }
    GlobalUnlock(block);
    return block;
}

HGLOBAL makePicture(const host::Chart &chart, LONG width, LONG height) {
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) return nullptr;
    host::MemoryDc dc;
    host::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc.get(), width, height));
    const plat::Surface *surface = plat::bitmapSurface(bitmap.get());
    if (!surface) return nullptr;
    {
        host::ScopedSelect selected(dc.get(), bitmap.get());
        host::ChartFonts fonts;
        RECT bounds{0, 0, width, height};
        host::ChartContent content = host::readChart(chart, true);
        host::ChartLayout layout = host::planChart(dc.get(), fonts, content, bounds);
        host::paintChart(dc.get(), content, layout, fonts);
    }
    return dibFromSurface(*surface);
}

// The rectangle's size; without a rectangle, the window's client size.
bool pictureSize(HWND window, const RECT *rect, LONG &width, LONG &height) {
    RECT r{};
    if (rect)
        r = *rect;
    else if (!GetClientRect(window, &r))
        return false;
    width = r.right - r.left;
    height = r.bottom - r.top;
    return true;
}

}  // namespace

extern "C" {

HGLOBAL WINAPI ChartMakePicture(HCHART chart, HWND window, const RECT *rect) {
    const host::Chart *found = host::chartStore().chart(chart);
    LONG width = 0, height = 0;
    if (!found || !pictureSize(window, rect, width, height)) return nullptr;
    return makePicture(*found, width, height);
}

// The clipboard owns the picture afterwards; it replaces whatever was there.
BOOL WINAPI ChartCopyToClipboard(HCHART chart, HWND owner, const RECT *rect) {
    HGLOBAL picture = ChartMakePicture(chart, owner, rect);
    if (!picture) return FALSE;
    if (!OpenClipboard(owner)) {
        GlobalFree(picture);
        return FALSE;
    }
    EmptyClipboard();
    bool given = SetClipboardData(CF_DIB, picture) != nullptr;
    CloseClipboard();
    if (!given) GlobalFree(picture);
    return given ? TRUE : FALSE;
}

}  // extern "C"
