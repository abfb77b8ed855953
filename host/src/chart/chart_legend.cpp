// The legend box, in the rows the layout measured for it.
#include "chart/chart_legend.h"

namespace host {

namespace {

constexpr COLORREF kLegendFrame = RGB(128, 128, 128);

// Two pixels thick, so that the colour reads at a glance.
void drawSwatch(ChartCanvas &canvas, const PlotLine &plot, int left, int middle) {
    for (int y : {middle, middle + 1})
        canvas.line(POINT{left, y}, POINT{left + kLegendSwatch, y}, plot.colour, plot.frozen);
}

}  // namespace

void drawLegend(ChartCanvas &canvas, const ChartContent &content, const ChartLayout &layout) {
    const RECT &box = layout.legend;
    if (box.right <= box.left || box.bottom <= box.top) return;
    canvas.beginGroup("legend");
    canvas.pushClip(box);
    canvas.fill(box, RGB(255, 255, 255));
    canvas.frame(box, kLegendFrame);

    const int rowHeight = canvas.lineHeight(ChartFont::Text);
    const int left = box.left + kLegendPadding, right = box.right - kLegendPadding;
    int top = box.top + kLegendPadding;
    if (!content.legendTitle.empty()) {
        canvas.boxedText(content.legendTitle, ChartFont::Text, RECT{left, top, right, top + rowHeight},
                         TextAlign::Left, true);
        top += rowHeight + kLegendRowSpacing;
    }
    for (const PlotLine &plot : content.plots) {
        drawSwatch(canvas, plot, left, top + rowHeight / 2 - 1);
        canvas.boxedText(plot.name, ChartFont::Text,
                         RECT{left + kLegendSwatch + kChartGap, top, right, top + rowHeight}, TextAlign::Left,
                         true);
        top += rowHeight + kLegendRowSpacing;
    }
    canvas.popClip();
    canvas.endGroup();
}

}  // namespace host
