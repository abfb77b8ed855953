// The chart's painting and ChartDraw.
//
// For now a chart paints as a white panel with a thin black frame and its
// title, so that nothing on the screen pretends to be a chart. The full line
// chart (axes with ticks and numbers, axis labels, the legend, the plots in
// sequence order from their data callbacks) comes with the drawing work and
// replaces the body of paintChart; the layout it draws into is already the
// one the plot-area attribute reports.
#include "chart/chart_paint.h"

#include <chartw32.h>

namespace host {

void paintChart(HDC dc, const Chart &chart, const ChartLayout &layout, const ChartFonts &fonts) {
    SavedDc saved(dc);
    RECT bounds = layout.bounds;
    FillRect(dc, &bounds, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &bounds, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (chart.settings.title[0]) {
        SelectObject(dc, fonts.title());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        RECT title = layout.title;
        DrawTextA(dc, chart.settings.title, -1, &title,
                  DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

}  // namespace host

extern "C" {

// Paints the chart into the rectangle (for now the plain panel of paintChart:
// the full line chart comes with the drawing work) and remembers the rectangle and the
// plot area laid out for it (ChartAttr 0x15 reports that area from now on).
// `reserved` and `flags` are not used.
BOOL WINAPI ChartDraw(HCHART chart, HDC hdc, const RECT *rect, LONG, LONG) {
    host::Chart *found = host::chartStore().chart(chart);
    if (!found || !rect) return FALSE;
    host::ChartFonts fonts;
    host::SavedDc check(hdc);
    if (!check.valid()) return FALSE;
    host::ChartLayout layout = host::layoutChart(*rect, host::measureChart(hdc, fonts, *found));
    found->drawnRect = *rect;
    found->drawnPlotArea = layout.plotArea;
    host::paintChart(hdc, *found, layout, fonts);
    return TRUE;
}

}  // extern "C"
