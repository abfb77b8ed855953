// The legend box, in the rows the layout measured for it.
#include "chart/chart_legend.h"

#include "chart/chart_plot_lines.h"
#include "chart/gdi_scope.h"

namespace host {

namespace {

constexpr COLORREF kLegendFrame = RGB(128, 128, 128);

void drawRowText(HDC dc, const std::string &text, RECT box) {
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// Two pixels thick, so that the colour reads at a glance.
void drawSwatch(HDC dc, const PlotLine &plot, int left, int middle) {
    GdiObject<HPEN> pen(createPlotPen(plot));
    ScopedSelect selected(dc, pen.get());
    for (int y : {middle, middle + 1}) {
        MoveToEx(dc, left, y, nullptr);
        LineTo(dc, left + kLegendSwatch, y);
    }
}

}  // namespace

void drawLegend(HDC dc, const ChartContent &content, const ChartLayout &layout, const ChartFonts &fonts) {
    const RECT &box = layout.legend;
    if (box.right <= box.left || box.bottom <= box.top) return;
    SavedDc saved(dc);
    IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    GdiObject<HBRUSH> frame(CreateSolidBrush(kLegendFrame));
    FrameRect(dc, &box, frame.get());

    SelectObject(dc, fonts.text());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int rowHeight = metrics.tmHeight;
    const int left = box.left + kLegendPadding, right = box.right - kLegendPadding;
    int top = box.top + kLegendPadding;
    if (!content.legendTitle.empty()) {
        drawRowText(dc, content.legendTitle, RECT{left, top, right, top + rowHeight});
        top += rowHeight + kLegendRowSpacing;
    }
    for (const PlotLine &plot : content.plots) {
        drawSwatch(dc, plot, left, top + rowHeight / 2 - 1);
        drawRowText(dc, plot.name, RECT{left + kLegendSwatch + kChartGap, top, right, top + rowHeight});
        top += rowHeight + kLegendRowSpacing;
    }
}

}  // namespace host
