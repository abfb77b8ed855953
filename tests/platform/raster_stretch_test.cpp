// Nearest-neighbour maps of the blits.
#include <gtest/gtest.h>

#include "raster/stretch.h"

using plat::raster::kUnmapped;
using plat::raster::nearestMap;

TEST(NearestMap, ZoomRepeatsShrinkSkipsMirrorReverses) {
    auto map = [](int64_t dst, int64_t src, bool mirror) {
        return nearestMap(dst, src, 0, mirror, 0, dst, 0, src);
    };
    EXPECT_EQ(map(8, 4, false), (std::vector<int64_t>{0, 0, 1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(map(4, 8, false), (std::vector<int64_t>{0, 2, 4, 6}));
    EXPECT_EQ(map(4, 2, true), (std::vector<int64_t>{1, 1, 0, 0}));
}

TEST(NearestMap, StepsAgreeWithTheDivisionForAnyRatioAndStart) {
    for (int64_t dst = 1; dst <= 23; ++dst)
        for (int64_t src = 1; src <= 23; ++src)
            for (int64_t first = 0; first < dst; first += 5) {
                std::vector<int64_t> m = nearestMap(dst, src, 100, false, first, dst - first, 0, 1000);
                for (int64_t i = 0; i < dst - first; ++i)
                    ASSERT_EQ(m[static_cast<size_t>(i)], 100 + (first + i) * src / dst) << dst << "/" << src;
            }
    EXPECT_EQ(nearestMap(4, 4, -2, false, 0, 4, 0, 1),
              (std::vector<int64_t>{kUnmapped, kUnmapped, 0, kUnmapped}));
}

// Unscaled copies go a shorter way than scaled ones; either way a destination
// pixel inside the clip takes the source pixel under it when that lies in the
// source bounds, and every other pixel is left alone.
TEST(StretchBlit, UnscaledCopiesTakeExactlyTheMappedPixels) {
    using plat::raster::Box;
    plat::Surface source(9, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) source.row(y)[x] = uint32_t(100 * y + x + 1);
    const Box bounds{1, 1, 8, 6};  // readable source pixels
    for (int64_t srcX = -3; srcX <= 6; srcX += 3)
        for (int64_t srcY = -2; srcY <= 4; srcY += 3)
            for (int64_t destX = -2; destX <= 6; destX += 4) {
                plat::Surface dest(10, 8, 0xFFFFFF);
                const plat::raster::Canvas canvas{&dest, Box{1, 0, 9, 7}};
                plat::raster::StretchRequest q;
                q.dest = Box{destX, 1, destX + 5, 1 + 4};
                q.srcX = srcX;
                q.srcY = srcY;
                q.srcWidth = 5;
                q.srcHeight = 4;
                q.sourceBounds = bounds;
                plat::raster::stretchBlit(canvas, q, [&](int64_t y, int64_t x0, int64_t x1) {
                    EXPECT_TRUE(x0 >= bounds.left && x1 <= bounds.right && y >= bounds.top &&
                                y < bounds.bottom);
                    return source.row(static_cast<int>(y)) + x0;
                });
                for (int64_t y = 0; y < 8; ++y)
                    for (int64_t x = 0; x < 10; ++x) {
                        const int64_t sx = x - destX + srcX, sy = y - 1 + srcY;
                        const bool mapped =
                            q.dest.contains(x, y) && canvas.clip.contains(x, y) && bounds.contains(sx, sy);
                        const uint32_t expected =
                            mapped ? source.row(static_cast<int>(sy))[sx] : uint32_t{0xFFFFFF};
                        ASSERT_EQ(dest.row(static_cast<int>(y))[x], expected)
                            << "source " << srcX << "," << srcY << " dest x " << destX << " at " << x << ","
                            << y;
                    }
            }
}
