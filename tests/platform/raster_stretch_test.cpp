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
