// A plot's points joined by lines in the plot area.
#pragma once

#include <windows.h>

#include "chart/chart_canvas.h"
#include "chart/chart_content.h"
#include "chart/chart_scale.h"

namespace host {

// Joins the plot's points in order, clipped to the area (right and bottom
// exclusive). A plot with many more points than the area has columns is
// drawn from the first, lowest, highest and last point of each column, which
// lights the same pixels in a number of drawing calls that follows the width.
// A frozen plot is dotted.
void drawPlotLine(ChartCanvas &canvas, const PlotLine &plot, const RECT &area, const AxisScale &x,
                  const AxisScale &y);

}  // namespace host
