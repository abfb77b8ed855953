// The chart's painting and ChartDraw: a white panel with the title, the
// grid, the plots in drawing order (each over the ones before it), then the
// frame and axes over the grid's ends and the legend.
#include "chart/chart_paint.h"

#include <chartw32.h>

#include "chart/chart_axes.h"
#include "chart/chart_legend.h"
#include "chart/chart_plot_lines.h"
#include "chart/chart_scale.h"

namespace host {

void paintChart(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout) {
    const RECT &bounds = layout.bounds;
    canvas.pushClip(bounds);
    canvas.fill(bounds, RGB(255, 255, 255));
    if (!content.title.empty())
        canvas.boxedText(content.title, ChartFont::Title, layout.title, TextAlign::Center, false);
    drawGrid(canvas, content, layout);
    const AxisScale x = distanceScale(content.x, layout.plotArea);
    const AxisScale y = valueScale(content.y, layout.plotArea);
    for (const PlotLine &plot : content.plots) {
        canvas.beginGroup("plot", plot.name);
        drawPlotLine(canvas, plot, layout.plotArea, x, y);
        canvas.endGroup();
    }
    drawAxes(canvas, content, layout);
    drawLegend(canvas, content, layout);
    canvas.popClip();
}

}  // namespace host

extern "C" {

// Paints the chart into the rectangle and remembers the rectangle and the
// plot area laid out for it (ChartAttr 0x15 reports that area from now on).
// `reserved` and `flags` are not used.
BOOL WINAPI ChartDraw(HCHART chart, HDC hdc, const RECT *rect, LONG, LONG) {
    host::Chart *found = host::chartStore().chart(chart);
    if (!found || !rect) return FALSE;
    host::SavedDc check(hdc);
    if (!check.valid()) return FALSE;
    host::ChartContent content = host::readChart(*found, true);
    // The data callbacks have run: the chart may be gone.
    found = host::chartStore().chart(chart);
    if (!found) return FALSE;
    host::ChartFonts fonts;
    host::ChartLayout layout = host::planChart(hdc, fonts, content, *rect);
    found->drawnRect = *rect;
    found->drawnPlotArea = layout.plotArea;
    host::GdiChartCanvas canvas(hdc, fonts);
    host::paintChart(canvas, content, layout);
    return TRUE;
}

}  // extern "C"
