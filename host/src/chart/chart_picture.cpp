// Pictures of a chart: ChartMakePicture and ChartCopyToClipboard.
//
// The clipboard gets the chart twice from one reading and one layout: as a
// CF_DIB picture and as SVG text under the registered format
// "image/svg+xml", both drawn by the same pass over the chart (paintChart).
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
#include <memory>

#include "chart/chart_layout.h"
#include "chart/chart_paint.h"
#include "chart/chart_picture.h"
#include "chart/chart_svg.h"
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

// One reading of the chart laid out for a picture of width x height.
struct Drawing {
    host::ChartFonts fonts;
    host::ChartContent content;
    host::ChartLayout layout;
};

std::unique_ptr<Drawing> planDrawing(const host::Chart &chart, LONG width, LONG height) {
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) return nullptr;
    auto drawing = std::make_unique<Drawing>();
    drawing->content = host::readChart(chart, true);
    host::MemoryDc dc;
    drawing->layout = host::planChart(dc.get(), drawing->fonts, drawing->content, RECT{0, 0, width, height});
    return drawing;
}

HGLOBAL pictureOf(const Drawing &drawing) {
    const RECT &bounds = drawing.layout.bounds;
    host::MemoryDc dc;
    host::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc.get(), bounds.right, bounds.bottom));
    const plat::Surface *surface = plat::bitmapSurface(bitmap.get());
    if (!surface) return nullptr;
    {
        host::ScopedSelect selected(dc.get(), bitmap.get());
        host::GdiChartCanvas canvas(dc.get(), drawing.fonts);
        host::paintChart(canvas, drawing.content, drawing.layout);
    }
    return dibFromSurface(*surface);
}

std::string svgOf(const Drawing &drawing) {
    host::SvgChartCanvas canvas(drawing.layout.bounds, drawing.fonts);
    host::paintChart(canvas, drawing.content, drawing.layout);
    return canvas.document();
}

// The text and its NUL in a global block, or null.
HGLOBAL textBlock(const std::string &text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    void *bytes = GlobalLock(block);
    if (!bytes) {
        if (block) GlobalFree(block);
        return nullptr;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    return block;
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

namespace host {

UINT svgClipboardFormat() {
    return RegisterClipboardFormatA(kSvgClipboardFormat);
}

std::optional<std::string> chartSvg(HCHART chart, const RECT &rect) {
    const Chart *found = chartStore().chart(chart);
    std::unique_ptr<Drawing> drawing =
        found ? planDrawing(*found, rect.right - rect.left, rect.bottom - rect.top) : nullptr;
    if (!drawing) return std::nullopt;
    return svgOf(*drawing);
}

}  // namespace host

extern "C" {

HGLOBAL WINAPI ChartMakePicture(HCHART chart, HWND window, const RECT *rect) {
    const host::Chart *found = host::chartStore().chart(chart);
    LONG width = 0, height = 0;
    if (!found || !pictureSize(window, rect, width, height)) return nullptr;
    std::unique_ptr<Drawing> drawing = planDrawing(*found, width, height);
    return drawing ? pictureOf(*drawing) : nullptr;
}

// The clipboard owns the picture and the SVG afterwards; they replace
// whatever was there. Either both are given or neither.
BOOL WINAPI ChartCopyToClipboard(HCHART chart, HWND owner, const RECT *rect) {
    const host::Chart *found = host::chartStore().chart(chart);
    LONG width = 0, height = 0;
    if (!found || !pictureSize(owner, rect, width, height)) return FALSE;
    std::unique_ptr<Drawing> drawing = planDrawing(*found, width, height);
    if (!drawing) return FALSE;
    HGLOBAL picture = pictureOf(*drawing);
    HGLOBAL svg = textBlock(svgOf(*drawing));
    const UINT svgFormat = host::svgClipboardFormat();
    if (!picture || !svg || !svgFormat || !OpenClipboard(owner)) {
        if (picture) GlobalFree(picture);
        if (svg) GlobalFree(svg);
        return FALSE;
    }
    EmptyClipboard();
    const bool pictureGiven = SetClipboardData(CF_DIB, picture) != nullptr;
    const bool svgGiven = pictureGiven && SetClipboardData(svgFormat, svg) != nullptr;
    if (!pictureGiven) {
        GlobalFree(picture);
    } else if (!svgGiven) {
        EmptyClipboard();
    }
    if (!svgGiven) GlobalFree(svg);
    CloseClipboard();
    return svgGiven ? TRUE : FALSE;
}

}  // extern "C"
