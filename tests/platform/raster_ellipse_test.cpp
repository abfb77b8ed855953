// The rows of filled ellipses: the ellipse equation, symmetry, and contact
// with every edge of the box.
#include <gtest/gtest.h>

#include "raster/shape.h"

using namespace plat::raster;

TEST(EllipseRows, PixelsAreThoseWhoseCentresSatisfyTheEquation) {
    // Boxes no more eccentric than 1:3 need no widening to reach their edges.
    for (int w = 1; w <= 14; ++w)
        for (int h = (w + 2) / 3; h <= 3 * w && h <= 14; ++h) {
            Box box{3, -2, 3 + w, -2 + h};
            EllipseRows rows(box);
            for (int64_t y = box.top; y < box.bottom; ++y) {
                int64_t x0 = 0, x1 = 0;
                bool any = rows.span(y, x0, x1);
                for (int64_t x = box.left - 1; x <= box.right; ++x) {
                    double cx = (2.0 * x - double(box.left + box.right - 1)) / w;
                    double cy = (2.0 * y - double(box.top + box.bottom - 1)) / h;
                    EXPECT_EQ(any && x >= x0 && x < x1, cx * cx + cy * cy <= 1.0)
                        << w << "x" << h << " " << x << "," << y;
                }
            }
        }
}

TEST(EllipseRows, AreSymmetricAndReachEveryEdgeOfTheBoxWithoutLeavingIt) {
    for (int w = 1; w <= 40; ++w)
        for (int h = 1; h <= 40; ++h) {
            EllipseRows rows(Box{0, 0, w, h});
            int64_t x0 = 0, x1 = 0, m0 = 0, m1 = 0, left = w, right = 0;
            for (int y = 0; y < h; ++y) {
                ASSERT_TRUE(rows.span(y, x0, x1)) << w << "x" << h << " row " << y;  // the top and bottom too
                ASSERT_TRUE(rows.span(h - 1 - y, m0, m1));
                EXPECT_EQ(x0, w - x1) << w << "x" << h;
                EXPECT_EQ(x0, m0);
                left = std::min(left, x0);
                right = std::max(right, x1);
            }
            EXPECT_EQ(left, 0) << w << "x" << h;
            EXPECT_EQ(right, w) << w << "x" << h;
        }
}

TEST(EllipseRows, HugeBoxesStayExact) {
    int64_t half = int64_t{1} << 27;
    EllipseRows rows(Box{-half, -half, half, half});
    int64_t x0 = 0, x1 = 0;
    ASSERT_TRUE(rows.span(0, x0, x1));
    EXPECT_EQ(x0, -half);
    EXPECT_EQ(x1, half);
}
