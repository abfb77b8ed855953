// A plot's points joined by lines in the plot area.
#pragma once

#include <windows.h>

#include "chart/chart_content.h"
#include "chart/chart_scale.h"

namespace host {

// The plot's pen: its colour, dotted for a frozen plot so that it stands
// apart from the live one it copies. The legend's swatches use it too.
HPEN createPlotPen(const PlotLine &plot);

// Joins the plot's points in order, clipped to the area (right and bottom
// exclusive). A plot with many more points than the area has columns is
// drawn from the first, lowest, highest and last point of each column, which
// lights the same pixels in a number of GDI calls that follows the width.
void drawPlotLine(HDC dc, const PlotLine &plot, const RECT &area, const AxisScale &x, const AxisScale &y);

}  // namespace host
