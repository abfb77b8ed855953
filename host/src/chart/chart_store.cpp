// Charts and plots by handle, and the plot sequence of each chart.
#include "chart/chart_store.h"

#include <algorithm>

namespace host {

namespace {

constexpr DWORD kLastPlotHandle = 0x7FFFFFFF;

template <size_t N>
void terminate(char (&text)[N]) {
    text[N - 1] = '\0';
}

}  // namespace

HCHART ChartStore::createChart(const ChartSpec &settings) {
    if (lastChart_ + 1 >= kPlotHandleBase) return 0;
    Chart chart;
    chart.handle = ++lastChart_;
    chart.settings = settings;
    terminate(chart.settings.title);
    terminate(chart.settings.xAxisLabel);
    terminate(chart.settings.yAxisLabel);
    terminate(chart.settings.legendTitle);
    charts_.emplace(chart.handle, std::move(chart));
    return lastChart_;
}

bool ChartStore::destroyChart(HCHART handle) {
    auto it = charts_.find(handle);
    if (it == charts_.end()) return false;
    for (HPLOT plot : it->second.sequence) plots_.erase(plot);
    charts_.erase(it);
    return true;
}

HPLOT ChartStore::addPlot(HCHART handle, const PlotSpec &settings) {
    Chart *owner = chart(handle);
    if (!owner || lastPlot_ >= kLastPlotHandle) return 0;
    Plot plot;
    plot.handle = ++lastPlot_;
    plot.chart = handle;
    plot.settings = settings;
    terminate(plot.settings.name);
    plots_.emplace(plot.handle, plot);
    owner->sequence.push_back(plot.handle);
    return plot.handle;
}

Chart *ChartStore::chart(HCHART handle) {
    auto it = charts_.find(handle);
    return it == charts_.end() ? nullptr : &it->second;
}

Plot *ChartStore::plot(HPLOT handle) {
    auto it = plots_.find(handle);
    return it == plots_.end() ? nullptr : &it->second;
}

HPLOT ChartStore::nextPlot(const Chart &chart, HPLOT after) const {
    const std::vector<HPLOT> &seq = chart.sequence;
    if (after == 0) return seq.empty() ? 0 : seq.front();
    auto it = std::find(seq.begin(), seq.end(), after);
    if (it == seq.end() || ++it == seq.end()) return 0;
    return *it;
}

bool ChartStore::moveToHead(Chart &chart, HPLOT plot) {
    std::vector<HPLOT> &seq = chart.sequence;
    auto it = std::find(seq.begin(), seq.end(), plot);
    if (it == seq.end()) return false;
    std::rotate(seq.begin(), it, it + 1);
    return true;
}

ChartStore &chartStore() {
    static ChartStore store;
    return store;
}

}  // namespace host
