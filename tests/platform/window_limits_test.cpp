// Coordinates at the ends of the int range through the rectangle helpers, the
// point conversions, window placement and frame dragging: results saturate at
// the range's ends and windows stay in the 16-bit range Windows keeps them in.
// Under the asan preset UndefinedBehaviorSanitizer checks that no sum overflows.
#include <gtest/gtest.h>

#include <climits>

#include <platform/embed.h>
#include <windows.h>

#include "window_fixture.h"

using namespace testing_support;

namespace {

constexpr LONG kMax = INT_MAX, kMin = INT_MIN;
constexpr LONG kTop = SHRT_MAX, kBottom = SHRT_MIN;  // the window coordinate range

::testing::AssertionResult is(const RECT &a, const RECT &b) {
    if (EqualRect(&a, &b)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a.left << "," << a.top << "," << a.right << "," << a.bottom;
}

struct RectCase {
    const char *what;
    RECT start;
    int dx, dy;
    RECT offset, inflated;
};

const RectCase kRectCases[] = {
    {"towards the top", {0, 0, 10, 10}, kMax, kMax, {kMax, kMax, kMax, kMax}, {-kMax, -kMax, kMax, kMax}},
    {"towards the bottom",
     {-10, -10, 0, 0},
     kMin,
     kMin,
     {kMin, kMin, kMin, kMin},
     {kMax - 9, kMax - 9, kMin, kMin}},
    {"whole range by one",
     {kMin, kMin, kMax, kMax},
     1,
     -1,
     {kMin + 1, kMin, kMax, kMax - 1},
     {kMin, kMin + 1, kMax, kMax - 1}},
};

TEST(WindowLimits, RectangleHelpersSaturate) {
    for (const RectCase &c : kRectCases) {
        SCOPED_TRACE(c.what);
        RECT r = c.start;
        EXPECT_TRUE(OffsetRect(&r, c.dx, c.dy));
        EXPECT_TRUE(is(r, c.offset));
        r = c.start;
        EXPECT_TRUE(InflateRect(&r, c.dx, c.dy));
        EXPECT_TRUE(is(r, c.inflated));
    }
    RECT whole{kMin, kMin, kMax, kMax};
    EXPECT_TRUE(AdjustWindowRectEx(&whole, WS_OVERLAPPEDWINDOW, TRUE, WS_EX_CLIENTEDGE));
    EXPECT_TRUE(is(whole, RECT{kMin, kMin, kMax, kMax}));
}

class WindowLimitsTest : public WindowTest {};

// Windows at both ends of the range; points at both ends of int.
TEST_F(WindowLimitsTest, PointConversionsSaturate) {
    HWND low = makeTopLevel(WS_POPUP, kBottom, kBottom, 10, 10);
    HWND high = makeTopLevel(WS_POPUP, kTop, kTop, 10, 10);
    HWND child = makeChild(high, WS_CHILD, kTop, kTop, 10, 10, 1);
    struct Case {
        const char *what;
        HWND from, to;
        POINT point, expected;
    } cases[] = {
        {"client to screen, up", high, nullptr, {kMax, kMax}, {kMax, kMax}},
        {"client to screen, down", low, nullptr, {kMin, kMin}, {kMin, kMin}},
        {"screen to client, up", nullptr, low, {kMax, kMax}, {kMax, kMax}},
        {"screen to client, down", nullptr, high, {kMin, kMin}, {kMin, kMin}},
        {"child to low window", child, low, {kMax, 0}, {kMax, 3 * kTop + 1}},
        {"low window to child", low, child, {kMin, 0}, {kMin, -3 * kTop - 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        POINT p = c.point;
        if (!c.to) {
            EXPECT_TRUE(ClientToScreen(c.from, &p));
        } else if (!c.from) {
            EXPECT_TRUE(ScreenToClient(c.to, &p));
        } else {
            MapWindowPoints(c.from, c.to, &p, 1);
        }
        EXPECT_EQ(p.x, c.expected.x);
        EXPECT_EQ(p.y, c.expected.y);
    }
}

// Placements out of range, given to CreateWindowEx, SetWindowPos and MoveWindow
// for a child (whose rectangle is in its parent's client coordinates). INT_MIN
// itself is CW_USEDEFAULT to CreateWindowEx, so the lowest value is one above.
TEST_F(WindowLimitsTest, PlacementsAreKeptInTheWindowRange) {
    HWND parent = makeTopLevel(WS_POPUP, 0, 0, 100, 100);
    struct Case {
        int x, y, cx, cy;
        RECT expected;
    } cases[] = {
        {kMax, kMax, kMax, kMax, {kTop, kTop, 2 * kTop, 2 * kTop}},
        {kMin + 1, kMin + 1, kMin + 1, kMin + 1, {kBottom, kBottom, kBottom, kBottom}},
        {kMin + 1, 5, kMax, 7, {kBottom, 5, kBottom + kTop, 12}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " " << c.cx << "x" << c.cy);
        HWND made = CreateWindowExA(0, "TestWindow", "", WS_CHILD, c.x, c.y, c.cx, c.cy, parent, nullptr,
                                    nullptr, nullptr);
        HWND moved = makeChild(parent, WS_CHILD, 1, 1, 1, 1, 2);
        HWND positioned = makeChild(parent, WS_CHILD, 1, 1, 1, 1, 3);
        ASSERT_TRUE(made && moved && positioned);
        EXPECT_TRUE(MoveWindow(moved, c.x, c.y, c.cx, c.cy, TRUE));
        EXPECT_TRUE(SetWindowPos(positioned, nullptr, c.x, c.y, c.cx, c.cy, SWP_NOZORDER));
        for (HWND w : {made, moved, positioned}) {
            RECT r = windowRect(w);
            EXPECT_TRUE(is(r, c.expected));
            DestroyWindow(w);
        }
    }
}

// A framed window dragged and sized with the pointer sent to the ends of the
// int range stays within its tracking sizes and the window range.
TEST_F(WindowLimitsTest, DraggingToTheEndsOfTheRangeKeepsTheWindowInRange) {
    HWND w = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
    RECT r{};
    const POINT caption{200, 110}, rightEdge{399, 200};
    for (POINT grab : {caption, rightEdge}) {
        pressAndRelease(grab, {{kMax, kMax}, {kMin, kMin}, {kMax, kMin}});
        r = windowRect(w);
        EXPECT_GE(r.left, kBottom);
        EXPECT_LE(r.left, kTop);
        EXPECT_GE(r.right - r.left, GetSystemMetrics(SM_CXMINTRACK));
        EXPECT_LE(r.right - r.left, GetSystemMetrics(SM_CXMAXTRACK));
        SetWindowPos(w, nullptr, 100, 100, 300, 200, SWP_NOZORDER);
    }
    EXPECT_TRUE(SetWindowPos(w, nullptr, kMin, kMin, kMax, kMax, SWP_NOZORDER));
    r = windowRect(w);
    EXPECT_TRUE(is(r, RECT{kBottom, kBottom, kBottom + GetSystemMetrics(SM_CXMAXTRACK),
                           kBottom + GetSystemMetrics(SM_CYMAXTRACK)}));
}

}  // namespace
