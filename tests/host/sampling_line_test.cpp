// Line and polyline readings through BINSUM32 on formula images of every
// class, with and without calibration: the direction matrix and lengths,
// region coordinates, samples outside the image (0), polyline vertices, the
// stepping of every slope, and bad arguments.
#include <tuple>

#include "sampling_test_images.h"

namespace {

using namespace samplingtest;

class Reading : public ::testing::TestWithParam<std::tuple<ImageClass, bool>> {
protected:
    Calibration cal_ = std::get<1>(GetParam()) ? Calibration{{-12.5, 0.75, "u"}} : std::nullopt;
    TestImage whole_{formulaImage(std::get<0>(GetParam()), 40, 30), {0, 0}, cal_};
    TestImage shifted_{formulaImage(std::get<0>(GetParam()), 40, 30), {6, 4}, cal_};

    // The vertices through a region at the origin, and moved into the
    // coordinates of a region at (6, 4).
    void expectBoth(std::vector<POINT> v) {
        expectProfile(whole_, v);
        for (POINT &p : v) p = {p.x - 6, p.y - 4};
        expectProfile(shifted_, v);
    }
};

TEST_P(Reading, EveryDirectionAndLengthFollowsTheFormula) {
    // Right, left, down, up, the four diagonals and four turns of a 3-4-5 line, from
    // the middle and from near a corner (the longer lines run off the image); k = 0
    // is a single point, and k pixels along an axis give k + 1 samples.
    const POINT directions[] = {{1, 0},  {-1, 0},  {0, 1}, {0, -1}, {1, 1},   {-1, 1},
                                {1, -1}, {-1, -1}, {3, 4}, {-4, 3}, {-3, -4}, {4, -3}};
    for (const POINT c : {POINT{20, 15}, POINT{2, 1}})
        for (const POINT d : directions)
            for (const LONG k : {0, 1, 2, 5, 12, 39}) expectBoth({c, {c.x + d.x * k, c.y + d.y * k}});
}

TEST_P(Reading, PolylinesGiveSegmentsWithoutTheirLastPointPlusTheFinalPoint) {
    expectBoth({{2, 2}, {7, 2}, {7, 2}, {7, 6}});          // repeated vertex: 5 + 0 + 4 + 1 samples
    expectBoth({{3, 3}, {9, 3}, {9, 9}, {3, 9}, {3, 3}});  // closed: the start read twice
    expectBoth({{7, 8}});                                  // one vertex: one sample
    expectBoth({{4, 3}, {4, 3}, {4, 3}});                  // all equal: one sample
    // In and out across every edge, through the image, and wholly outside (0 there).
    expectBoth(
        {{-3, 2}, {5, 2}, {45, 2}, {35, 2}, {6, -4}, {6, 33}, {50, -8}, {-10, 35}, {-20, -20}, {-10, -15}});
}

// Every slope up to 30 pixels each way, and long lines whose samples fall on
// exact half pixels, against the plain formula (x + 1000 y differs for every pixel).
TEST(ReadingSteps, EverySlopeTakesTheFormulaPixels) {
    const TestImage t(formulaImage(ImageClass::Float, 1000, 1000));
    for (LONG dx = -30; dx <= 30; ++dx)
        for (LONG dy = -30; dy <= 30; ++dy) expectProfile(t, {{500, 400}, {500 + dx, 400 + dy}});
    for (const LONG minor : {1, 2, 3, 333, 500, 501, 998, 999}) {
        expectProfile(t, {{0, 20}, {999, 20 + minor}});
        expectProfile(t, {{980, 999}, {980 - minor, 0}});
        expectProfile(t, {{-40, 990}, {959, 990 - minor}});  // starting outside
    }
}

INSTANTIATE_TEST_SUITE_P(AllClasses, Reading,
                         ::testing::Combine(::testing::Values(ImageClass::Gray8, ImageClass::Gray12,
                                                              ImageClass::Gray16, ImageClass::Float,
                                                              ImageClass::Rgb),
                                            ::testing::Bool()));

TEST(ReadingFailures, BadArgumentsGiveNegativeResultsAndWriteNothing) {
    TestImage t(formulaImage(ImageClass::Gray8, 8, 8));
    TestImage orphan(formulaImage(ImageClass::Gray8, 4, 4));
    host::images().remove(orphan.id);  // a region whose image was closed
    const LONG line[4] = {0, 0, 3, 0};
    const POINT v[3] = {{-2000000000, 0}, {2000000000, 0}, {-2000000000, 0}};  // counts past 32 bits
    std::vector<double> out(8, kSentinel);
    LONG count = -5;
    std::vector<LONG> results;
    for (const HIMGREGION bad : {HIMGREGION{}, orphan.region, reinterpret_cast<HIMGREGION>(0x42)}) {
        results.insert(
            results.end(),
            {LineSampleCount(bad, line, &count, nullptr), LineSampleRead(bad, line, out.data(), 1),
             PolySampleCount(bad, v, 2, &count, nullptr), PolySampleRead(bad, v, 1, out.data(), 1)});
    }
    results.insert(
        results.end(),
        {LineSampleCount(t.region, nullptr, &count, nullptr),
         LineSampleRead(t.region, nullptr, out.data(), 1), LineSampleRead(t.region, line, nullptr, 1),
         PolySampleCount(t.region, nullptr, 2, &count, nullptr),
         PolySampleCount(t.region, v, 0, &count, nullptr), PolySampleRead(t.region, v, -1, out.data(), 1),
         PolySampleRead(t.region, v, 2, nullptr, 1), PolySampleCount(t.region, v, 3, &count, nullptr),
         PolySampleRead(t.region, v, 2, out.data(), 1)});
    for (const LONG r : results) EXPECT_LT(r, 0);
    EXPECT_EQ(count, -5);
    EXPECT_EQ(out, std::vector<double>(8, kSentinel));
}

}  // namespace
