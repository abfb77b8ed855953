// Ellipse outlines: closed, 8-connected, no pixel twice, starting at the end
// of the major axis and running clockwise on the screen, for circles, wide,
// tall, thin and tiny ellipses at many angles; and the pixels of the simplest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

#include "sampling/ellipse_outline.h"

namespace {

using host::PixelPoint;
using Chain = std::vector<PixelPoint>;

Chain outlineOf(int64_t cx, int64_t cy, double major, double minor, double angle) {
    return host::ellipseOutline({{cx, cy}, major, minor, angle}).value_or(Chain{});
}

bool has(const Chain &chain, PixelPoint p) {
    return std::find(chain.begin(), chain.end(), p) != chain.end();
}

bool inBox(const Chain &chain, int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
    return std::all_of(chain.begin(), chain.end(),
                       [&](PixelPoint p) { return p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2; });
}

void expectWellFormed(double major, double minor, double angle) {
    SCOPED_TRACE(::testing::Message() << major << " x " << minor << " at " << angle);
    const Chain chain = outlineOf(3, -4, major, minor, angle);
    ASSERT_FALSE(chain.empty());
    const double a = host::semiAxisOf(major);
    EXPECT_EQ(chain[0], (PixelPoint{static_cast<int64_t>(std::floor(3 + a * std::cos(angle) + 0.5)),
                                    static_cast<int64_t>(std::floor(-4 + a * std::sin(angle) + 0.5))}));
    std::set<std::pair<int64_t, int64_t>> seen;
    int64_t twiceArea = 0;  // positive: clockwise on a screen with y downward
    for (size_t i = 0; i < chain.size(); ++i) {
        const PixelPoint p = chain[i], q = chain[(i + 1) % chain.size()];
        EXPECT_TRUE(seen.insert({p.x, p.y}).second) << "pixel " << i << " repeated";
        EXPECT_TRUE(chain.size() == 1 || (!(p == q) && std::abs(p.x - q.x) <= 1 && std::abs(p.y - q.y) <= 1))
            << i;
        twiceArea += p.x * q.y - q.x * p.y;
    }
    EXPECT_TRUE(chain.size() < 3 || twiceArea > 0) << "not clockwise";
}

TEST(EllipseOutline, EveryProportionAtEveryAngleIsWellFormed) {
    const double axes[][2] = {{1, 1},   {2, 2},    {2, 1},    {3, 3},     {4, 3},   {5, 1},
                              {11, 3},  {11, 11},  {21, 11},  {41, 3},    {41, 11}, {64, 63},
                              {100, 1}, {101, 60}, {401, 11}, {2.5, 7.25}};
    for (const auto &[major, minor] : axes)
        for (int k = 0; k < 48; ++k) expectWellFormed(major, minor, k * std::numbers::pi / 24 - 0.3);
    expectWellFormed(21, 11, 1.57);
}

TEST(EllipseOutline, CircleOfAnElevenPixelBoxSpansItAndTurnsDownFromTheRight) {
    const Chain chain = outlineOf(5, 5, 11, 11, 0.0);
    EXPECT_TRUE(inBox(chain, 0, 0, 10, 10) && has(chain, {0, 5}) && has(chain, {5, 0}) &&
                has(chain, {5, 10}));
    EXPECT_EQ(Chain(chain.begin(), chain.begin() + 2), (Chain{{10, 5}, {10, 6}}));
    const Chain big = outlineOf(0, 0, 21, 21, 0.0);  // alike under mirroring and quarter turns
    for (const PixelPoint p : big) EXPECT_TRUE(has(big, {-p.x, p.y}) && has(big, {p.y, -p.x}));
}

TEST(EllipseOutline, WideAndTallEllipsesSpanTheirAxes) {
    const Chain wide = outlineOf(20, 10, 21, 11, 0.0);
    EXPECT_TRUE(inBox(wide, 10, 5, 30, 15) && has(wide, {10, 10}) && has(wide, {20, 5}) &&
                has(wide, {20, 15}));
    const Chain tall = outlineOf(10, 20, 21, 11, 1.57);  // from the bottom end, then to the left
    EXPECT_TRUE(inBox(tall, 5, 10, 15, 30) && has(tall, {10, 10}) && has(tall, {5, 20}));
    EXPECT_EQ(Chain(tall.begin(), tall.begin() + 2), (Chain{{10, 30}, {9, 30}}));
}

TEST(EllipseOutline, TinyAndThinEllipses) {
    EXPECT_EQ(outlineOf(4, 4, 3, 3, 0.0), (Chain{{5, 4}, {4, 5}, {3, 4}, {4, 3}}));
    for (const double length : {1.0, 0.5, -4.0})
        EXPECT_EQ(outlineOf(7, -2, length, length, 1.0), (Chain{{7, -2}}));
    const Chain thin = outlineOf(0, 0, 11, 1, 0.0);  // runs along the rows beside its axis
    EXPECT_TRUE(inBox(thin, -5, -1, 5, 1) && has(thin, {-5, 0}) && !has(thin, {0, 0}) && thin.size() == 20);
}

}  // namespace
