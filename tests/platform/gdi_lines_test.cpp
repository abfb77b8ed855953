// MoveToEx, LineTo and Polyline through memory DCs: end points, raster
// operations, dash patterns and wide pens.
#include <cstdlib>

#include "gdi_test_support.h"

namespace {

// End points around (20, 20) in all eight octants, shallow, steep and diagonal.
const POINT kEnds[] = {{30, 24}, {24, 30}, {16, 30}, {10, 24}, {10, 16}, {16, 10}, {24, 10}, {30, 16},
                       {27, 27}, {13, 27}, {13, 13}, {27, 13}, {35, 20}, {20, 35}, {5, 20},  {20, 5}};

void line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

int count(const TestCanvas &c, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) n += c.at(x, y) == colour;
    return n;
}

}  // namespace

TEST(LineTo, LastPixelExcludedInAllEightOctants) {
    for (POINT end : kEnds) {
        TestCanvas c(40, 40);
        line(c.dc(), 20, 20, end.x, end.y);
        EXPECT_EQ(c.at(20, 20), kBlack) << end.x << "," << end.y;
        EXPECT_EQ(c.at(end.x, end.y), kWhite) << end.x << "," << end.y;
        EXPECT_EQ(count(c, kBlack), std::max(std::abs(end.x - 20), std::abs(end.y - 20)));
        POINT position{};
        MoveToEx(c.dc(), 0, 0, &position);
        EXPECT_TRUE(position.x == end.x && position.y == end.y);
    }
}

TEST(LineTo, XorLinesDrawnTwiceRestoreTheSurface) {
    for (int width : {1, 4}) {
        TestCanvas c(40, 40);
        c.fill(patternColour);
        std::vector<uint32_t> before = c.pixels();
        Selected pen(c.dc(), CreatePen(PS_SOLID, width, RGB(0x5A, 0xC3, 0x0F)));
        SetROP2(c.dc(), R2_XORPEN);
        for (int pass = 0; pass < 2; ++pass) {
            for (POINT end : kEnds) line(c.dc(), 20, 20, end.x, end.y);
            EXPECT_EQ(c.pixels() == before, pass == 1) << "width " << width;
        }
    }
}

TEST(LineTo, NotModeInvertsOnceAndRestoresTwice) {
    TestCanvas c(40, 40);
    c.fill(patternColour);
    SetROP2(c.dc(), R2_NOT);
    line(c.dc(), 3, 4, 33, 21);
    EXPECT_EQ(c.at(3, 4), patternColour(3, 4) ^ 0xFFFFFF);
    line(c.dc(), 3, 4, 33, 21);
    EXPECT_TRUE(pixelsFollow(c, patternColour));
}

TEST(LineTo, ConsecutiveLinesTouchEveryJointOnce) {
    TestCanvas c(30, 30, kBlack);
    SetROP2(c.dc(), R2_XORPEN);
    Selected pen(c.dc(), CreatePen(PS_SOLID, 1, kWhite));
    MoveToEx(c.dc(), 2, 2, nullptr);
    for (POINT p : {POINT{20, 2}, POINT{20, 20}, POINT{2, 20}, POINT{2, 2}}) LineTo(c.dc(), p.x, p.y);
    EXPECT_TRUE(pixelsFollow(c, [](int x, int y) {
        return inBox(x, y, 2, 2, 21, 21) && !inBox(x, y, 3, 3, 20, 20) ? kWhite : kBlack;
    }));
}

TEST(Polyline, DrawsEverySegmentButTheFinalPointAndKeepsThePosition) {
    TestCanvas c(20, 20);
    MoveToEx(c.dc(), 5, 6, nullptr);
    const POINT points[] = {{2, 2}, {12, 2}, {12, 9}};
    EXPECT_TRUE(Polyline(c.dc(), points, 3));
    EXPECT_TRUE(pixelsFollow(c, [](int x, int y) {
        return (y == 2 && x >= 2 && x <= 12) || (x == 12 && y >= 2 && y < 9) ? kBlack : kWhite;
    }));
    POINT position{};
    MoveToEx(c.dc(), 0, 0, &position);
    EXPECT_TRUE(position.x == 5 && position.y == 6);
    EXPECT_FALSE(Polyline(c.dc(), points, 1));
}

