// Where the parts of a chart go inside the rectangle it is drawn into: the
// title on top, the value-axis label under it, the plot area with room for
// the axis numbers on its left and below it, the distance-axis label at the
// bottom and the legend on the right. The margins come from the chart's
// texts measured in the fonts it is drawn with (ChartFonts), the axis
// numbers included, so the drawing and the plot-area attribute (0x15) share
// one answer.
#pragma once

#include <windows.h>

#include "chart/chart_content.h"
#include "chart/chart_fonts.h"
#include "chart/chart_store.h"
#include "chart/chart_ticks.h"

namespace host {

// The rectangle the plot area is laid out for until a chart is first drawn.
inline constexpr RECT kDefaultChartRect{0, 0, 400, 300};

// Spacing, in pixels.
inline constexpr int kChartMargin = 8;       // inside the chart's rectangle
inline constexpr int kChartGap = 4;          // between the parts
inline constexpr int kTickLength = 4;        // axis ticks, outside the plot area's frame
inline constexpr int kLegendPadding = 6;     // inside the legend's frame
inline constexpr int kLegendSwatch = 20;     // the line sample before each name
inline constexpr int kLegendRowSpacing = 2;  // between the legend's rows

// What the layout needs to know of the texts, measured in the chart's fonts.
struct LayoutMeasures {
    int titleHeight = 0;       // 0 without a title
    int textHeight = 0;        // a line of the text font
    int valueNumberWidth = 0;  // the widest number on the value axis
    int numberOverhang = 0;    // how far a distance number reaches past its tick
    bool yLabel = false;       // the value axis has a label
    bool xLabel = false;       // the distance axis has a label
    int legendWidth = 0;       // 0 without a legend
    int legendRows = 0;        // the legend title and one row per shown plot
};

// The boxes lie inside the bounds; empty ones have zero width or height.
// The plot area alone is never empty: at least 1 x 1 pixel, even when that
// takes it out of a rectangle too small to hold it. Its frame is drawn just
// outside it, so the plots have every pixel of it.
struct ChartLayout {
    RECT bounds{};
    RECT title{};
    RECT yLabel{};
    RECT plotArea{};  // right and bottom exclusive
    RECT xLabel{};
    RECT legend{};
    AxisTicks xTicks, yTicks;  // the numbered ticks (planChart)
};

// The boxes alone, ticks left empty.
ChartLayout layoutChart(const RECT &bounds, const LayoutMeasures &measures);

// The chart's texts other than the axis numbers measured on a DC: the
// title, the axis labels and the legend.
LayoutMeasures measureChart(HDC dc, const ChartFonts &fonts, const ChartContent &content);

// The boxes and the ticks together: the value numbers that fit the area's
// height decide how much room they take on its left, and the distance
// numbers that fit the rest of the width decide their overhang on the right.
ChartLayout planChart(HDC dc, const ChartFonts &fonts, const ChartContent &content, const RECT &bounds);

// The plot area the chart was last drawn with; before its first drawing, the
// one it would have in kDefaultChartRect.
RECT currentPlotArea(const Chart &chart);

}  // namespace host
