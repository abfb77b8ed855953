// Rectangle helpers: half-open rectangles, empty results, null pointers.
#include <gtest/gtest.h>

#include <windows.h>

namespace {

::testing::AssertionResult is(const RECT &a, LONG l, LONG t, LONG r, LONG b) {
    if (a.left == l && a.top == t && a.right == r && a.bottom == b) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a.left << "," << a.top << "," << a.right << "," << a.bottom;
}

}  // namespace

TEST(RectHelpers, SetCopyInflateOffsetAndNullPointers) {
    RECT r{}, copy{};
    EXPECT_TRUE(SetRect(&r, 1, 2, 5, 7) && CopyRect(&copy, &r) && InflateRect(&r, 2, -1));
    EXPECT_TRUE(is(copy, 1, 2, 5, 7));
    EXPECT_TRUE(is(r, -1, 3, 7, 6));
    EXPECT_TRUE(OffsetRect(&r, 10, -3));
    EXPECT_TRUE(is(r, 9, 0, 17, 3));
    EXPECT_TRUE(SetRectEmpty(&r) && is(r, 0, 0, 0, 0));
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1) || CopyRect(&r, nullptr) || InflateRect(nullptr, 1, 1) ||
                 OffsetRect(nullptr, 1, 1) || EqualRect(&r, nullptr) || PtInRect(nullptr, POINT{0, 0}));
    EXPECT_TRUE(IsRectEmpty(nullptr));
}

TEST(RectHelpers, RectanglesAreHalfOpen) {
    RECT r{0, 0, 4, 3}, flat{0, 0, 4, 0}, inverted{4, 0, 0, 3}, out{9, 9, 9, 9};
    EXPECT_TRUE(PtInRect(&r, POINT{3, 2}) && !PtInRect(&r, POINT{4, 2}) && !PtInRect(&r, POINT{3, 3}));
    EXPECT_TRUE(!IsRectEmpty(&r) && IsRectEmpty(&flat) && IsRectEmpty(&inverted));
    RECT overlapping{2, 1, 9, 9}, touching{4, 0, 8, 3};
    EXPECT_TRUE(IntersectRect(&out, &r, &overlapping) && is(out, 2, 1, 4, 3));
    EXPECT_FALSE(IntersectRect(&out, &r, &touching));  // an edge in common is no pixel in common
    EXPECT_TRUE(is(out, 0, 0, 0, 0));
}

TEST(RectHelpers, UnionIgnoresEmptyRectanglesAndEqualComparesAllSides) {
    RECT a{0, 0, 2, 2}, b{5, 5, 6, 9}, empty{3, 3, 3, 8}, out{};
    EXPECT_TRUE(UnionRect(&out, &a, &b) && is(out, 0, 0, 6, 9));
    EXPECT_TRUE(UnionRect(&out, &empty, &b) && is(out, 5, 5, 6, 9));
    EXPECT_FALSE(UnionRect(&out, &empty, &empty));
    EXPECT_TRUE(is(out, 0, 0, 0, 0));
    RECT same{5, 5, 6, 9}, taller{5, 5, 6, 10};
    EXPECT_TRUE(EqualRect(&b, &same) && !EqualRect(&b, &taller));
}
