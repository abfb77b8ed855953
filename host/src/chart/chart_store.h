// The chart control's model: the charts and plots behind the CHARTW32
// handles, each plot keeping its own copy of the caller's PlotSpec, and each
// chart the sequence its plots are drawn in (each over the ones before it).
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <chartw32.h>

namespace host {

// Chart handles count from 1; plot handles from kPlotHandleBase + 1, so that
// a chart handle is never taken for a plot or the other way round. Both stay
// below 0x80000000, so a handle read back through a 32-bit result is never
// negative. Neither kind is ever given twice.
inline constexpr DWORD kPlotHandleBase = 0x40000000;

struct Plot {
    HPLOT handle = 0;
    HCHART chart = 0;
    PlotSpec settings{};  // the name is always NUL-terminated
};

struct Chart {
    HCHART handle = 0;
    ChartSpec settings{};  // every text is NUL-terminated
    LONG_PTR record = 0;   // the owner's value (0x800e / 0x0e)
    // The calibration switches (0x8013): [0] the value axis, [1] the distance axis.
    bool calibrated[2] = {false, false};
    std::vector<HPLOT> sequence;  // drawing order: the head is drawn first
    // Set by ChartDraw: the rectangle drawn into and the plot area laid out for it.
    std::optional<RECT> drawnRect;
    RECT drawnPlotArea{};
    // What ChartDraw keeps between drawings (chart_frame.h); made by its first drawing.
    std::shared_ptr<class ChartFrame> frame;
};

class ChartStore {
public:
    // A copy of the chart settings under a new handle; 0 once the chart handles run out.
    HCHART createChart(const ChartSpec &settings);
    // Removes the chart and all its plots; false for an unknown chart.
    bool destroyChart(HCHART chart);
    // A copy of the plot settings appended at the end of the chart's sequence; 0 for an
    // unknown chart or once the plot handles run out.
    HPLOT addPlot(HCHART chart, const PlotSpec &settings);

    // Null for an unknown or destroyed handle. The pointers stay valid until
    // that chart or plot is destroyed.
    Chart *chart(HCHART chart);
    Plot *plot(HPLOT plot);

    // The plot after `after` in the chart's sequence (the head for 0); 0 after
    // the last plot or when `after` is not one of the chart's plots.
    HPLOT nextPlot(const Chart &chart, HPLOT after) const;
    // Moves one of the chart's plots to the head of its sequence, keeping the
    // order of the others; false when the plot is not the chart's.
    bool moveToHead(Chart &chart, HPLOT plot);
    // Forgets every chart and plot; handles go on counting.
    void clear() {
        charts_.clear();
        plots_.clear();
    }

private:
    std::map<HCHART, Chart> charts_;
    std::map<HPLOT, Plot> plots_;
    DWORD lastChart_ = 0;
    DWORD lastPlot_ = kPlotHandleBase;
};

// The one store behind the CHARTW32 entry points.
ChartStore &chartStore();

}  // namespace host
