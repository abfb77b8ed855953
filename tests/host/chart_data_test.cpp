// The data callback as the chart calls it (host::queryPlotData), and the
// block offsets on a 64-bit build.
#include <gtest/gtest.h>

#include <cstddef>

#include "chart/plot_data.h"
#include "chart_test_support.h"

using namespace chart_test;

namespace {

static_assert(offsetof(ChartSpec, xAxisLabel) == 136 && offsetof(ChartSpec, yAxisLabel) == 272 &&
              offsetof(ChartSpec, legendTitle) == 544);
static_assert(offsetof(PlotDataReply, xMin) == 8 && offsetof(PlotDataReply, xMax) == 16 &&
              offsetof(PlotDataReply, yMin) == 24 && offsetof(PlotDataReply, yMax) == 32);

// Found through the plot's chart and its owner value, as the module finds its record.
struct Owner {
    double values[6] = {4.0, 9.0, 1.0, 40.0, 90.0, 10.0};  // channel-major
    std::vector<LONG> kinds;
};

PlotDataReply *CALLBACK ownerData(LONG kind, HPLOT plot, PlotDataReply *reply) {
    auto chart = static_cast<HCHART>(PlotAttr(plot, PLOTATTR_CHART, 0, 0, nullptr));
    auto *owner = reinterpret_cast<Owner *>(ChartAttr(chart, CHARTATTR_RECORD, 0, 0, nullptr));
    const double *y = owner->values + 3 * PlotAttr(plot, PLOTATTR_USER, 0, 0, nullptr);
    owner->kinds.push_back(kind);
    reply->count = 3;
    reply->yMax = y[1];
    if (kind == PLOTDATA_SERIES) reply->y = PlotSeries{PLOTSERIES_DOUBLES, y, 0, sizeof(double), {0, 0}};
    return reply;
}

TEST(ChartData, CallbackIsAskedWithTheKindAndItsReplyReturned) {
    ChartSpec settings{"Line Profile", "Pixel", "Count", "Legend", {}};
    HCHART chart = ChartCreate(&settings);
    Owner owner;
    ChartAttr(chart, CHARTATTR_SET | CHARTATTR_RECORD, 0, reinterpret_cast<LONG_PTR>(&owner), nullptr);
    PlotSpec second = plotSettings("Green", 1, 1, ownerData), none = plotSettings("None");
    HPLOT plot = ChartAddPlot(chart, &second);
    PlotDataReply reply;
    std::memset(&reply, 0x5A, sizeof reply);
    ASSERT_TRUE(host::queryPlotData(plot, PLOTDATA_RANGES, reply));
    EXPECT_EQ(reply.count, 3);
    EXPECT_EQ(reply.yMax, 90.0);
    EXPECT_EQ(reply.xMax, 0.0) << "what the callback leaves is zero";
    EXPECT_EQ(reply.y.data, nullptr);
    ASSERT_TRUE(host::queryPlotData(plot, PLOTDATA_SERIES, reply));
    EXPECT_EQ(reply.y.data, owner.values + 3);
    EXPECT_EQ(owner.kinds, (std::vector<LONG>{PLOTDATA_RANGES, PLOTDATA_SERIES}));

    EXPECT_TRUE(host::queryPlotData(ChartAddPlot(chart, &none), PLOTDATA_SERIES, reply));
    EXPECT_EQ(reply.count, 0) << "no callback: a zero reply";
    reply.count = 9;
    EXPECT_FALSE(host::queryPlotData(0x7FFFFFF0, PLOTDATA_RANGES, reply));
    EXPECT_EQ(reply.count, 0);
    ChartDestroy(chart);
}

}  // namespace
