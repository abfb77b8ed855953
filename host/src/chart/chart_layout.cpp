// The chart's layout: the boxes for its parts, from the measured texts, and
// the ticks that fit them.
#include "chart/chart_layout.h"

#include <algorithm>

#include "chart/chart_axes.h"

namespace host {

namespace {

// r limited to b, never inverted.
RECT inside(const RECT &r, const RECT &b) {
    auto clampX = [&](LONG x) { return std::clamp(x, b.left, b.right); };
    auto clampY = [&](LONG y) { return std::clamp(y, b.top, b.bottom); };
    RECT out{clampX(r.left), clampY(r.top), clampX(r.right), clampY(r.bottom)};
    out.right = std::max(out.right, out.left);
    out.bottom = std::max(out.bottom, out.top);
    return out;
}

int lineHeight(HDC dc) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return metrics.tmHeight;
}

}  // namespace

ChartLayout layoutChart(const RECT &given, const LayoutMeasures &m) {
    RECT bounds = given;
    bounds.right = std::max(bounds.right, bounds.left);
    bounds.bottom = std::max(bounds.bottom, bounds.top);
    RECT inner = inside(RECT{bounds.left + kChartMargin, bounds.top + kChartMargin,
                             bounds.right - kChartMargin, bounds.bottom - kChartMargin},
                        bounds);
    ChartLayout out;
    out.bounds = bounds;

    LONG top = inner.top;
    if (m.titleHeight > 0) {
        out.title = RECT{inner.left, top, inner.right, top + m.titleHeight};
        top += m.titleHeight + kChartGap;
    }
    if (m.yLabel) {
        out.yLabel = RECT{inner.left, top, inner.right, top + m.textHeight};
        top += m.textHeight + kChartGap;
    }
    LONG bottom = inner.bottom;
    if (m.xLabel) bottom -= m.textHeight + kChartGap;

    // One pixel on each side of the area is its frame. The value numbers end
    // a gap short of the ticks, the top one centred on the top row; the
    // distance numbers hang below the ticks, the last one centred on the
    // right end.
    const int frame = 1;
    RECT area{inner.left + m.valueNumberWidth + kChartGap + kTickLength + frame, top + m.textHeight / 2,
              inner.right - m.numberOverhang - frame,
              bottom - m.textHeight - kChartGap / 2 - kTickLength - frame};
    if (m.legendWidth > 0) {
        LONG legendLeft = inner.right - m.legendWidth;
        // A legend wider than the plots it would leave is left out.
        if (legendLeft - 2 * kChartGap - area.left >= m.legendWidth) {
            LONG height =
                2 * kLegendPadding + m.legendRows * (m.textHeight + kLegendRowSpacing) - kLegendRowSpacing;
            out.legend = RECT{legendLeft, area.top - frame, inner.right, area.top - frame + height};
            area.right = legendLeft - std::max(2 * kChartGap, m.numberOverhang + kChartGap) - frame;
        }
    }
    out.plotArea = inside(area, inner);
    // Callers divide by the area's width and height: never zero, even when
    // the rectangle is too small to hold a plot area.
    out.plotArea.right = std::max(out.plotArea.right, out.plotArea.left + 1);
    out.plotArea.bottom = std::max(out.plotArea.bottom, out.plotArea.top + 1);
    if (m.xLabel)
        out.xLabel = RECT{out.plotArea.left, inner.bottom - m.textHeight, out.plotArea.right, inner.bottom};
    for (RECT *box : {&out.title, &out.yLabel, &out.xLabel, &out.legend}) *box = inside(*box, inner);
    return out;
}

LayoutMeasures measureChart(HDC dc, const ChartFonts &fonts, const ChartContent &content) {
    SavedDc saved(dc);
    LayoutMeasures m;
    if (!content.title.empty()) {
        SelectObject(dc, fonts.title());
        m.titleHeight = lineHeight(dc);
    }
    SelectObject(dc, fonts.text());
    m.textHeight = lineHeight(dc);
    m.yLabel = !content.yLabel.empty();
    m.xLabel = !content.xLabel.empty();

    int widest = 0;
    for (const PlotLine &plot : content.plots)
        widest = std::max(widest, kLegendSwatch + kChartGap + textWidth(dc, plot.name));
    if (!content.plots.empty()) {
        bool titled = !content.legendTitle.empty();
        if (titled) widest = std::max(widest, textWidth(dc, content.legendTitle));
        m.legendWidth = widest + 2 * kLegendPadding;
        m.legendRows = static_cast<int>(content.plots.size()) + (titled ? 1 : 0);
    }
    return m;
}

ChartLayout planChart(HDC dc, const ChartFonts &fonts, const ChartContent &content, const RECT &bounds) {
    LayoutMeasures m = measureChart(dc, fonts, content);
    SavedDc saved(dc);
    SelectObject(dc, fonts.text());
    // The area's height does not depend on the numbers' widths: the value
    // ticks are chosen once. The distance ticks are chosen again for the
    // final width; their overhang only moves the right end by a few pixels.
    auto height = [](const ChartLayout &l) { return l.plotArea.bottom - 1 - l.plotArea.top; };
    auto width = [](const ChartLayout &l) { return l.plotArea.right - 1 - l.plotArea.left; };
    AxisTicks yTicks = valueTicks(dc, content.y, height(layoutChart(bounds, m)));
    m.valueNumberWidth = widestText(dc, yTicks.texts);
    AxisTicks xTicks = distanceTicks(dc, content.x, width(layoutChart(bounds, m)));
    m.numberOverhang = (widestText(dc, xTicks.texts) + 1) / 2;
    ChartLayout layout = layoutChart(bounds, m);
    layout.yTicks = std::move(yTicks);
    layout.xTicks = distanceTicks(dc, content.x, width(layout));
    return layout;
}

RECT currentPlotArea(const Chart &chart) {
    if (chart.drawnRect) return chart.drawnPlotArea;
    ChartContent content = readChart(chart, false);
    MemoryDc dc;
    ChartFonts fonts;
    return planChart(dc.get(), fonts, content, kDefaultChartRect).plotArea;
}

}  // namespace host
