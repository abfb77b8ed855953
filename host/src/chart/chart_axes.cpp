// Axis ticks that fit, and the drawing of the grid, the frame and the axes.
#include "chart/chart_axes.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "chart/chart_scale.h"

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
std::vector<PlacedTick> placedTicks(const AxisTicks &ticks, const AxisScale &scale) {
    const double low = std::min(scale.first, scale.last), high = std::max(scale.first, scale.last);
    std::vector<PlacedTick> placed;
    for (size_t i = 0; i < ticks.values.size(); ++i) {
        double at = std::round(scale.pixel(ticks.values[i]));
        if (at >= low && at <= high) placed.push_back({static_cast<int>(at), ticks.texts[i]});
    }
    return placed;
}

void drawLabel(ChartCanvas &canvas, const std::string &text, const RECT &box, TextAlign align) {
    if (text.empty() || box.right <= box.left) return;
    canvas.boxedText(text, ChartFont::Text, box, align, false);
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

std::vector<PlacedTick> placedDistanceTicks(const ChartContent &content, const ChartLayout &layout) {
    return placedTicks(layout.xTicks, distanceScale(content.x, layout.plotArea));
}

std::vector<PlacedTick> placedValueTicks(const ChartContent &content, const ChartLayout &layout) {
    return placedTicks(layout.yTicks, valueScale(content.y, layout.plotArea));
}

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

void drawGrid(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout) {
    const RECT &a = layout.plotArea;
    canvas.beginGroup("grid");
    // Lines on the area's outermost pixels would only thicken its frame.
    for (const PlacedTick &tick : placedDistanceTicks(content, layout))
        if (const int x = tick.pixel; x > a.left && x < a.right - 1)
            canvas.line(POINT{x, a.top}, POINT{x, a.bottom}, kGridColour);
    for (const PlacedTick &tick : placedValueTicks(content, layout))
        if (const int y = tick.pixel; y > a.top && y < a.bottom - 1)
            canvas.line(POINT{a.left, y}, POINT{a.right, y}, kGridColour);
    canvas.endGroup();
}

void drawAxes(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout) {
    const RECT &a = layout.plotArea;
    canvas.beginGroup("axes");
    RECT frame{a.left - 1, a.top - 1, a.right + 1, a.bottom + 1};
    canvas.frame(frame, kInk);

    const int half = std::max(canvas.lineHeight(ChartFont::Text), 1) / 2;
    for (const PlacedTick &tick : placedValueTicks(content, layout)) {
        canvas.line(POINT{frame.left - kTickLength, tick.pixel}, POINT{frame.left, tick.pixel}, kInk);
        canvas.textAt(tick.text, ChartFont::Text, frame.left - kTickLength - kChartGap, tick.pixel - half,
                      TextAlign::Right);
    }
    // A number is centred under its tick unless that would take it out of
    // the chart's rectangle.
    const int numbersTop = frame.bottom + kTickLength + kChartGap / 2;
    for (const PlacedTick &tick : placedDistanceTicks(content, layout)) {
        const int x = tick.pixel;
        canvas.line(POINT{x, frame.bottom}, POINT{x, frame.bottom + kTickLength}, kInk);
        int width = canvas.textWidth(tick.text, ChartFont::Text);
        int left = std::clamp(x - width / 2, static_cast<int>(layout.bounds.left),
                              std::max<int>(layout.bounds.left, layout.bounds.right - width));
        canvas.textAt(tick.text, ChartFont::Text, left, numbersTop, TextAlign::Left);
    }
    drawLabel(canvas, content.xLabel, layout.xLabel, TextAlign::Center);
    drawLabel(canvas, content.yLabel, layout.yLabel, TextAlign::Left);
    canvas.endGroup();
}

}  // namespace host
