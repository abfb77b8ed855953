// The chart's axes: how many numbered ticks fit along each, and their
// drawing (the grid under the plots; the frame around the plot area, the
// ticks, their numbers and the axis labels over them).
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "chart/chart_canvas.h"
#include "chart/chart_content.h"
#include "chart/chart_layout.h"
#include "chart/chart_ticks.h"

namespace host {

// Ticks for `pixels` rows of value axis: numbered rows at least two text
// lines apart. The DC's font is the one the numbers are drawn in.
AxisTicks valueTicks(HDC dc, const AxisSpan &span, int pixels);
// Ticks for `pixels` columns of distance axis: the fewest steps that keep
// the numbers, measured in the DC's font, apart by a gap.
AxisTicks distanceTicks(HDC dc, const AxisSpan &span, int pixels);
// On a short axis both give way to closer numbers, down to a narrow gap,
// rather than show a single one.

// A numbered tick where it is drawn: its row or column and its number.
struct PlacedTick {
    int pixel = 0;
    std::string text;
    bool operator==(const PlacedTick &) const = default;
};

// The ticks of each axis that land on the plot area, as the grid and the
// axes draw them. They, the layout's boxes and the texts are all that the
// drawing of the grid and axes depends on.
std::vector<PlacedTick> placedDistanceTicks(const ChartContent &content, const ChartLayout &layout);
std::vector<PlacedTick> placedValueTicks(const ChartContent &content, const ChartLayout &layout);

// Light lines across the plot area at the ticks.
void drawGrid(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout);
// The frame, the ticks with their numbers and the axis labels.
void drawAxes(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout);

}  // namespace host
