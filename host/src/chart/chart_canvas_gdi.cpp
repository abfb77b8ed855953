// The chart canvas on a DC: GDI pens, brushes and text in the chart's fonts.
#include <cmath>
#include <cstdint>

#include "chart/chart_canvas.h"
#include "chart/gdi_scope.h"

namespace host {

namespace {

// std::lround (halves away from zero) without the library call, for the
// plot's points: they are clipped to the plot area, far inside LONG. The
// fraction v - trunc(v) is exact for any double of that size.
LONG roundToPixel(double v) {
    const auto whole = static_cast<int64_t>(v);
    const double fraction = v - static_cast<double>(whole);
    return static_cast<LONG>(whole + (fraction >= 0.5) - (fraction <= -0.5));
}

POINT pixelOf(const PixelPoint &p) {
    return POINT{roundToPixel(p.x), roundToPixel(p.y)};
}

}  // namespace

HPEN createPlotPen(COLORREF colour, bool dotted) {
    return CreatePen(dotted ? PS_DOT : PS_SOLID, 1, colour);
}

GdiChartCanvas::GdiChartCanvas(HDC dc, const ChartFonts &fonts)
    : dc_(dc), fonts_(fonts), savedLevel_(SaveDC(dc)) {
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
    SetROP2(dc_, R2_COPYPEN);
}

GdiChartCanvas::~GdiChartCanvas() {
    if (savedLevel_ > 0) RestoreDC(dc_, savedLevel_);
}

void GdiChartCanvas::pushClip(const RECT &box) {
    clipLevels_.push_back(SaveDC(dc_));
    IntersectClipRect(dc_, box.left, box.top, box.right, box.bottom);
}

void GdiChartCanvas::popClip() {
    if (clipLevels_.empty()) return;
    if (clipLevels_.back() > 0) RestoreDC(dc_, clipLevels_.back());
    clipLevels_.pop_back();
}

void GdiChartCanvas::fill(const RECT &box, COLORREF colour) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc_, &box, brush.get());
}

void GdiChartCanvas::frame(const RECT &box, COLORREF colour) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FrameRect(dc_, &box, brush.get());
}

void GdiChartCanvas::line(POINT from, POINT to, COLORREF colour, bool dotted) {
    GdiObject<HPEN> pen(createPlotPen(colour, dotted));
    ScopedSelect selected(dc_, pen.get());
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
}

// Points that round to the pixel before them add nothing to a polyline.
void GdiChartCanvas::plotRun(const std::vector<PixelPoint> &points, COLORREF colour, bool dotted) {
    std::vector<POINT> pixels;
    pixels.reserve(points.size());
    for (const PixelPoint &p : points) {
        POINT pixel = pixelOf(p);
        if (pixels.empty() || pixels.back().x != pixel.x || pixels.back().y != pixel.y)
            pixels.push_back(pixel);
    }
    if (pixels.empty()) return;
    GdiObject<HPEN> pen(createPlotPen(colour, dotted));
    ScopedSelect selected(dc_, pen.get());
    if (pixels.size() >= 2) Polyline(dc_, pixels.data(), static_cast<int>(pixels.size()));
    // GDI leaves out a line's last pixel, but here it is a data point.
    SetPixel(dc_, pixels.back().x, pixels.back().y, colour);
}

void GdiChartCanvas::boxedText(const std::string &text, ChartFont font, const RECT &box, TextAlign align,
                               bool centredVertically) {
    select(font);
    RECT r = box;
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (align == TextAlign::Center) format |= DT_CENTER;
    if (align == TextAlign::Right) format |= DT_RIGHT;
    if (centredVertically) format |= DT_VCENTER;
    DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &r, format);
}

void GdiChartCanvas::textAt(const std::string &text, ChartFont font, int x, int y, TextAlign align) {
    select(font);
    SetTextAlign(dc_, (align == TextAlign::Right ? TA_RIGHT : TA_LEFT) | TA_TOP);
    TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

int GdiChartCanvas::textWidth(const std::string &text, ChartFont font) {
    select(font);
    return host::textWidth(dc_, text);
}

int GdiChartCanvas::lineHeight(ChartFont font) {
    select(font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_, &metrics);
    return metrics.tmHeight;
}

void GdiChartCanvas::select(ChartFont font) {
    SelectObject(dc_, font == ChartFont::Title ? fonts_.title() : fonts_.text());
}

}  // namespace host
