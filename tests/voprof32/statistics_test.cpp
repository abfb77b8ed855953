// Distances, statistics, range/area and the data queries on known data.
#include "module_fixture.h"

#include <cstring>

#include "core/image_store.h"
#include "image/calibration.h"
#include "sampling/statistics.h"
#include "window/image_window.h"

using testing_support::ModuleTest;

namespace {

TEST_F(ModuleTest, DistancesInPixelsAndCalibratedUnits) {
    HWND w = openImage(100, 20, "gray8", "ramp-x");
    ProfileRecord *r = createProfile();
    ASSERT_TRUE(moveTo(r, 0, 5, 9, 5));
    for (int i = 0; i < 10; ++i) EXPECT_DOUBLE_EQ(r->distances[i], i) << i;
    ASSERT_TRUE(host::setSpatialCalibration(host::imageOfWindow(w), -0.5, 2.0, "mm").ok());
    r->thickMode = 1;
    ASSERT_TRUE(moveTo(r, 0, 5, 9, 6));
    EXPECT_DOUBLE_EQ(r->distances[1], 0.5) << "a negative scale still increases";
    EXPECT_DOUBLE_EQ(r->distances[9], 4.5);
    r->spatialCalOn = 0;
    ProfileDistances(r);
    EXPECT_DOUBLE_EQ(r->distances[9], 9.0);
}

TEST_F(ModuleTest, StatisticsAndRangeAreaOnAKnownProfile) {
    ProfileRecord *r = profileOn(120, 4, "gray8", "ramp-x");
    r->rangeMarkers[0] = r->rangeMarkers[1] = 3;  // coinciding markers are reset
    ASSERT_TRUE(moveTo(r, 0, 1, 99, 1));
    EXPECT_EQ(r->rangeMarkers[0], 10u);
    EXPECT_EQ(r->rangeMarkers[1], 89u);
    EXPECT_DOUBLE_EQ(r->stats[0], 4950.0);
    EXPECT_DOUBLE_EQ(r->stats[1], 0.0);
    EXPECT_DOUBLE_EQ(r->stats[2], 99.0);
    EXPECT_DOUBLE_EQ(r->stats[4], 49.5);
    // Markers 10 and 89: the 80 values 10..89 inside.
    EXPECT_DOUBLE_EQ(r->rangeStats.area, (10.0 + 89.0) * 80 / 2);
    EXPECT_DOUBLE_EQ(r->rangeStats.percent, 3960.0 * 100.0 / 4950.0);
    EXPECT_DOUBLE_EQ(r->rangeStats.y2, 89.0);
    r->rangeMarkers[0] = 89;
    r->rangeMarkers[1] = 10;
    RangeStats swapped;
    ProfileRangeArea(r, 0, &swapped);
    EXPECT_DOUBLE_EQ(swapped.area, r->rangeStats.area) << "markers in any order";
    EXPECT_EQ(swapped.firstIndex, 10u);
}

TEST_F(ModuleTest, MarkersResetWhenTheyMeetOrFallOff) {
    ProfileRecord *r = profileOn(50, 4, "gray8", "const:0");
    r->rangeMarkers[0] = 2;
    r->rangeMarkers[1] = 7;  // beyond a profile of 5
    ASSERT_TRUE(moveTo(r, 0, 1, 4, 1));
    EXPECT_EQ(r->rangeMarkers[0], 0u);
    EXPECT_EQ(r->rangeMarkers[1], 4u);
    ProfileStatistics(r);
    EXPECT_DOUBLE_EQ(r->rangeStats.percent, 100.0) << "an all-zero profile";
}

TEST_F(ModuleTest, DataQueriesServeTheirCodes) {
    ProfileRecord *r = profileOn(40, 10, "rgb", "ramp-x");
    r->rangeMarkers[0] = 1;
    r->rangeMarkers[1] = 8;
    ASSERT_TRUE(moveTo(r, 0, 2, 9, 2));
    WORD count = 0;
    EXPECT_EQ(ProfileGetData(r, 100, 0, &count), 0);
    EXPECT_EQ(count, 10);
    LONG g[4];
    EXPECT_EQ(ProfileGetData(r, 102, 0, g), 0);
    EXPECT_EQ(g[2], 9);
    float f[64];
    EXPECT_EQ(ProfileGetData(r, 103, 1, f), 0);
    EXPECT_FLOAT_EQ(f[0], 2.0f) << "mean of channel 1 (y = 2)";
    EXPECT_FLOAT_EQ(f[2], 20.0f) << "sum";
    std::memset(f, 0, sizeof f);
    EXPECT_EQ(ProfileGetData(r, 104, 100, f), 0);
    EXPECT_FLOAT_EQ(f[29], 11.0f) << "only the 30 existing values, channel-major";
    EXPECT_FLOAT_EQ(f[30], 0.0f);
    EXPECT_EQ(ProfileGetData(r, 105, 0, f), 0);
    EXPECT_FLOAT_EQ(f[6], 1.0f) << "first index";
    EXPECT_FLOAT_EQ(f[7], 8.0f) << "last index";
    WORD index = 99;
    EXPECT_EQ(ProfileGetData(r, 109, 0, &index), 0);
    EXPECT_EQ(index, r->slotIndex);
    for (LONG code : {101, 106, 107, 108, 99, 110}) EXPECT_EQ(ProfileGetData(r, code, 0, f), -5) << code;
}

}  // namespace
