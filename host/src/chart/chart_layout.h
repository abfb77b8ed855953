// Where the parts of a chart go inside the rectangle it is drawn into: the
// title on top, the value-axis label under it, the plot area with room for
// the axis numbers on its left and below it, the distance-axis label at the
// bottom and the legend on the right. The margins come from the fonts the
// chart is drawn with (ChartFonts), so the drawing and the plot-area
// attribute (0x15) share one answer.
#pragma once

#include <windows.h>

#include "chart/chart_fonts.h"
#include "chart/chart_store.h"

namespace host {

// The rectangle the plot area is laid out for until a chart is first drawn.
inline constexpr RECT kDefaultChartRect{0, 0, 400, 300};

// Spacing, in pixels.
inline constexpr int kChartMargin = 8;    // inside the chart's frame
inline constexpr int kChartGap = 4;       // between the parts
inline constexpr int kTickLength = 4;     // axis ticks, outside the plot area
inline constexpr int kLegendPadding = 6;  // inside the legend's frame
inline constexpr int kLegendSwatch = 20;  // the line sample before each name
// The widest number the axes are labelled with; the drawing keeps its tick
// numbers within the width of this text.
inline constexpr const char *kTickNumberSample = "-0.00025";

// What the layout needs to know of the texts, measured in the chart's fonts.
struct LayoutMeasures {
    int titleHeight = 0;      // 0 without a title
    int textHeight = 0;       // a line of the text font
    int tickNumberWidth = 0;  // kTickNumberSample in the text font
    bool yLabel = false;      // the value axis has a label
    bool xLabel = false;      // the distance axis has a label
    int legendWidth = 0;      // 0 without a legend
    int legendRows = 0;       // the legend title and one row per shown plot
};

// The boxes lie inside the bounds; empty ones have zero width or height.
// The plot area alone is never empty: at least 1 x 1 pixel, even when that
// takes it out of a rectangle too small to hold it.
struct ChartLayout {
    RECT bounds{};
    RECT title{};
    RECT yLabel{};
    RECT plotArea{};  // right and bottom exclusive
    RECT xLabel{};
    RECT legend{};
};

ChartLayout layoutChart(const RECT &bounds, const LayoutMeasures &measures);

// The chart's texts measured on a DC: the title, the axis labels and the
// names of the shown plots (those that go into the legend).
LayoutMeasures measureChart(HDC dc, const ChartFonts &fonts, const Chart &chart);

// The plot area the chart was last drawn with; before its first drawing, the
// one it would have in kDefaultChartRect.
RECT currentPlotArea(const Chart &chart);

// The plots the legend lists and the drawing draws.
inline bool isShown(const Plot &plot) {
    return plot.settings.shown != 0;
}

}  // namespace host
