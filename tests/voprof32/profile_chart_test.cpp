// The profile's chart: the plots a gray and a colour profile get, the data
// callback's replies (ranges only, or with the series; live and frozen; at
// full scale and not), and the chart drawn with its plots' colours.
#include <algorithm>
#include <cstring>

#include <platform/embed.h>

#include "chart/profile_chart.h"
#include "module_fixture.h"
#include "sampling/profile_sampling.h"
#include "window/reference_freeze.h"

using testing_support::ModuleTest;

namespace {

class ProfileChartTest : public ModuleTest {
protected:
    ProfileRecord *r = nullptr;
    void open(const char *kind, const char *pattern) {
        openImage(120, 60, kind, pattern);
        r = createProfile();
        ASSERT_NE(r, nullptr);
        ASSERT_TRUE(moveTo(r, 10, 30, 110, 30));
    }
    PlotDataReply reply(LONG kind, HPLOT plot) {
        PlotDataReply out;
        std::memset(&out, 0xAB, sizeof out);  // what the callback leaves alone stays 0xAB
        EXPECT_EQ(ProfileDataProc(kind, plot, &out), &out);
        return out;
    }
    // Colours found inside the plot area of the chart.
    std::vector<COLORREF> drawnColours() {
        testing_support::ChartCanvas canvas(r->chartHandle);
        std::vector<COLORREF> found;
        for (int y = canvas.area[1]; y < canvas.area[3]; ++y)
            for (int x = canvas.area[0]; x < canvas.area[2]; ++x) found.push_back(GetPixel(canvas.dc, x, y));
        return found;
    }
    static bool has(const std::vector<COLORREF> &colours, COLORREF c) {
        return std::find(colours.begin(), colours.end(), c) != colours.end();
    }
};

TEST_F(ProfileChartTest, GrayImageGetsOneLiveAndOneFrozenPlot) {
    open("gray8", "ramp-x");
    EXPECT_NE(r->livePlots[0], 0u);
    EXPECT_NE(r->frozenPlots[0], 0u);
    EXPECT_EQ(r->livePlots[1] | r->livePlots[2] | r->frozenPlots[1] | r->frozenPlots[2], 0u);
    DWORD chart = r->chartHandle;
    EXPECT_EQ(ProfileChartCreate(r), 1);
    EXPECT_EQ(r->chartHandle, chart) << "a second creation changes nothing";
    ProfileSetFreeze(r, 1, nullptr);
    ASSERT_TRUE(moveTo(r, 10, 20, 110, 20));
    const std::vector<COLORREF> colours = drawnColours();
    EXPECT_TRUE(has(colours, 0x0000FF));
    EXPECT_TRUE(has(colours, 0xFF0000)) << "a one-channel image's frozen plot has its own colour";
    EXPECT_FALSE(has(colours, 0xFF00FF)) << "magenta is the colour images' frozen red";
}

TEST_F(ProfileChartTest, RangeRepliesLeaveTheSeriesAlone) {
    open("gray8", "ramp-x");
    r->fullScale = 0;
    PlotDataReply got = reply(PLOTDATA_RANGES, r->livePlots[0]);
    EXPECT_EQ(got.count, 101);
    EXPECT_EQ(got.xMin, 0.0);
    EXPECT_EQ(got.xMax, 100.0);
    EXPECT_EQ(got.yMin, 10.0);
    EXPECT_EQ(got.yMax, 110.0);
    EXPECT_EQ(got.zero[0], 0.0);
    EXPECT_EQ(got.zero[1], 0.0);
    EXPECT_EQ(got.x.type, 0xABABABABu) << "no series without kind 1";
    r->fullScale = 1;
    got = reply(PLOTDATA_RANGES, r->livePlots[0]);
    EXPECT_EQ(got.yMin, r->valueRangeMin);
    EXPECT_EQ(got.yMax, r->valueRangeMax);
}

TEST_F(ProfileChartTest, SeriesPointAtTheChannelsValuesLiveOrFrozen) {
    open("rgb", "ramp-x");
    ProfileSetFreeze(r, 1, nullptr);
    ASSERT_TRUE(moveTo(r, 10, 40, 110, 40));
    PlotDataReply live = reply(PLOTDATA_SERIES, r->livePlots[2]);
    EXPECT_EQ(live.x.type, static_cast<DWORD>(PLOTSERIES_DOUBLES));
    EXPECT_EQ(live.x.data, r->distances);
    EXPECT_EQ(live.x.stride, 8);
    EXPECT_EQ(live.y.data, r->samples + 2 * r->sampleCount);
    EXPECT_EQ(live.third.type, 0u);
    EXPECT_EQ(live.third.data, nullptr);
    PlotDataReply frozen = reply(PLOTDATA_SERIES, r->frozenPlots[1]);
    EXPECT_EQ(frozen.y.data, r->frozenSamples + r->sampleCount);
    EXPECT_EQ(frozen.count, r->sampleCount) << "frozen values with the current count";
}

TEST_F(ProfileChartTest, DrawnChartShowsEachShownPlotInItsColour) {
    open("rgb", "ramp-x");
    r->fullScale = 0;
    std::vector<COLORREF> colours = drawnColours();
    EXPECT_TRUE(has(colours, 0x0000FF) && has(colours, 0x00FF00) && has(colours, 0xFF0000));
    EXPECT_FALSE(has(colours, 0xFF00FF)) << "the frozen plots start hidden";
    ProfileSetFreeze(r, 1, nullptr);
    r->fullScale = 1;
    colours = drawnColours();
    EXPECT_TRUE(has(colours, 0x008000) && has(colours, 0xFFFF00)) << "frozen green and blue shown";
    PlotAttr(r->livePlots[0], CHARTATTR_SET | PLOTATTR_SHOWN, 0, 0, nullptr);
    EXPECT_FALSE(has(drawnColours(), 0x0000FF)) << "a hidden plot draws nothing";
}

}  // namespace
