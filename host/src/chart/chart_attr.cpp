// ChartAttr: the chart attributes, one table row per code. A read gives its
// value as the result and, when the caller passes an out buffer, writes it
// there too; a write gives 0. An unknown code, or an argument the code does
// not accept, gives -1.
#include <chartw32.h>

#include <cstring>

#include "chart/chart_layout.h"
#include "chart/chart_store.h"

namespace {

struct ChartAttrCall {
    host::Chart &chart;
    LONG_PTR arg;
    LONG_PTR value;
    void *out;
};

using ChartAttrHandler = LONG_PTR (*)(const ChartAttrCall &);

template <typename T>
void store(void *out, T value) {
    if (out) std::memcpy(out, &value, sizeof value);
}

LONG_PTR setRecord(const ChartAttrCall &c) {
    c.chart.record = c.value;
    return 0;
}

LONG_PTR getRecord(const ChartAttrCall &c) {
    store(c.out, c.chart.record);
    return c.chart.record;
}

// arg is one of the chart's plots, or 0 for the head of the sequence.
LONG_PTR getNextPlot(const ChartAttrCall &c) {
    HPLOT next = host::chartStore().nextPlot(c.chart, static_cast<HPLOT>(c.arg));
    store(c.out, next);
    return next;
}

LONG_PTR moveToHead(const ChartAttrCall &c) {
    return host::chartStore().moveToHead(c.chart, static_cast<HPLOT>(c.arg)) ? 0 : -1;
}

// Four LONGs: left, top, right, bottom in the client pixels of the window
// the chart was drawn into.
LONG_PTR getPlotArea(const ChartAttrCall &c) {
    if (!c.out) return -1;
    RECT area = host::currentPlotArea(c.chart);
    const LONG sides[4] = {area.left, area.top, area.right, area.bottom};
    std::memcpy(c.out, sides, sizeof sides);
    return 0;
}

// arg 0: the value axis, 1: the distance axis. The values reach the chart
// already calibrated through the data callbacks, so the drawing has nothing
// to change for the switch; it is kept so that it reads back.
LONG_PTR setCalibrated(const ChartAttrCall &c) {
    if (c.arg != 0 && c.arg != 1) return -1;
    c.chart.calibrated[c.arg] = c.value != 0;
    return 0;
}

LONG_PTR getCalibrated(const ChartAttrCall &c) {
    if (c.arg != 0 && c.arg != 1) return -1;
    LONG on = c.chart.calibrated[c.arg] ? 1 : 0;
    store(c.out, on);
    return on;
}

struct ChartAttrEntry {
    LONG code;
    ChartAttrHandler handler;
};

constexpr ChartAttrEntry kChartAttrs[] = {
    {CHARTATTR_SET | CHARTATTR_RECORD, setRecord},
    {CHARTATTR_RECORD, getRecord},
    {CHARTATTR_NEXTPLOT, getNextPlot},
    {CHARTATTR_SET | CHARTATTR_TOHEAD, moveToHead},
    {CHARTATTR_PLOTAREA, getPlotArea},
    {CHARTATTR_SET | CHARTATTR_CALIBRATED, setCalibrated},
    {CHARTATTR_CALIBRATED, getCalibrated},
};

}  // namespace

extern "C" {

// An unknown chart reads as 0 for the record and the next plot (callers take
// those as pointers and handles) and -1 for everything else.
LONG_PTR WINAPI ChartAttr(HCHART chart, LONG code, LONG_PTR arg, LONG_PTR value, void *out) {
    host::Chart *found = host::chartStore().chart(chart);
    if (!found) {
        if (code == CHARTATTR_RECORD) store(out, LONG_PTR{0});
        if (code == CHARTATTR_NEXTPLOT) store(out, HPLOT{0});
        return code == CHARTATTR_RECORD || code == CHARTATTR_NEXTPLOT ? 0 : -1;
    }
    for (const ChartAttrEntry &entry : kChartAttrs)
        if (entry.code == code) return entry.handler(ChartAttrCall{*found, arg, value, out});
    return -1;
}

}  // extern "C"
