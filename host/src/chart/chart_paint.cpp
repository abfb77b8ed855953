// The chart's painting and ChartDraw: a white panel with the title, the
// grid, the plots in drawing order (each over the ones before it), then the
// frame and axes over the grid's ends and the legend.
#include "chart/chart_paint.h"

#include <chartw32.h>

#include <memory>

#include "chart/chart_axes.h"
#include "chart/chart_frame.h"
#include "chart/chart_legend.h"
#include "chart/chart_plot_lines.h"
#include "chart/chart_scale.h"

namespace host {

namespace {

void paintBackground(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout) {
    canvas.fill(layout.bounds, RGB(255, 255, 255));
    if (!content.title.empty())
        canvas.boxedText(content.title, ChartFont::Title, layout.title, TextAlign::Center, false);
    drawGrid(canvas, content, layout);
}

void drawPlots(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout) {
    const AxisScale x = distanceScale(content.x, layout.plotArea);
    const AxisScale y = valueScale(content.y, layout.plotArea);
    for (const PlotLine &plot : content.plots) {
        canvas.beginGroup("plot", plot.name);
        drawPlotLine(canvas, plot, layout.plotArea, x, y);
        canvas.endGroup();
    }
}

}  // namespace

void paintChart(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout) {
    canvas.pushClip(layout.bounds);
    paintBackground(canvas, content, layout);
    drawPlots(canvas, content, layout);
    drawAxes(canvas, content, layout);
    drawLegend(canvas, content, layout);
    canvas.popClip();
}

void paintChartFrame(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout) {
    canvas.pushClip(layout.bounds);
    paintBackground(canvas, content, layout);
    drawAxes(canvas, content, layout);
    drawLegend(canvas, content, layout);
    canvas.popClip();
}

void paintPlots(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout) {
    canvas.pushClip(layout.bounds);
    drawPlots(canvas, content, layout);
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
    if (!found->frame) found->frame = std::make_shared<host::ChartFrame>();
    // The frame stays alive through the drawing whatever happens to the chart.
    std::shared_ptr<host::ChartFrame> frame = found->frame;
    host::ChartLayout layout = host::planChart(hdc, fonts, content, *rect);
    frame->draw(hdc, fonts, content, layout);
    found->drawnRect = *rect;
    found->drawnPlotArea = layout.plotArea;
    return TRUE;
}

}  // extern "C"
