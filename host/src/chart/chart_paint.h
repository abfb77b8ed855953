// Painting a chart into a rectangle, shared by ChartDraw, the pictures for
// the clipboard and the report, and the chart's SVG.
#pragma once

#include "chart/chart_canvas.h"
#include "chart/chart_content.h"
#include "chart/chart_layout.h"

namespace host {

// Draws what was read of the chart, laid out as `layout` (planChart), in one
// pass over the canvas.
void paintChart(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout);

// The two halves of paintChart for a kept frame (chart_frame.h): everything
// but the plots, and the plots alone.
void paintChartFrame(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout);
void paintPlots(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout);

}  // namespace host