// Windows' cosmetic pen patterns: runs of (on, off, ...) pixels.
struct DashCase {
    int style;
    std::vector<int> runs;
};

class DashedPen : public ::testing::TestWithParam<DashCase> {};

TEST_P(DashedPen, GapsKeepTheBackgroundWhenTransparentAndTakeTheBkColourWhenOpaque) {
    std::vector<bool> on;
    for (size_t i = 0; i < GetParam().runs.size(); ++i)
        on.insert(on.end(), static_cast<size_t>(GetParam().runs[i]), i % 2 == 0);
    for (int mode : {TRANSPARENT, OPAQUE}) {
        TestCanvas c(60, 3);
        Selected pen(c.dc(), CreatePen(GetParam().style, 1, kBlue));
        SetBkMode(c.dc(), mode);
        SetBkColor(c.dc(), kRed);
        line(c.dc(), 0, 1, 60, 1);
        COLORREF gap = mode == OPAQUE ? kRed : kWhite;
        EXPECT_TRUE(
            pixelsFollow(c,
                         [&](int x, int y) {
                             return y != 1 ? kWhite : on[static_cast<size_t>(x) % on.size()] ? kBlue : gap;
                         }))
            << "mode " << mode;
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, DashedPen,
                         ::testing::Values(DashCase{PS_DASH, {18, 6}}, DashCase{PS_DOT, {3, 3}},
                                           DashCase{PS_DASHDOT, {9, 6, 3, 6}},
                                           DashCase{PS_DASHDOTDOT, {9, 3, 3, 3, 3, 3}}));

TEST(DashedPen, PatternRunsOnAcrossLineToAndRestartsAtMoveToEx) {
    TestCanvas once(60, 3), split(60, 3), moved(60, 3);
    for (TestCanvas *c : {&once, &split, &moved}) SelectObject(c->dc(), CreatePen(PS_DASHDOT, 1, kBlack));
    line(once.dc(), 0, 1, 50, 1);
    line(split.dc(), 0, 1, 13, 1);
    LineTo(split.dc(), 50, 1);
    line(moved.dc(), 0, 1, 13, 1);
    line(moved.dc(), 13, 1, 50, 1);
    EXPECT_EQ(once.pixels(), split.pixels());
    EXPECT_EQ(moved.at(12, 1), kWhite);  // in the first gap
    EXPECT_EQ(moved.at(13, 1), kBlack);  // the pattern starts again
    for (TestCanvas *c : {&once, &split, &moved})
        DeleteObject(SelectObject(c->dc(), GetStockObject(BLACK_PEN)));
}

TEST(WidePen, CoversItsWidthWithRoundCapsAndStyledWidePensDrawSolid) {
    TestCanvas c(50, 30);
    Selected pen(c.dc(), CreatePen(PS_DOT, 5, kBlack));
    line(c.dc(), 10, 15, 40, 15);
    for (int x = 8; x <= 42; ++x) EXPECT_EQ(c.at(x, 15), kBlack) << x;
    EXPECT_EQ(c.at(7, 15), kWhite);
    EXPECT_EQ(c.at(43, 15), kWhite);
    EXPECT_EQ(c.at(42, 13), kWhite);  // the cap is round
    for (int y = 0; y < 30; ++y) EXPECT_EQ(c.at(25, y), (y >= 13 && y <= 17) ? kBlack : kWhite) << y;
}

TEST(LineTo, NullPenAndEmptyLinesDrawNothingAndHugeCoordinatesFail) {
    TestCanvas c(20, 20);
    line(c.dc(), 4, 4, 4, 4);
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    line(c.dc(), 1, 1, 15, 12);
    EXPECT_EQ(count(c, kWhite), 400);
    EXPECT_FALSE(LineTo(c.dc(), 1 << 28, 5));
    EXPECT_TRUE(LineTo(c.dc(), (1 << 27) - 1, 5));
}
