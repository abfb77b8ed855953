// Reading a chart's shown plots through their data callbacks.
#include "chart/chart_content.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "chart/plot_data.h"

namespace host {

namespace {

// The lowest and highest finite values seen; low > high while there are none.
struct Extent {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();

    void take(double value) {
        if (!std::isfinite(value)) return;
        low = std::min(low, value);
        high = std::max(high, value);
    }
    AxisSpan span() const { return low <= high ? axisSpan(low, high) : AxisSpan{}; }
};

bool holdsDoubles(const PlotSeries &series) {
    return series.type == PLOTSERIES_DOUBLES && series.data != nullptr;
}

// The stride is in bytes and need not keep doubles aligned; a stride of 0
// is taken as packed doubles.
size_t strideOf(const PlotSeries &series) {
    return series.stride ? series.stride : sizeof(double);
}

// The count values of a series from its first element on. Packed, aligned
// series (the usual reply) are one block copy; the values are the same bits
// either way.
void copySeries(const PlotSeries &series, size_t count, std::vector<double> &out) {
    const size_t stride = strideOf(series);
    const char *from = reinterpret_cast<const char *>(series.data) + series.first * stride;
    if (stride == sizeof(double) && reinterpret_cast<uintptr_t>(from) % alignof(double) == 0) {
        const auto *values = reinterpret_cast<const double *>(from);
        out.assign(values, values + count);  // copied, not zeroed first
        return;
    }
    out.clear();
    out.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        double value;
        std::memcpy(&value, from + i * stride, sizeof(double));
        out.push_back(value);
    }
}

// A plot without values has no points; one without distances is spread one
// unit per point.
void readPoints(const PlotDataReply &reply, PlotLine &line) {
    if (!holdsDoubles(reply.y)) return;
    const size_t count = reply.count;
    copySeries(reply.y, count, line.y);
    if (holdsDoubles(reply.x)) {
        copySeries(reply.x, count, line.x);
        return;
    }
    line.x.resize(count);
    for (size_t i = 0; i < count; ++i) line.x[i] = static_cast<double>(i);
}

}  // namespace

ChartContent readChart(const Chart &chart, bool withPoints) {
    ChartContent content;
    content.title = chart.settings.title;
    content.xLabel = chart.settings.xAxisLabel;
    content.yLabel = chart.settings.yAxisLabel;
    content.legendTitle = chart.settings.legendTitle;
    // A callback may reorder the sequence or destroy the chart: walk a copy,
    // and never look at `chart` again once the first callback has run.
    const std::vector<HPLOT> sequence = chart.sequence;
    Extent x, y;
    for (HPLOT handle : sequence) {
        const Plot *plot = chartStore().plot(handle);
        if (!plot || !isShown(*plot)) continue;
        PlotLine line;
        line.name = plot->settings.name;
        line.colour = plot->settings.colour & 0x00FFFFFF;
        line.frozen = (plot->settings.style & PLOTSTYLE_FROZEN) != 0;
        PlotDataReply reply;
        if (!queryPlotData(handle, withPoints ? PLOTDATA_SERIES : PLOTDATA_RANGES, reply)) continue;
        // Without points the ranges are whatever the reply held before the
        // call: they say nothing about the plot.
        if (reply.count > 0) {
            x.take(reply.xMin);
            x.take(reply.xMax);
            y.take(reply.yMin);
            y.take(reply.yMax);
        }
        if (withPoints) readPoints(reply, line);
        content.plots.push_back(std::move(line));
    }
    content.x = x.span();
    content.y = y.span();
    return content;
}

}  // namespace host
