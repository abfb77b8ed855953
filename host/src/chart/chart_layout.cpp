// The chart's layout: the boxes for its parts, from the measured texts.
#include "chart/chart_layout.h"

#include <algorithm>
#include <cstring>

namespace host {

namespace {

constexpr int kLegendRowSpacing = 2;

// r limited to b, never inverted.
RECT inside(const RECT &r, const RECT &b) {
    auto clampX = [&](LONG x) { return std::clamp(x, b.left, b.right); };
    auto clampY = [&](LONG y) { return std::clamp(y, b.top, b.bottom); };
    RECT out{clampX(r.left), clampY(r.top), clampX(r.right), clampY(r.bottom)};
    out.right = std::max(out.right, out.left);
    out.bottom = std::max(out.bottom, out.top);
    return out;
}

int textWidth(HDC dc, const char *text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    return size.cx;
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

    // The top number is centred on the top tick, the distance numbers hang
    // below the ticks, the last of them centred on the right end.
    RECT area{inner.left + m.tickNumberWidth + kTickLength + kChartGap, top + m.textHeight / 2,
              inner.right - m.tickNumberWidth / 2, bottom - m.textHeight - kTickLength - kChartGap / 2};
    if (m.legendWidth > 0) {
        LONG legendLeft = inner.right - m.legendWidth;
        // A legend wider than the plots it would leave is left out.
        if (legendLeft - 2 * kChartGap - area.left >= m.legendWidth) {
            LONG height =
                2 * kLegendPadding + m.legendRows * (m.textHeight + kLegendRowSpacing) - kLegendRowSpacing;
            out.legend = RECT{legendLeft, area.top, inner.right, area.top + height};
            area.right = legendLeft - 2 * kChartGap;
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

LayoutMeasures measureChart(HDC dc, const ChartFonts &fonts, const Chart &chart) {
    SavedDc saved(dc);
    LayoutMeasures m;
    const ChartSpec &settings = chart.settings;
    if (settings.title[0]) {
        SelectObject(dc, fonts.title());
        m.titleHeight = lineHeight(dc);
    }
    SelectObject(dc, fonts.text());
    m.textHeight = lineHeight(dc);
    m.tickNumberWidth = textWidth(dc, kTickNumberSample);
    m.yLabel = settings.yAxisLabel[0] != '\0';
    m.xLabel = settings.xAxisLabel[0] != '\0';

    int widest = 0, shown = 0;
    for (HPLOT handle : chart.sequence) {
        const Plot *plot = chartStore().plot(handle);
        if (!plot || !isShown(*plot)) continue;
        widest = std::max(widest, kLegendSwatch + kChartGap + textWidth(dc, plot->settings.name));
        ++shown;
    }
    if (shown > 0) {
        bool titled = settings.legendTitle[0] != '\0';
        if (titled) widest = std::max(widest, textWidth(dc, settings.legendTitle));
        m.legendWidth = widest + 2 * kLegendPadding;
        m.legendRows = shown + (titled ? 1 : 0);
    }
    return m;
}

RECT currentPlotArea(const Chart &chart) {
    if (chart.drawnRect) return chart.drawnPlotArea;
    MemoryDc dc;
    ChartFonts fonts;
    return layoutChart(kDefaultChartRect, measureChart(dc.get(), fonts, chart)).plotArea;
}

}  // namespace host
