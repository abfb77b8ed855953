// PlotAttr: the plot attributes, one table row per code. Reads give their
// value as the result and, when the caller passes an out buffer, write it
// there as a DWORD (the owning chart as an HCHART); writes give 0. An
// unknown plot or code gives -1.
#include <chartw32.h>

#include <algorithm>
#include <cstring>

#include "chart/chart_store.h"

namespace {

// The caller's name buffer holds at least 136 bytes; a name keeps at most
// 127 characters and its NUL, as the PlotSpec field does.
constexpr size_t kNameCapacity = sizeof(PlotSpec::name);

struct PlotAttrCall {
    host::Plot &plot;
    LONG_PTR value;
    void *out;
};

using PlotAttrHandler = LONG_PTR (*)(const PlotAttrCall &);

LONG_PTR readDword(const PlotAttrCall &c, DWORD value) {
    if (c.out) std::memcpy(c.out, &value, sizeof value);
    return value;
}

// The result is the length of the name.
LONG_PTR getName(const PlotAttrCall &c) {
    if (!c.out) return -1;
    size_t length = strnlen(c.plot.settings.name, kNameCapacity - 1);
    std::memcpy(c.out, c.plot.settings.name, length);
    static_cast<char *>(c.out)[length] = '\0';
    return static_cast<LONG_PTR>(length);
}

// The text comes in through the out buffer; a longer text is cut.
LONG_PTR setName(const PlotAttrCall &c) {
    if (!c.out) return -1;
    const char *text = static_cast<const char *>(c.out);
    size_t length = strnlen(text, kNameCapacity - 1);
    std::fill(std::begin(c.plot.settings.name), std::end(c.plot.settings.name), '\0');
    std::memcpy(c.plot.settings.name, text, length);
    return 0;
}

LONG_PTR getUserValue(const PlotAttrCall &c) {
    return readDword(c, c.plot.settings.userValue);
}

LONG_PTR getShown(const PlotAttrCall &c) {
    return readDword(c, c.plot.settings.shown);
}

LONG_PTR setShown(const PlotAttrCall &c) {
    c.plot.settings.shown = c.value != 0 ? 1 : 0;
    return 0;
}

LONG_PTR getShown2(const PlotAttrCall &c) {
    return readDword(c, c.plot.settings.shown2);
}

LONG_PTR setShown2(const PlotAttrCall &c) {
    c.plot.settings.shown2 = c.value != 0 ? 1 : 0;
    return 0;
}

LONG_PTR getChart(const PlotAttrCall &c) {
    return readDword(c, c.plot.chart);
}

struct PlotAttrEntry {
    LONG code;
    PlotAttrHandler handler;
};

constexpr PlotAttrEntry kPlotAttrs[] = {
    {PLOTATTR_NAME, getName},
    {CHARTATTR_SET | PLOTATTR_NAME, setName},
    {PLOTATTR_USER, getUserValue},
    {PLOTATTR_SHOWN, getShown},
    {CHARTATTR_SET | PLOTATTR_SHOWN, setShown},
    {PLOTATTR_SHOWN2, getShown2},
    {CHARTATTR_SET | PLOTATTR_SHOWN2, setShown2},
    {PLOTATTR_CHART, getChart},
};

}  // namespace

extern "C" {

LONG_PTR WINAPI PlotAttr(HPLOT plot, LONG code, LONG_PTR value, LONG, void *out) {
    host::Plot *found = host::chartStore().plot(plot);
    if (!found) return -1;
    for (const PlotAttrEntry &entry : kPlotAttrs)
        if (entry.code == code) return entry.handler(PlotAttrCall{*found, value, out});
    return -1;
}

}  // extern "C"
