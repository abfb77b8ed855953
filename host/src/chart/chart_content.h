// What one drawing of a chart shows, read from the chart once before
// anything is laid out: its texts and, for each shown plot in sequence
// order, the plot's look and what its data callback answers. The callbacks
// run here and nowhere else, so a callback that reaches into the chart (or
// destroys it) cannot pull anything from under the drawing.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "chart/chart_store.h"
#include "chart/chart_ticks.h"

namespace host {

struct PlotLine {
    std::string name;
    COLORREF colour = 0;
    bool frozen = false;
    // The points; empty when only the ranges were asked for. A point whose
    // value is NaN breaks the line.
    std::vector<double> x, y;
};

struct ChartContent {
    std::string title, xLabel, yLabel, legendTitle;
    std::vector<PlotLine> plots;  // shown plots, in drawing order
    AxisSpan x, y;                // union of the plots' ranges
};

// withPoints false asks the callbacks for the count and ranges only.
ChartContent readChart(const Chart &chart, bool withPoints);

// The plots the legend lists and the drawing draws.
inline bool isShown(const Plot &plot) {
    return plot.settings.shown != 0;
}

}  // namespace host
