// Asking a plot for its data: the chart never stores points, it calls the
// plot's data callback whenever it needs them.
#pragma once

#include <chartw32.h>

namespace host {

// Calls the plot's data callback with `kind` (PLOTDATA_RANGES: the count and
// the ranges; PLOTDATA_SERIES: the series as well) on a zeroed reply block
// and leaves in `reply` what the callback filled. A plot without a callback
// answers the zeroed block. False, with a zeroed reply, for an unknown plot.
bool queryPlotData(HPLOT plot, LONG kind, PlotDataReply &reply);

}  // namespace host
