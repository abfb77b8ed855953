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
    ProfileRecord *r = profileOn(64, 64, "gray8", "ramp-x");
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
    ProfileRecord *r = profileOn(32, 32, "gray16", "ramp-y");
    ASSERT_TRUE(moveTo(r, 4, 20, 4, 10));
    EXPECT_EQ(channel(r, 0), range(20, 10));
    EXPECT_EQ(r->valueRangeMax, 65535.0);
}

TEST_F(ModuleTest, ColourImagesGiveThreeChannelsInTheModel) {
    ProfileRecord *r = profileOn(40, 20, "rgb", "ramp-x");
    ASSERT_EQ(r->channelCount, 3);
    ASSERT_TRUE(moveTo(r, 2, 3, 6, 3));
    EXPECT_EQ(channel(r, 0), range(2, 6));
    EXPECT_EQ(channel(r, 1), std::vector<double>(5, 3.0));
    EXPECT_EQ(channel(r, 2), range(5, 9));
}

TEST_F(ModuleTest, CirclesUseTheOutlineOfTheirBox) {
    ProfileRecord *r = profileOn(100, 100, "gray8", "const:9");
    r->geometryCtlId = GEOMETRY_CIRCLE;
    ASSERT_TRUE(moveTo(r, 10, 10, 30, 50));
    EXPECT_GT(r->sampleCount, 60);
    for (double v : channel(r, 0)) EXPECT_EQ(v, 9.0);
    WORD tall = r->sampleCount;
    ASSERT_TRUE(moveTo(r, 10, 10, 50, 30));
    EXPECT_EQ(r->sampleCount, tall) << "a wide box gives the same outline turned";
}

TEST_F(ModuleTest, FreeformPolylinesFollowTheirVertices) {
    ProfileRecord *r = profileOn(50, 50, "gray8", "ramp-x");
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

// Bands on a formula image against a direct computation over the same pixels:
// odd and even widths, bands touching the image's borders, both directions,
// both functions, each channel of a colour image on its own.
struct BandCase {
    WORD mode;  // 1: one sample per column, averaged down the rows; 2: per row, across the columns
    LONG x1, y1, x2, y2;
};

constexpr BandCase kBands[] = {
    {1, 3, 4, 12, 6}, {1, 0, 0, 23, 1}, {1, 20, 15, 23, 17}, {1, 5, 9, 5, 9},
    {2, 3, 4, 6, 14}, {2, 0, 0, 1, 17}, {2, 22, 2, 23, 17},  {2, 7, 7, 7, 7},
};

// The pixel a formula image holds at (x, y), channel c (c = 0 for gray).
int formula(int x, int y, int c) {
    return (x * 7 + y * y * 3 + c * 50) % 251;
}

std::vector<double> directBand(const BandCase &b, int c, WORD function) {
    std::vector<double> out;
    const bool perColumn = b.mode == 1;
    for (LONG i = perColumn ? b.x1 : b.y1; i <= (perColumn ? b.x2 : b.y2); ++i) {
        double sum = 0, squares = 0, count = 0;
        for (LONG j = perColumn ? b.y1 : b.x1; j <= (perColumn ? b.y2 : b.x2); ++j) {
            const double v = perColumn ? formula(static_cast<int>(i), static_cast<int>(j), c)
                                       : formula(static_cast<int>(j), static_cast<int>(i), c);
            sum += v, squares += v * v, ++count;
        }
        const double mean = sum / count;
        out.push_back(function == 3 ? mean : std::sqrt(squares / count - mean * mean));
    }
    return out;
}

TEST_F(ModuleTest, BandsMatchADirectComputationOverTheirPixels) {
    for (const char *kind : {"gray8", "rgb"}) {
        HWND w = openImage(24, 18, kind, "ramp-x");
        host::Image *image = host::images().find(host::imageOfWindow(w));
        const int channels = std::string(kind) == "rgb" ? 3 : 1;
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 24; ++x)
                for (int c = 0; c < channels; ++c)
                    (channels == 3 ? image->rgb[(y * 24 + x) * 3 + c] : image->gray8[y * 24 + x]) =
                        static_cast<uint8_t>(formula(x, y, c));
        ProfileRecord *r = createProfile();
        for (const BandCase &b : kBands) {
            for (WORD function : {WORD(3), WORD(4)}) {
                SCOPED_TRACE(testing::Message()
                             << kind << " mode " << b.mode << " band " << b.x1 << "," << b.y1 << "-" << b.x2
                             << "," << b.y2 << " function " << function);
                r->thickMode = b.mode;
                r->thickFunction = function;
                ASSERT_TRUE(moveTo(r, b.x1, b.y1, b.x2, b.y2));
                for (int c = 0; c < channels; ++c) {
                    const std::vector<double> got = channel(r, c), want = directBand(b, c, function);
                    ASSERT_EQ(got.size(), want.size());
                    for (size_t i = 0; i < got.size(); ++i)
                        EXPECT_NEAR(got[i], want[i], 1e-9) << "sample " << i;
                }
            }
        }
        SendMessageA(r->profileWnd, WM_CLOSE, 0, 0);
    }
}

// A band of equal values deviates by exactly 0, also where rounding makes the
// mean of the squares fall just below the square of the mean.
TEST_F(ModuleTest, AConstantBandDeviatesByZero) {
    ProfileRecord *r = profileOn(20, 20, "float", "const:0.1");
    r->thickMode = 1;
    r->thickFunction = 4;
    ASSERT_TRUE(moveTo(r, 2, 3, 17, 9));
    EXPECT_EQ(channel(r, 0), std::vector<double>(16, 0.0));
}

// Lines beyond the image read 0 and still count; there are far more of them than the image has.
TEST_F(ModuleTest, BandsReachingFarBeyondTheImageCountTheLinesThere) {
    ProfileRecord *r = profileOn(20, 20, "gray8", "const:10");
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
    ProfileRecord *r = profileOn(30, 10, "gray8", "ramp-x");
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
    ProfileRecord *r = profileOn(60, 60, "gray8", "ramp-x");
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
    ProfileRecord *r = profileOn(22000, 2, "rgb", "const:1,2,3");
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
