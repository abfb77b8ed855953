// The ROIKIT32 entry points: an ellipse shape's count and points by handle,
// destroyed and unknown shapes, other kinds, region release and the
// area-of-interest value.
#include <gtest/gtest.h>

#include <roikit32.h>

#include <cmath>

#include "core/region.h"
#include "sampling/ellipse_outline.h"

namespace {

TEST(RoikitShapes, EllipseGivesItsOutlineByHandleUntilDestroyed) {
    const EllipseDescriptor d{30, 12, 21, 11, 0.0};
    HAOISHAPE shape = AoiCreateShape(&d, 0, AOISHAPE_ELLIPSE);
    const auto outline = host::ellipseOutline({{30, 12}, 21, 11, 0.0}).value();
    const auto n = static_cast<LONG>(outline.size());
    std::vector<POINT> points(n + 1, POINT{-9, -9});
    EXPECT_EQ(AoiGetShapeInfo(shape, AOISHAPEINFO_COUNT, nullptr), n);
    EXPECT_EQ(AoiGetShapeInfo(shape, AOISHAPEINFO_POINTS, points.data()), n);
    for (LONG i = 0; i <= n; ++i)  // nothing past the outline
        EXPECT_TRUE(i < n ? points[i].x == outline[i].x && points[i].y == outline[i].y : points[i].x == -9);
    EXPECT_LT(AoiGetShapeInfo(shape, 1, points.data()), 0);
    EXPECT_LT(AoiGetShapeInfo(shape, AOISHAPEINFO_POINTS, nullptr), 0);
    AoiDestroyShape(shape);
    EXPECT_LT(AoiGetShapeInfo(shape, AOISHAPEINFO_COUNT, nullptr), 0);
    AoiDestroyShape(shape);  // unknown handles are ignored
    AoiDestroyShape(nullptr);
}

TEST(RoikitShapes, OnlyUsableEllipsesAreMade) {
    const EllipseDescriptor d{0, 0, 5, 5, 0.0};
    for (const LONG kind : {0, 1, 2, 4, -3}) EXPECT_EQ(AoiCreateShape(&d, 0, kind), nullptr);
    EXPECT_EQ(AoiCreateShape(nullptr, 0, AOISHAPE_ELLIPSE), nullptr);
    // Not finite, too big, or with points past 32 bits.
    const EllipseDescriptor bad[] = {{0, 0, NAN, 5, 0},
                                     {0, 0, 5, INFINITY, 0},
                                     {0, 0, 5, 5, NAN},
                                     {0, 0, 1e9, 5, 0},
                                     {INT32_MAX - 2, 0, 21, 21, 0}};
    for (const EllipseDescriptor &b : bad) EXPECT_EQ(AoiCreateShape(&b, 0, AOISHAPE_ELLIPSE), nullptr);
}

TEST(RoikitRegionsAndAreas, FreeRegionReleasesOrIgnoresAndTheAreaValueIsZero) {
    void *handle = host::addRegion(host::Region{0, 0, 0, 3, 3, std::nullopt});
    AoiFreeRegion(static_cast<HIMGREGION>(handle));
    EXPECT_EQ(host::findRegion(handle), nullptr);
    AoiFreeRegion(static_cast<HIMGREGION>(handle));
    AoiFreeRegion(nullptr);
    const LONG aoi[4] = {1, 2, 30, 40};
    EXPECT_EQ(AoiForImage(0, 1, aoi), 0);
    EXPECT_EQ(AoiForImage(-1, 1, nullptr), 0);
}

}  // namespace
