// Chart and plot handles (never given twice, unknown ones answering none or
// failure, each plot's own copy of its PlotSpec) and attributes in both
// directions (what a write stores, the matching read returns and writes to
// out; other codes are refused), and the plot sequence they walk and rebuild.
#include <gtest/gtest.h>

#include <string>

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

// A colour profile's chart: live plots 0, 1, 2 shown, then frozen plots 0, 1, 2 hidden.
class ChartAttrTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (DWORD i = 0; i < 6; ++i) {
            PlotSpec plot = plotSettings("Red", i < 3 ? i : 0x8000 | (i - 3), i < 3);
            plots.push_back(ChartAddPlot(chart, &plot));
        }
    }
    void TearDown() override { ChartDestroy(chart); }
    LONG_PTR toHead(HPLOT plot) {
        return ChartAttr(chart, CHARTATTR_SET | CHARTATTR_TOHEAD, plot, 0, nullptr);
    }
    ChartSpec settings{"Line Profile", "Pixel", "Count", "Legend", {}};
    HCHART chart = ChartCreate(&settings);
    std::vector<HPLOT> plots;
};

TEST_F(ChartAttrTest, ChartOwnerValueAndCalibrationSwitches) {
    int owner = 0;
    auto value = reinterpret_cast<LONG_PTR>(&owner);
    LONG_PTR record = 0;
    EXPECT_EQ(ChartAttr(chart, CHARTATTR_SET | CHARTATTR_RECORD, 0, value, nullptr), 0);
    EXPECT_EQ(ChartAttr(chart, CHARTATTR_RECORD, 0, 0, &record), value);
    EXPECT_EQ(record, value);
    EXPECT_EQ(ChartAttr(chart, CHARTATTR_SET | CHARTATTR_CALIBRATED, 1, 7, nullptr), 0);
    LONG on = -5;
    EXPECT_EQ(ChartAttr(chart, CHARTATTR_CALIBRATED, 0, 0, nullptr), 0);
    EXPECT_EQ(ChartAttr(chart, CHARTATTR_CALIBRATED, 1, 0, &on), 1);
    EXPECT_EQ(on, 1);
    EXPECT_EQ(ChartAttr(chart, CHARTATTR_SET | CHARTATTR_CALIBRATED, 2, 1, nullptr), -1);
    RECT area{};
    for (LONG code : {0x01, 0x14, 0x8012, 0x8015, 0x0f}) EXPECT_EQ(ChartAttr(chart, code, 0, 0, &area), -1);
    EXPECT_EQ(ChartAttr(chart, CHARTATTR_PLOTAREA, 0, 0, nullptr), -1) << "the area needs an out buffer";
}

TEST_F(ChartAttrTest, PlotSwitchesUserValueAndOwner) {
    HPLOT plot = plots[4];
    DWORD out = 0;
    EXPECT_EQ(PlotAttr(plot, PLOTATTR_USER, 0, 0, &out), 0x8001);
    EXPECT_EQ(out, 0x8001u);
    EXPECT_EQ(PlotAttr(plot, PLOTATTR_CHART, 0, 0, &out), static_cast<LONG_PTR>(chart));
    EXPECT_EQ(out, chart);
    EXPECT_EQ(PlotAttr(plot, CHARTATTR_SET | PLOTATTR_SHOWN, 1, 0, nullptr), 0);
    EXPECT_EQ(PlotAttr(plot, PLOTATTR_SHOWN, 0, 0, nullptr), 1);
    EXPECT_EQ(PlotAttr(plot, PLOTATTR_SHOWN2, 0, 0, nullptr), 0) << "the switches are separate";
    EXPECT_EQ(PlotAttr(plot, CHARTATTR_SET | PLOTATTR_SHOWN2, 1, 0, nullptr), 0);
    PlotAttr(plot, CHARTATTR_SET | PLOTATTR_SHOWN, 0, 0, nullptr);
    EXPECT_EQ(PlotAttr(plot, PLOTATTR_SHOWN, 0, 0, nullptr), 0);
    EXPECT_EQ(PlotAttr(plot, PLOTATTR_SHOWN2, 0, 0, nullptr), 1);
    for (LONG code : {0x01, 0x8004, 0x800b, 0x12}) EXPECT_EQ(PlotAttr(plot, code, 1, 0, &out), -1);
    EXPECT_EQ(PlotAttr(plot, PLOTATTR_USER, 0, 0, nullptr), 0x8001) << "unchanged by a refused write";
}

TEST_F(ChartAttrTest, NameGoesThroughTheOutBufferCutTo127Characters) {
    char name[136];
    std::memset(name, '#', sizeof name);
    EXPECT_EQ(PlotAttr(plots[0], PLOTATTR_NAME, 0, 0, name), 3);
    EXPECT_STREQ(name, "Red");
    EXPECT_EQ(name[4], '#') << "nothing written past the NUL";
    std::string longName(200, 'n');
    EXPECT_EQ(PlotAttr(plots[0], CHARTATTR_SET | PLOTATTR_NAME, 0, 0, longName.data()), 0);
    EXPECT_EQ(PlotAttr(plots[0], PLOTATTR_NAME, 0, 0, name), 127);
    EXPECT_EQ(std::string(name), std::string(127, 'n'));
    EXPECT_EQ(name[128], '#') << "at most 128 bytes with the NUL";
    EXPECT_EQ(PlotAttr(plots[0], CHARTATTR_SET | PLOTATTR_NAME, 0, 0, nullptr), -1);
}

TEST_F(ChartAttrTest, PlotsKeepTheirOwnCopyOfTheirSettings) {
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
}

TEST_F(ChartAttrTest, WalkFollowsCreationOrderUntilAPlotMovesToTheHead) {
    EXPECT_EQ(sequence(chart), plots);
    HPLOT out = 1;
    EXPECT_EQ(ChartAttr(chart, CHARTATTR_NEXTPLOT, plots[5], 0, &out), 0) << "after the last";
    EXPECT_EQ(out, 0u);
    EXPECT_EQ(toHead(plots[4]), 0);
    EXPECT_EQ(sequence(chart),
              (std::vector<HPLOT>{plots[4], plots[0], plots[1], plots[2], plots[3], plots[5]}));
    PlotSpec plot = plotSettings("Other");
    HCHART other = ChartCreate(&settings);
    HPLOT foreign = ChartAddPlot(other, &plot);
    EXPECT_EQ(ChartAttr(chart, CHARTATTR_NEXTPLOT, foreign, 0, nullptr), 0) << "not this chart's plot";
    EXPECT_EQ(toHead(foreign), -1);
    ChartDestroy(other);
}

TEST_F(ChartAttrTest, FrontPlotButtonCyclesTheChannels) {
    std::vector<LONG_PTR> fronts;
    for (int press = 0; press < 4; ++press) {
        HPLOT p = 0;
        for (int step = 0; step < 3; ++step) ChartAttr(chart, CHARTATTR_NEXTPLOT, p, 0, &p);
        fronts.push_back(PlotAttr(p, PLOTATTR_USER, 0, 0, nullptr));
        toHead(p);
    }
    EXPECT_EQ(fronts, (std::vector<LONG_PTR>{2, 1, 0, 2}));
}

}  // namespace
