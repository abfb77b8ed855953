// Chart and plot handles: creation, destruction, unknown handles, and the
// control's own copy of each PlotSpec.
#include <gtest/gtest.h>

#include "chart_test_support.h"

using namespace chart_test;

namespace {

TEST(ChartHandles, AreNeverGivenTwiceAndDestroyingAChartEndsItsPlotsOnly) {
    ChartSpec settings{"Line Profile", "Pixel", "Count", "Legend", {}};
    PlotSpec plot = plotSettings("Red", 7);
    HCHART gone = ChartCreate(&settings);
    HPLOT goneA = ChartAddPlot(gone, &plot), goneB = ChartAddPlot(gone, &plot);
    ChartDestroy(gone);
    HCHART kept = ChartCreate(&settings);
    HPLOT keptPlot = ChartAddPlot(kept, &plot);
    EXPECT_GT(kept, gone);
    EXPECT_GT(keptPlot, goneB);
    EXPECT_EQ(PlotAttr(goneA, PLOTATTR_USER, 0, 0, nullptr), -1);
    EXPECT_EQ(PlotAttr(goneB, PLOTATTR_CHART, 0, 0, nullptr), -1);
    EXPECT_EQ(PlotAttr(keptPlot, PLOTATTR_USER, 0, 0, nullptr), 7);
    EXPECT_EQ(PlotAttr(kept, PLOTATTR_USER, 0, 0, nullptr), -1) << "a chart handle is no plot";
    EXPECT_EQ(ChartAttr(keptPlot, CHARTATTR_NEXTPLOT, 0, 0, nullptr), 0) << "a plot handle is no chart";
    EXPECT_EQ(ChartCreate(nullptr), 0u);
    EXPECT_EQ(ChartAddPlot(kept, nullptr), 0u);
    EXPECT_EQ(ChartAddPlot(gone, &plot), 0u);
    ChartDestroy(gone);  // a second time: ignored
    ChartDestroy(kept);
}

TEST(ChartHandles, UnknownHandlesAnswerNoneOrFailure) {
    const HCHART unknown = 0x3FFFFFF0;
    HPLOT out = 99;
    RECT r{0, 0, 10, 10};
    EXPECT_EQ(ChartAttr(unknown, CHARTATTR_NEXTPLOT, 0, 0, &out), 0);
    EXPECT_EQ(out, 0u);
    EXPECT_EQ(ChartAttr(unknown, CHARTATTR_RECORD, 0, 0, nullptr), 0);
    EXPECT_EQ(ChartAttr(unknown, CHARTATTR_PLOTAREA, 0, 0, &r), -1);
    EXPECT_EQ(PlotAttr(0x7FFFFFF0, PLOTATTR_SHOWN, 0, 0, nullptr), -1);
    EXPECT_FALSE(ChartDraw(unknown, nullptr, &r, 0, 1) || ChartCopyToClipboard(unknown, nullptr, &r));
    EXPECT_EQ(ChartMakePicture(unknown, nullptr, &r), nullptr);
}

TEST(ChartHandles, PlotsKeepTheirOwnCopyOfTheirSettings) {
    ChartSpec settings{"Line Profile", "Pixel", "Count", "Legend", {}};
    HCHART chart = ChartCreate(&settings);
    PlotSpec plot = plotSettings("Red", 2, 1);
    HPLOT p = ChartAddPlot(chart, &plot);
    std::strcpy(plot.name, "Changed");
    plot.userValue = 5;
    char name[136] = "";
    PlotAttr(p, PLOTATTR_NAME, 0, 0, name);
    EXPECT_STREQ(name, "Red");
    EXPECT_EQ(PlotAttr(p, PLOTATTR_USER, 0, 0, nullptr), 2);
    std::memset(plot.name, 'x', sizeof plot.name);  // no NUL anywhere
    PlotAttr(ChartAddPlot(chart, &plot), PLOTATTR_NAME, 0, 0, name);
    EXPECT_EQ(std::strlen(name), 127u);
    ChartDestroy(chart);
}

}  // namespace
