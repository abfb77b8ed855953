// The data callback contract, seen from the chart's side.
#include "chart/plot_data.h"

#include "chart/chart_store.h"

namespace host {

bool queryPlotData(HPLOT plot, LONG kind, PlotDataReply &reply) {
    reply = PlotDataReply{};
    const Plot *found = chartStore().plot(plot);
    if (!found) return false;
    // Copied before the call: the callback may reach the chart through
    // ChartAttr and PlotAttr, even destroy it.
    PlotDataProc proc = found->settings.dataProc;
    if (!proc) return true;
    // The callback answers with the block it filled, normally the one given.
    const PlotDataReply *answer = proc(kind, plot, &reply);
    if (answer && answer != &reply) reply = *answer;
    return true;
}

}  // namespace host
