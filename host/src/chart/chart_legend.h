// The chart's legend: its title, then a line swatch and the name of each
// shown plot, in drawing order.
#pragma once

#include "chart/chart_canvas.h"
#include "chart/chart_content.h"
#include "chart/chart_layout.h"

namespace host {

// Draws into layout.legend; nothing when the layout left the legend out.
void drawLegend(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout);

}  // namespace host
