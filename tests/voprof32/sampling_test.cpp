// Sampling through the real host: lines in every direction on formula images,
// circles, free-form polylines, bands, the reference and frozen copies, and
// the arrays kept while the count stays.
#include "module_fixture.h"

#include <cmath>

#include "core/image_store.h"
#include "sampling/profile_prepare.h"
#include "sampling/profile_sampling.h"
#include "window/image_window.h"
#include "window/reference_freeze.h"

using testing_support::ModuleTest;

namespace {

std::vector<double> range(double from, double to) {
    std::vector<double> v;
    for (double x = from; from <= to ? x <= to : x >= to; x += from <= to ? 1 : -1) v.push_back(x);
    return v;
}

TEST_F(ModuleTest, LinesAreReadFromTheLeftEndAndVerticalOnesInTheirOrder) {
    openImage(64, 64, "gray8", "ramp-x");
    ProfileRecord *r = createProfile();
    ASSERT_TRUE(moveTo(r, 10, 5, 20, 5));
    EXPECT_EQ(channel(r, 0), range(10, 20));
    ASSERT_TRUE(moveTo(r, 20, 9, 10, 9));
    EXPECT_EQ(channel(r, 0), range(10, 20)) << "drawn from the right, read from the left";
    ASSERT_TRUE(moveTo(r, 3, 0, 3, 9));
    EXPECT_EQ(channel(r, 0), std::vector<double>(10, 3.0));
    ASSERT_TRUE(moveTo(r, 0, 0, 9, 9));
    EXPECT_EQ(channel(r, 0), range(0, 9)) << "diagonal";
    EXPECT_FALSE(moveTo(r, 7, 7, 7, 7)) << "a single point is refused";
    EXPECT_EQ(r->geometry[0], 0) << "and leaves the geometry";
}

TEST_F(ModuleTest, VerticalLineKeepsTheOrderOfItsEnds) {
    openImage(32, 32, "gray16", "ramp-y");
    ProfileRecord *r = createProfile();
    ASSERT_TRUE(moveTo(r, 4, 20, 4, 10));
    EXPECT_EQ(channel(r, 0), range(20, 10));
    EXPECT_EQ(r->valueRangeMax, 65535.0);
}

TEST_F(ModuleTest, ColourImagesGiveThreeChannelsInTheModel) {
    openImage(40, 20, "rgb", "ramp-x");
    ProfileRecord *r = createProfile();
    ASSERT_EQ(r->channelCount, 3);
    ASSERT_TRUE(moveTo(r, 2, 3, 6, 3));
    EXPECT_EQ(channel(r, 0), range(2, 6));
    EXPECT_EQ(channel(r, 1), std::vector<double>(5, 3.0));
    EXPECT_EQ(channel(r, 2), range(5, 9));
}

TEST_F(ModuleTest, CirclesUseTheOutlineOfTheirBox) {
    openImage(100, 100, "gray8", "const:9");
    ProfileRecord *r = createProfile();
    r->geometryCtlId = GEOMETRY_CIRCLE;
    ASSERT_TRUE(moveTo(r, 10, 10, 30, 50));
    EXPECT_GT(r->sampleCount, 60);
    for (double v : channel(r, 0)) EXPECT_EQ(v, 9.0);
    WORD tall = r->sampleCount;
    ASSERT_TRUE(moveTo(r, 10, 10, 50, 30));
    EXPECT_EQ(r->sampleCount, tall) << "a wide box gives the same outline turned";
}

TEST_F(ModuleTest, FreeformPolylinesFollowTheirVertices) {
    openImage(50, 50, "gray8", "ramp-x");
    ProfileRecord *r = createProfile();
    r->geometryCtlId = GEOMETRY_FREEFORM;
    r->freeformCount = 3;
    r->freeformPoints[0] = POINT{5, 5};
    r->freeformPoints[1] = POINT{10, 5};
    r->freeformPoints[2] = POINT{10, 8};
    LONG proposed[4] = {0, 0, 0, 0};
    ASSERT_TRUE(ProfilePrepare(r, proposed));
    EXPECT_EQ(std::vector<LONG>(proposed, proposed + 4), (std::vector<LONG>{5, 5, 10, 8})) << "bounding box";
    ProfileRead(r);
    EXPECT_EQ(channel(r, 0), (std::vector<double>{5, 6, 7, 8, 9, 10, 10, 10, 10}));
    r->freeformCount = 1;
    EXPECT_FALSE(ProfilePrepare(r, proposed)) << "one vertex is refused";
}

TEST_F(ModuleTest, BandsAverageOrDeviateAcrossTheirWidth) {
    HWND w = openImage(20, 20, "gray8", "const:10");
    ProfileRecord *r = createProfile();
    int id = host::imageOfWindow(w);
    host::Image *image = host::images().find(id);
    for (int x = 0; x < 20; ++x) image->gray8[static_cast<size_t>(5) * 20 + x] = 20;
    r->thickMode = 1;
    ASSERT_TRUE(moveTo(r, 2, 4, 11, 5));
    EXPECT_EQ(r->sampleCount, 10) << "one sample per column";
    EXPECT_EQ(channel(r, 0), std::vector<double>(10, 15.0));
    r->thickFunction = 4;
    ProfileRead(r);
    EXPECT_EQ(channel(r, 0), std::vector<double>(10, 5.0));
    r->thickMode = 2;
    ASSERT_TRUE(moveTo(r, 2, 4, 11, 5));
    EXPECT_EQ(r->sampleCount, 2) << "one sample per row";
}

// Lines beyond the image read 0 and still count; there are far more of them than the image has.
TEST_F(ModuleTest, BandsReachingFarBeyondTheImageCountTheLinesThere) {
    openImage(20, 20, "gray8", "const:10");
    ProfileRecord *r = createProfile();
    const struct {
        WORD mode;
        LONG geometry[4];
        double inside, lines;
    } bands[] = {{1, {2, 10, 11, 60000}, 10, 59991},
                 {1, {2, -30000, 11, 4}, 5, 30005},
                 {2, {-40000, 2, 19, 11}, 20, 40020},
                 {2, {15, 2, 65000, 11}, 5, 64986}};
    for (const auto &band : bands) {
        r->thickMode = band.mode;
        r->thickFunction = 3;
        ASSERT_TRUE(moveTo(r, band.geometry[0], band.geometry[1], band.geometry[2], band.geometry[3]));
        const double mean = 10.0 * band.inside / band.lines;
        EXPECT_DOUBLE_EQ(channel(r, 0).front(), mean) << band.lines;
        r->thickFunction = 4;
        ProfileRead(r);
        EXPECT_DOUBLE_EQ(channel(r, 0).back(), std::sqrt(100.0 * band.inside / band.lines - mean * mean));
    }
}

TEST_F(ModuleTest, ReferenceSubtractsAndWidensTheRange) {
    openImage(30, 10, "gray8", "ramp-x");
    ProfileRecord *r = createProfile();
    ASSERT_TRUE(moveTo(r, 20, 2, 29, 2));
    ProfileSetReference(r, 1, nullptr);
    ProfileRead(r);
    EXPECT_EQ(channel(r, 0), std::vector<double>(10, 0.0)) << "the same geometry gives zeros";
    EXPECT_EQ(r->valueRangeMin, 0.0);
    EXPECT_EQ(r->valueRangeMax, 255.0);
    ASSERT_TRUE(moveTo(r, 0, 2, 9, 2));
    EXPECT_EQ(r->referenceOn, 1u) << "same length keeps the reference";
    EXPECT_EQ(channel(r, 0), std::vector<double>(10, -20.0));
    EXPECT_EQ(r->valueRangeMin, -20.0) << "widened to the differences";
    double *kept = r->samples;
    ASSERT_TRUE(moveTo(r, 0, 2, 19, 2));
    EXPECT_EQ(r->referenceOn, 0u) << "a new length ends the reference";
    EXPECT_NE(r->samples, kept);
    EXPECT_EQ(r->valueRangeMin, 0.0) << "and the range comes from the image again";
}

TEST_F(ModuleTest, ArraysAreKeptWhileTheCountStays) {
    openImage(60, 60, "gray8", "ramp-x");
    ProfileRecord *r = createProfile();
    ASSERT_TRUE(moveTo(r, 0, 0, 10, 0));
    double *samples = r->samples, *distances = r->distances;
    ProfileSetFreeze(r, 1, nullptr);
    ASSERT_TRUE(moveTo(r, 30, 20, 40, 20));
    EXPECT_EQ(r->samples, samples);
    EXPECT_EQ(r->distances, distances);
    EXPECT_EQ(r->frozenOn, 1u);
    EXPECT_EQ(r->frozenSamples[0], 0.0) << "the frozen copy keeps the old values";
    EXPECT_EQ(r->samples[0], 30.0);
}

TEST_F(ModuleTest, ProfilesTooLongForSixteenBitsAreRefused) {
    openImage(22000, 2, "rgb", "const:1,2,3");
    ProfileRecord *r = createProfile();
    ASSERT_NE(r, nullptr);
    WORD count = r->sampleCount;
    double *samples = r->samples;
    EXPECT_FALSE(moveTo(r, 0, 0, 21845, 0)) << "21,846 samples x 3 channels overflow 65,535";
    EXPECT_EQ(r->sampleCount, count);
    EXPECT_EQ(r->samples, samples);
    EXPECT_TRUE(moveTo(r, 0, 0, 21844, 0));
    EXPECT_EQ(r->sampleCount, 21845);
}

TEST_F(ModuleTest, CircleOutlinesLongerThanAProfileAreNotBuilt) {
    // A 24,000-pixel circle has about 68,000 outline points: more than 16 bits count, so none
    // are allocated (the count once wrapped and the host wrote past the block).
    const LONG huge[4] = {0, 0, 23999, 23999}, small[4] = {0, 0, 99, 49};
    WORD n = 1;
    EXPECT_EQ(ProfileCircleOutline(huge, &n), nullptr);
    EXPECT_EQ(n, 0);
    POINT *outline = ProfileCircleOutline(small, &n);
    ASSERT_NE(outline, nullptr);
    EXPECT_GT(n, 200);
    for (WORD i = 0; i < n; ++i) {
        EXPECT_TRUE(outline[i].x >= 0 && outline[i].x <= 99 && outline[i].y >= 0 && outline[i].y <= 49) << i;
    }
    MemFreeBlock(outline);
}

}  // namespace
