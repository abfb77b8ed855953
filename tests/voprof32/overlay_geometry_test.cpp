// The geometry model: hit tests on the exact boundaries of their zones,
// tolerances, normalisation, and the clamps at the image borders.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frame/profile_record.h"
#include "overlay/geometry.h"

namespace {

using Rect = std::vector<LONG>;

TEST(Geometry, NormaliseAndOrder) {
    LONG r[4] = {10, 20, 5, 2};
    NormaliseRect(r);
    EXPECT_EQ(Rect(r, r + 4), (Rect{5, 2, 10, 20}));
    POINT a{9, 1}, b{3, 7};
    OrderPointsByX(&a, &b);
    EXPECT_EQ(a.x, 3);
    EXPECT_EQ(a.y, 7);
    POINT c{4, 9}, d{4, 1};
    OrderPointsByX(&c, &d);
    EXPECT_EQ(c.y, 9) << "equal x keeps the order";
}

TEST(HitTestLine, ToleranceFollowsTheExtent) {
    const struct { LONG x2, y2, tolerance; } kExtents[] = {{3, 3, 1}, {32, 0, 8}, {12, 20, 5}};
    for (const auto &e : kExtents) {
        LONG r[4] = {0, 0, e.x2, e.y2};
        HitTestLine(r, POINT{100, 100}, 0);
        EXPECT_EQ(hitTolerance, e.tolerance) << e.x2 << ", " << e.y2;
    }
}

// A point probed (with the `rows` below it, all with the same answer) and the zone expected.
struct Probe {
    LONG x, y;
    WORD zone;
    LONG rows = 1;
    const char *why = "";
};

// A shape ('l' line or band, 'c' circle, 'f' finished polyline) with its
// corners, its thick mode (a polyline's state), and the points probed. Lines
// and circles of these sizes have t = 8.
// clang-format off
const struct {
    char shape;
    LONG g[4];
    WORD mode;
    std::vector<Probe> probes;
} kHits[] = {
    {'l', {10, 10, 12, 11}, 0, {{11, 10, 3, 1, "both ends within the tolerance: the start wins"}}},
    {'l', {0, 0, 40, 40}, 0, {{8, 8, 3, 1, "the corner of the start square"}, {32, 32, 12}, {31, 32, 15}}},
    // Rows y1 - 8 to y1 + 6 are on a horizontal line: the band is asymmetric.
    {'l', {0, 100, 100, 100}, 0, {{50, 92, 15, 15}, {50, 107, 0}, {50, 91, 0}}},
    {'l', {100, 0, 100, 100}, 0, {{106, 50, 15}, {107, 50, 0}, {92, 50, 15}}},
    // Slope 1/2: the horizontal distance in the point's row is 2 x dy.
    {'l', {0, 0, 80, 40}, 0, {{40 + 7, 20, 15}, {40 + 8, 20, 0, 1, "d = -8 is not strictly inside"},
                              {40 - 8, 20, 0}, {88, 20, 0, 1, "outside the widened rectangle"}}},
    {'l', {10, 10, 80, 40}, 0, {{1, 10, 0, 1, "left edge minus t is inside, one more is not"}, {2, 10, 3}}},
    // A thin horizontal band, three rows high, away from both ends: m = 8.
    {'l', {0, 100, 200, 102}, 1, {{100, 92, 2, 9}, {100, 101, 15}, {100, 102, 8, 8},
                                  {100, 110, 0, 1, "the widened rectangle ends there"},
                                  {8, 100, 1, 1, "the ends come first"}, {192, 102, 4}}},
    // A wide band, 41 rows: no margin; vertical bands mirror.
    {'l', {0, 100, 200, 140}, 1, {{100, 108, 2}, {100, 109, 15}, {100, 132, 8}, {100, 131, 15}}},
    {'l', {100, 0, 140, 200}, 2, {{108, 100, 1}, {120, 100, 15}, {132, 100, 4}, {120, 8, 2}, {120, 192, 8}}},
    {'l', {0, 0, 10, 10}, 3, {{5, 5, 0, 1, "unknown thick mode"}}},
    // A circle's widened rectangle R, 56 wide, as a 3 x 3 grid cut 14 / 28 / 14.
    {'c', {100, 100, 140, 140}, 0, {{92, 92, 1}, {105, 92, 1}, {106, 92, 7}, {133, 92, 7}, {134, 92, 2},
                                    {120, 120, 15}, {92, 120, 5}, {147, 120, 6}, {120, 147, 8},
                                    {92, 147, 3}, {147, 147, 4}, {148, 120, 0}}},
    {'c', {140, 140, 100, 100}, 0, {{120, 120, 15, 1, "corners in any order"}}},
    // A finished polyline is hit inside its box, half-open, without tolerance.
    {'f', {10, 20, 30, 40}, 2, {{10, 20, 15}, {29, 39, 15}, {30, 39, 0}}},
};
// clang-format on

TEST(HitTest, ZonesOfLinesBandsCirclesAndPolylines) {
    for (const auto &h : kHits)
        for (const Probe &c : h.probes)
            for (LONG y = c.y; y < c.y + c.rows; ++y) {
                const POINT p{c.x, y};
                const WORD zone = h.shape == 'l'   ? HitTestLine(h.g, p, h.mode)
                                  : h.shape == 'c' ? HitTestCircle(h.g, p)
                                                   : HitTestFreeform(h.g, p, h.mode);
                EXPECT_EQ(zone, c.zone)
                    << h.shape << " " << h.g[0] << "," << h.g[1] << "-" << h.g[2] << "," << h.g[3] << " mode "
                    << h.mode << " at " << c.x << "," << y << ": " << c.why;
            }
}

// A drag on a 100 x 80 image slides back keeping its extent, is clipped when
// too large, and never becomes a single point nor an empty band.
TEST(Clamp, DragsStayOnTheImage) {
    const struct {
        LONG drag[4];
        WORD thick;
        Rect clamped;
        const char *why;
    } kDrags[] = {
        {{-5, 10, 40, 20}, 0, {0, 10, 45, 20}, ""},
        {{60, 10, 104, 20}, 0, {55, 10, 99, 20}, ""},
        {{10, -3, 20, 90}, 0, {10, 0, 20, 79}, "too tall: clipped at both ends"},
        {{50, 30, -10, 30}, 0, {60, 30, 0, 30}, ""},
        {{30, 30, 30, 30}, 0, {29, 30, 30, 30}, ""},
        {{0, 0, 0, 0}, 0, {0, 0, 1, 0}, ""},
        {{40, 10, 40, 20}, 1, {39, 10, 40, 20}, ""},
        {{0, 20, 0, 10}, 1, {0, 10, 1, 10}, "grows by one, and y1 follows y2"},
        {{10, 5, 20, 5}, 2, {10, 4, 20, 5}, ""},
    };
    auto record = std::make_unique<ProfileRecord>();
    record->imageWidth = 100;
    record->imageHeight = 80;
    for (const auto &d : kDrags) {
        record->thickMode = d.thick;
        std::copy(d.drag, d.drag + 4, record->dragGeometry);
        ClampDragGeometry(record.get());
        EXPECT_EQ(Rect(record->dragGeometry, record->dragGeometry + 4), d.clamped)
            << d.drag[0] << "," << d.drag[1] << "-" << d.drag[2] << "," << d.drag[3] << " thick " << d.thick
            << ": " << d.why;
    }
}

TEST(Clamp, FreeformShiftStopsAtTheOutermostVertex) {
    auto record = std::make_unique<ProfileRecord>();
    record->imageWidth = 100;
    record->imageHeight = 80;
    record->freeformCount = 3;
    record->freeformPoints[0] = POINT{10, 10};
    record->freeformPoints[1] = POINT{90, 40};
    record->freeformPoints[2] = POINT{50, 75};
    LONG dx = 20, dy = -15;
    ClampFreeformShift(record.get(), &dx, &dy);
    EXPECT_EQ(dx, 9);
    EXPECT_EQ(dy, -10);
    dx = -30, dy = 30;
    ClampFreeformShift(record.get(), &dx, &dy);
    EXPECT_EQ(dx, -10);
    EXPECT_EQ(dy, 4);
}

}  // namespace
