// Axis ticks that fit, and the drawing of the grid, the frame and the axes.
#include "chart/chart_axes.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "chart/chart_scale.h"
#include "chart/gdi_scope.h"

namespace host {

namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kGridColour = RGB(224, 224, 224);
// Steps tried past the first guess before an axis settles for one interval.
constexpr int kMaxStepTries = 40;

int lineHeight(HDC dc) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return std::max<int>(metrics.tmHeight, 1);
}

// The pixel of each tick that lands inside the scale's range of pixels.
template <typename Visit>
void forEachTick(const AxisTicks &ticks, const AxisScale &scale, Visit &&visit) {
    const double low = std::min(scale.first, scale.last), high = std::max(scale.first, scale.last);
    for (size_t i = 0; i < ticks.values.size(); ++i) {
        double at = std::round(scale.pixel(ticks.values[i]));
        if (at >= low && at <= high) visit(static_cast<int>(at), ticks.texts[i]);
    }
}

void line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void drawLabel(HDC dc, const std::string &text, RECT box, UINT align) {
    if (text.empty() || box.right <= box.left) return;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              align | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

double spacing(const AxisTicks &ticks, const AxisSpan &span, int pixels) {
    return pixels * ticks.step.value() / (span.high - span.low);
}

// An axis is read from two numbers: when the step chosen leaves fewer, the
// closer steps are taken as long as their numbers `fit`.
template <typename Fits>
AxisTicks withTwoNumbers(AxisTicks ticks, const AxisSpan &span, Fits &&fits) {
    for (int tries = 0; ticks.values.size() < 2 && tries < kMaxStepTries; ++tries) {
        AxisTicks closer = axisTicks(span, previousStep(ticks.step));
        if (!fits(closer)) break;
        ticks = std::move(closer);
    }
    return ticks;
}

}  // namespace

AxisTicks valueTicks(HDC dc, const AxisSpan &span, int pixels) {
    const int height = lineHeight(dc);
    AxisTicks ticks = axisTicks(span, niceStep(span.high - span.low, std::max(1, pixels / (2 * height))));
    return withTwoNumbers(std::move(ticks), span, [&](const AxisTicks &closer) {
        return spacing(closer, span, pixels) >= height + kChartGap;
    });
}

AxisTicks distanceTicks(HDC dc, const AxisSpan &span, int pixels) {
    const int gap = 2 * lineHeight(dc);
    TickStep step = niceStep(span.high - span.low, std::max(1, pixels / gap));
    AxisTicks ticks;
    for (int tries = 0; tries < kMaxStepTries; ++tries, step = nextStep(step)) {
        ticks = axisTicks(span, step);
        if (ticks.values.size() <= 1 || spacing(ticks, span, pixels) >= widestText(dc, ticks.texts) + gap)
            break;
    }
    return withTwoNumbers(std::move(ticks), span, [&](const AxisTicks &closer) {
        return spacing(closer, span, pixels) >= widestText(dc, closer.texts) + kChartGap;
    });
}

void drawGrid(HDC dc, const ChartContent &content, const ChartLayout &layout) {
    const RECT &a = layout.plotArea;
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, kGridColour));
    ScopedSelect selected(dc, pen.get());
    // Lines on the area's outermost pixels would only thicken its frame.
    forEachTick(layout.xTicks, distanceScale(content.x, a), [&](int x, const std::string &) {
        if (x > a.left && x < a.right - 1) line(dc, x, a.top, x, a.bottom);
    });
    forEachTick(layout.yTicks, valueScale(content.y, a), [&](int y, const std::string &) {
        if (y > a.top && y < a.bottom - 1) line(dc, a.left, y, a.right, y);
    });
}

void drawAxes(HDC dc, const ChartContent &content, const ChartLayout &layout, const ChartFonts &fonts) {
    SavedDc saved(dc);
    const RECT &a = layout.plotArea;
    RECT frame{a.left - 1, a.top - 1, a.right + 1, a.bottom + 1};
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    SelectObject(dc, fonts.text());
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kInk);
    const int half = lineHeight(dc) / 2;
    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    forEachTick(layout.yTicks, valueScale(content.y, a), [&](int y, const std::string &text) {
        line(dc, frame.left - kTickLength, y, frame.left, y);
        TextOutA(dc, frame.left - kTickLength - kChartGap, y - half, text.c_str(),
                 static_cast<int>(text.size()));
    });
    // A number is centred under its tick unless that would take it out of
    // the chart's rectangle.
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    const int numbersTop = frame.bottom + kTickLength + kChartGap / 2;
    forEachTick(layout.xTicks, distanceScale(content.x, a), [&](int x, const std::string &text) {
        line(dc, x, frame.bottom, x, frame.bottom + kTickLength);
        int width = textWidth(dc, text);
        int left = std::clamp(x - width / 2, static_cast<int>(layout.bounds.left),
                              std::max<int>(layout.bounds.left, layout.bounds.right - width));
        TextOutA(dc, left, numbersTop, text.c_str(), static_cast<int>(text.size()));
    });
    drawLabel(dc, content.xLabel, layout.xLabel, DT_CENTER);
    drawLabel(dc, content.yLabel, layout.yLabel, DT_LEFT);
}

}  // namespace host
