// The geometry model: hit tests on the exact boundaries of their zones,
// tolerances, normalisation, and the clamps at the image borders.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/profile_record.h"
#include "overlay/geometry.h"

namespace {

WORD line(LONG x1, LONG y1, LONG x2, LONG y2, LONG px, LONG py, WORD thick = 0) {
    LONG r[4] = {x1, y1, x2, y2};
    return HitTestLine(r, POINT{px, py}, thick);
}

WORD circle(LONG x1, LONG y1, LONG x2, LONG y2, LONG px, LONG py) {
    LONG r[4] = {x1, y1, x2, y2};
    return HitTestCircle(r, POINT{px, py});
}

TEST(Geometry, NormaliseAndOrder) {
    LONG r[4] = {10, 20, 5, 2};
    NormaliseRect(r);
    EXPECT_EQ(std::vector<LONG>(r, r + 4), (std::vector<LONG>{5, 2, 10, 20}));
    POINT a{9, 1}, b{3, 7};
    OrderPointsByX(&a, &b);
    EXPECT_EQ(a.x, 3);
    EXPECT_EQ(a.y, 7);
    POINT c{4, 9}, d{4, 1};
    OrderPointsByX(&c, &d);
    EXPECT_EQ(c.y, 9) << "equal x keeps the order";
}

TEST(HitTestLine, ToleranceFollowsTheExtent) {
    line(0, 0, 3, 3, 100, 100);
    EXPECT_EQ(hitTolerance, 1);
    line(0, 0, 32, 0, 100, 100);
    EXPECT_EQ(hitTolerance, 8);
    line(0, 0, 12, 20, 100, 100);
    EXPECT_EQ(hitTolerance, 5);
}

TEST(HitTestLine, StartPointWinsAndSquaresIncludeTheirBorder) {
    EXPECT_EQ(line(10, 10, 12, 11, 11, 10), 3) << "both ends within the tolerance";
    EXPECT_EQ(line(0, 0, 40, 40, 8, 8), 3) << "t = 8, corner of the start square";
    EXPECT_EQ(line(0, 0, 40, 40, 32, 32), 12);
    EXPECT_EQ(line(0, 0, 40, 40, 31, 32), 15);
}

TEST(HitTestLine, HorizontalAndVerticalLinesHitAnAsymmetricBand) {
    // t = 8: rows y1 - 8 to y1 + 6 are on a horizontal line.
    for (LONG y = 92; y <= 106; ++y) EXPECT_EQ(line(0, 100, 100, 100, 50, y), 15) << y;
    EXPECT_EQ(line(0, 100, 100, 100, 50, 107), 0);
    EXPECT_EQ(line(0, 100, 100, 100, 50, 91), 0);
    EXPECT_EQ(line(100, 0, 100, 100, 106, 50), 15);
    EXPECT_EQ(line(100, 0, 100, 100, 107, 50), 0);
    EXPECT_EQ(line(100, 0, 100, 100, 92, 50), 15);
}

TEST(HitTestLine, ExactlyTAwayFromASlantedLineIsOff) {
    // Slope 1/2: the horizontal distance in the point's row is 2 x dy.
    EXPECT_EQ(line(0, 0, 80, 40, 40 + 7, 20), 15);
    EXPECT_EQ(line(0, 0, 80, 40, 40 + 8, 20), 0) << "d = -8 is not strictly inside";
    EXPECT_EQ(line(0, 0, 80, 40, 40 - 8, 20), 0);
}

TEST(HitTestLine, OutsideTheWidenedRectangleIsNothing) {
    EXPECT_EQ(line(0, 0, 80, 40, 88, 20), 0);
    EXPECT_EQ(line(10, 10, 80, 40, 1, 10), 0) << "left edge minus t is inside, one more is not";
    EXPECT_EQ(line(10, 10, 80, 40, 2, 10), 3);
}

TEST(HitTestBand, ThinHorizontalBandZones) {
    // t = 8, three rows high, away from both ends: m = 8.
    const LONG y1 = 100, y2 = 102;
    for (LONG y = y1 - 8; y <= y1; ++y) EXPECT_EQ(line(0, y1, 200, y2, 100, y, 1), 2) << y;
    EXPECT_EQ(line(0, y1, 200, y2, 100, y1 + 1, 1), 15);
    for (LONG y = y2; y <= y2 + 7; ++y) EXPECT_EQ(line(0, y1, 200, y2, 100, y, 1), 8) << y;
    EXPECT_EQ(line(0, y1, 200, y2, 100, y2 + 8, 1), 0) << "the widened rectangle ends there";
    EXPECT_EQ(line(0, y1, 200, y2, 8, y1, 1), 1) << "the ends come first";
    EXPECT_EQ(line(0, y1, 200, y2, 192, y2, 1), 4);
}

TEST(HitTestBand, WideBandHasAnInteriorAndVerticalBandsMirror) {
    // t = 8, 41 rows: no margin.
    EXPECT_EQ(line(0, 100, 200, 140, 100, 108, 1), 2);
    EXPECT_EQ(line(0, 100, 200, 140, 100, 109, 1), 15);
    EXPECT_EQ(line(0, 100, 200, 140, 100, 132, 1), 8);
    EXPECT_EQ(line(0, 100, 200, 140, 100, 131, 1), 15);
    EXPECT_EQ(line(100, 0, 140, 200, 108, 100, 2), 1);
    EXPECT_EQ(line(100, 0, 140, 200, 120, 100, 2), 15);
    EXPECT_EQ(line(100, 0, 140, 200, 132, 100, 2), 4);
    EXPECT_EQ(line(100, 0, 140, 200, 120, 8, 2), 2);
    EXPECT_EQ(line(100, 0, 140, 200, 120, 192, 2), 8);
    EXPECT_EQ(line(0, 0, 10, 10, 5, 5, 3), 0) << "unknown thick mode";
}

TEST(HitTestCircle, ThreeByThreeGridOfTheWidenedRectangle) {
    // x2 - x1 = 40: t = 8, R is 56 wide, cut 14 / 28 / 14.
    const LONG x1 = 100, y1 = 100, x2 = 140, y2 = 140;
    EXPECT_EQ(circle(x1, y1, x2, y2, 92, 92), 1);
    EXPECT_EQ(circle(x1, y1, x2, y2, 105, 92), 1);
    EXPECT_EQ(circle(x1, y1, x2, y2, 106, 92), 7);
    EXPECT_EQ(circle(x1, y1, x2, y2, 133, 92), 7);
    EXPECT_EQ(circle(x1, y1, x2, y2, 134, 92), 2);
    EXPECT_EQ(circle(x1, y1, x2, y2, 120, 120), 15);
    EXPECT_EQ(circle(x1, y1, x2, y2, 92, 120), 5);
    EXPECT_EQ(circle(x1, y1, x2, y2, 147, 120), 6);
    EXPECT_EQ(circle(x1, y1, x2, y2, 120, 147), 8);
    EXPECT_EQ(circle(x1, y1, x2, y2, 92, 147), 3);
    EXPECT_EQ(circle(x1, y1, x2, y2, 147, 147), 4);
    EXPECT_EQ(circle(x1, y1, x2, y2, 148, 120), 0);
    EXPECT_EQ(circle(x2, y2, x1, y1, 120, 120), 15) << "corners in any order";
}

TEST(HitTestFreeform, FinishedPolylineIsHitInsideItsBox) {
    LONG box[4] = {10, 20, 30, 40};
    EXPECT_EQ(HitTestFreeform(box, POINT{10, 20}, 2), 15);
    EXPECT_EQ(HitTestFreeform(box, POINT{29, 39}, 2), 15);
    EXPECT_EQ(HitTestFreeform(box, POINT{30, 39}, 2), 0) << "half-open, no tolerance";
}

class ClampTest : public ::testing::Test {
protected:
    ProfileRecord *record = new ProfileRecord{};
    void TearDown() override { delete record; }
    void drag(LONG x1, LONG y1, LONG x2, LONG y2, WORD thick = 0) {
        record->imageWidth = 100;
        record->imageHeight = 80;
        record->thickMode = thick;
        LONG g[4] = {x1, y1, x2, y2};
        for (int i = 0; i < 4; ++i) record->dragGeometry[i] = g[i];
        ClampDragGeometry(record);
    }
    std::vector<LONG> result() const {
        return std::vector<LONG>(record->dragGeometry, record->dragGeometry + 4);
    }
};

TEST_F(ClampTest, SlidesBackOntoTheImageKeepingTheExtent) {
    drag(-5, 10, 40, 20);
    EXPECT_EQ(result(), (std::vector<LONG>{0, 10, 45, 20}));
    drag(60, 10, 104, 20);
    EXPECT_EQ(result(), (std::vector<LONG>{55, 10, 99, 20}));
    drag(10, -3, 20, 90);
    EXPECT_EQ(result(), (std::vector<LONG>{10, 0, 20, 79})) << "too tall: clipped at both ends";
    drag(50, 30, -10, 30);
    EXPECT_EQ(result(), (std::vector<LONG>{60, 30, 0, 30}));
}

TEST_F(ClampTest, NeverASinglePointNorAnEmptyBand) {
    drag(30, 30, 30, 30);
    EXPECT_EQ(result(), (std::vector<LONG>{29, 30, 30, 30}));
    drag(0, 0, 0, 0);
    EXPECT_EQ(result(), (std::vector<LONG>{0, 0, 1, 0}));
    drag(40, 10, 40, 20, 1);
    EXPECT_EQ(result(), (std::vector<LONG>{39, 10, 40, 20}));
    drag(0, 20, 0, 10, 1);
    EXPECT_EQ(result(), (std::vector<LONG>{0, 10, 1, 10})) << "grows by one, and y1 follows y2";
    drag(10, 5, 20, 5, 2);
    EXPECT_EQ(result(), (std::vector<LONG>{10, 4, 20, 5}));
}

TEST_F(ClampTest, FreeformShiftStopsAtTheOutermostVertex) {
    record->imageWidth = 100;
    record->imageHeight = 80;
    record->freeformCount = 3;
    record->freeformPoints[0] = POINT{10, 10};
    record->freeformPoints[1] = POINT{90, 40};
    record->freeformPoints[2] = POINT{50, 75};
    LONG dx = 20, dy = -15;
    ClampFreeformShift(record, &dx, &dy);
    EXPECT_EQ(dx, 9);
    EXPECT_EQ(dy, -10);
    dx = -30, dy = 30;
    ClampFreeformShift(record, &dx, &dy);
    EXPECT_EQ(dx, -10);
    EXPECT_EQ(dy, 4);
}

}  // namespace
