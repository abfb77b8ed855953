// Painting a chart into a rectangle of a DC, shared by ChartDraw and the
// pictures for the clipboard and the report.
#pragma once

#include <windows.h>

#include "chart/chart_fonts.h"
#include "chart/chart_layout.h"
#include "chart/chart_store.h"

namespace host {

// Paints the chart laid out as `layout`; the DC's objects, colours and modes
// are as they were afterwards.
void paintChart(HDC dc, const Chart &chart, const ChartLayout &layout, const ChartFonts &fonts);

}  // namespace host
