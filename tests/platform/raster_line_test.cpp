// The pixel rule of one-pixel lines and their clipping, on bare surfaces
// (no DC).
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <set>
#include <utility>

#include "raster/line.h"

using namespace plat::raster;

namespace {

using PixelSet = std::set<std::pair<int64_t, int64_t>>;

PixelSet walk(int64_t x0, int64_t y0, int64_t x1, int64_t y1, bool includeEnd = false) {
    PixelSet pixels;
    LineGeometry g = lineGeometry(x0, y0, x1, y1);
    Box everywhere = Box{}.inflate(int64_t{1} << 40);
    forEachLinePixel(g, g.dMajor + (includeEnd ? 1 : 0), everywhere, [&](int64_t x, int64_t y, int64_t) {
        pixels.insert({x, y});
    });
    return pixels;
}

}  // namespace

TEST(LinePixels, EachPixelIsTheNearestToTheExactLineWithTiesOnTheSmallerSide) {
    for (int dx = -9; dx <= 9; ++dx)
        for (int dy = -9; dy <= 9; ++dy)
            for (auto [x, y] : walk(0, 0, dx, dy)) {
                bool xMajor = std::abs(dx) >= std::abs(dy);
                double exact = xMajor ? double(x) * dy / dx : double(y) * dx / dy;
                double offset = (xMajor ? y : x) - exact;
                EXPECT_TRUE(offset >= -0.5 && offset < 0.5) << dx << "," << dy << " at " << x << "," << y;
            }
}

TEST(LinePixels, AReversedLineLightsTheSamePixels) {
    for (int dx = -9; dx <= 9; ++dx)
        for (int dy = -9; dy <= 9; ++dy)
            EXPECT_EQ(walk(3, 5, 3 + dx, 5 + dy, true), walk(3 + dx, 5 + dy, 3, 5, true)) << dx << "," << dy;
}

TEST(LinePixels, ClippingSkipsNothingVisibleEvenForHugeLines) {
    plat::Surface surface(50, 40, 0);
    Canvas canvas{&surface, {0, 0, 50, 40}};
    LineStyle style;
    style.pen = {0, 0xFFFFFF};
    int64_t far = (int64_t{1} << 27) - 1;
    const int64_t lines[][4] = {{-1000, -300, 1000, 700}, {25, -5000, 26, 5000}, {-far, -far, far, far - 3}};
    for (const auto &l : lines) {
        surface.pixels.assign(surface.pixels.size(), 0);
        int64_t phase = 0;
        drawThinLine(canvas, l[0], l[1], l[2], l[3], style, phase);
        // Along the major axis, one pixel per visible step at the nearest
        // minor position (ties to the smaller side), computed directly.
        bool xMajor = std::abs(l[2] - l[0]) >= std::abs(l[3] - l[1]);
        int size = xMajor ? 50 : 40, across = xMajor ? 40 : 50;
        for (int t = 0; t < size; ++t) {
            long double slope =
                (long double)(xMajor ? l[3] - l[1] : l[2] - l[0]) / (xMajor ? l[2] - l[0] : l[3] - l[1]);
            long double exact = (xMajor ? l[1] : l[0]) + (t - (xMajor ? l[0] : l[1])) * slope;
            auto minor = static_cast<int64_t>(std::ceil(exact - 0.5L));
            for (int m = 0; m < across; ++m) {
                uint32_t p = xMajor ? surface.at(t, m) : surface.at(m, t);
                EXPECT_EQ(p != 0, m == minor) << "line " << l[0] << "," << l[1] << " at " << t << "," << m;
            }
        }
    }
}

// Solid lines with both ends in the clip take a shorter way through the
// rasteriser; they must light exactly the pixels the rule walks.
TEST(LinePixels, SolidLinesInsideTheClipLightTheWalkedPixels) {
    plat::Surface surface(30, 30, 0);
    Canvas canvas{&surface, {0, 0, 30, 30}};
    LineStyle style;
    style.pen = {0, 0xFFFFFF};
    for (int dx = -12; dx <= 12; ++dx)
        for (int dy = -12; dy <= 12; ++dy) {
            surface.pixels.assign(surface.pixels.size(), 0);
            int64_t phase = 0;
            drawThinLine(canvas, 14, 15, 14 + dx, 15 + dy, style, phase);
            PixelSet lit;
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 30; ++x)
                    if (surface.at(x, y)) lit.insert({x, y});
            ASSERT_EQ(lit, walk(14, 15, 14 + dx, 15 + dy)) << dx << "," << dy;
        }
}

// A path draws what its segments drawn one by one draw, the dash pattern
// running on from segment to segment, whether the segments lie in the clip,
// cross its edge or lie outside it.
TEST(LinePixels, APathDrawsWhatItsSegmentsDraw) {
    const POINT path[] = {{2, 3}, {9, 4}, {9, 4}, {12, 15}, {-6, 20}, {3, 26}, {27, 25}, {40, 2}, {20, 1}};
    for (int style : {PS_SOLID, PS_DOT, PS_DASHDOT}) {
        plat::Surface bySegment(30, 28, 0), byPath(30, 28, 0);
        LineStyle pen;
        pen.pen = {0xFFFFFF, 0x00808080};  // XOR, so a pixel drawn twice shows it
        pen.dash = dashPatternForStyle(style);
        int64_t phase = 0;
        Canvas segments{&bySegment, {1, 1, 29, 27}};
        for (size_t i = 0; i + 1 < std::size(path); ++i)
            drawThinLine(segments, path[i].x + 1, path[i].y, path[i + 1].x + 1, path[i + 1].y, pen, phase);
        const int64_t segmentsPhase = phase;
        phase = 0;
        drawThinPath(Canvas{&byPath, {1, 1, 29, 27}}, path, std::size(path), 1, 0, pen, phase);
        EXPECT_EQ(byPath.pixels, bySegment.pixels) << "style " << style;
        EXPECT_EQ(phase, segmentsPhase) << "style " << style;
    }
}
