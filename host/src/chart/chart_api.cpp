// CHARTW32: creating and destroying charts and adding plots.
#include <chartw32.h>

#include "chart/chart_store.h"

extern "C" {

HCHART WINAPI ChartCreate(const ChartSpec *settings) {
    return settings ? host::chartStore().createChart(*settings) : 0;
}

// The chart's plot handles are invalid afterwards; an unknown chart is ignored.
void WINAPI ChartDestroy(HCHART chart) {
    host::chartStore().destroyChart(chart);
}

HPLOT WINAPI ChartAddPlot(HCHART chart, const PlotSpec *settings) {
    return settings ? host::chartStore().addPlot(chart, *settings) : 0;
}

}  // extern "C"
