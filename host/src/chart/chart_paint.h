// Painting a chart into a rectangle of a DC, shared by ChartDraw and the
// pictures for the clipboard and the report.
#pragma once

#include <windows.h>

#include "chart/chart_content.h"
#include "chart/chart_fonts.h"
#include "chart/chart_layout.h"

namespace host {

// Paints what was read of the chart, laid out as `layout` (planChart); the
// DC's objects, colours, modes and clipping are as they were afterwards.
void paintChart(HDC dc, const ChartContent &content, const ChartLayout &layout, const ChartFonts &fonts);

}  // namespace host
