// The range marks, checked on the image window's pixels: tick shapes, marks on
// lines, bands, circles and polylines (also at zoom 2), the traced pixels of a
// polyline, and the marks leaving the window again.
#include "module_fixture.h"

#include <platform/embed.h>

#include "overlay/range_marks.h"
#include "window/image_window.h"

using testing_support::ModuleTest;

namespace {

constexpr uint32_t kGreen = 0x00FF00, kWhite = 0xFFFFFF, kBlack = 0x000000;

TEST(RangeMarkShapes, TicksTurnAcrossTheDirectionAndRoundHalvesAwayFromZero) {
    const LONG cases[][6] = {{100, 0, 0, 10, 1, 0},  {0, 100, 10, 0, 0, 1}, {10, 10, 6, 6, 0, 1},
                             {10, -10, 6, -6, 0, 1}, {10, 3, 3, 9, 1, 0},   {16, 9, 5, 8, 1, 0},
                             {16, -9, -5, 8, 1, 0},  {30, 50, 8, 5, 0, 1}};  // dx dy -> u v sx sy
    for (const auto &c : cases) {
        MarkTick t{};
        ASSERT_TRUE(MarkTickShape(c[0], c[1], &t));
        EXPECT_EQ((std::vector<LONG>{t.u, t.v, t.sx, t.sy}), (std::vector<LONG>{c[2], c[3], c[4], c[5]}))
            << "direction " << c[0] << "," << c[1];
    }
    MarkTick t{};
    EXPECT_FALSE(MarkTickShape(0, 0, &t));
}

std::string Trace(std::vector<POINT> polyline, LONG limit) {
    std::vector<POINT> out(2 * static_cast<size_t>(limit));
    std::string s;
    LONG k = RasterisePolyline(out.data(), polyline.data(), limit, static_cast<LONG>(polyline.size()));
    for (LONG i = 0; i < k; ++i) s += std::to_string(out[i].x) + "," + std::to_string(out[i].y) + " ";
    return s;
}

TEST(RangeMarkShapes, PolylineTraceListsSegmentsWithoutTheirEndsUpToTheLimit) {
    EXPECT_EQ(Trace({{0, 0}, {3, 1}, {3, -1}}, 10), "0,0 1,0 2,1 3,1 3,0 ");
    EXPECT_EQ(Trace({{5, 5}, {1, 3}}, 10), "5,5 4,4 3,4 2,3 ") << "halves away from the start";
    EXPECT_EQ(Trace({{2, 2}, {2, 2}, {2, 4}}, 10), "2,2 2,2 2,3 ") << "a segment of no length";
    EXPECT_EQ(Trace({{0, 0}, {3, 0}, {3, 3}}, 2), "0,0 1,0 2,0 ") << "no segment starts past the limit";
    EXPECT_EQ(Trace({{0, 0}, {0, 9}}, 2), "0,0 0,1 0,2 0,3 ") << "the buffer holds twice the limit";
}

class MarksTest : public ModuleTest {
protected:
    ProfileRecord *r = nullptr;
    HWND window = nullptr;
    std::vector<uint32_t> shot;
    size_t shotWidth = 0;
    void SetUp() override {
        ModuleTest::SetUp();
        window = openImage(120, 100, "gray8", "const:128");
        r = createProfile();
        ASSERT_NE(r, nullptr);
    }
    // Without repainting, or with a whole repaint, where the paint hook draws the overlay.
    const std::vector<uint32_t> &capture(bool repaint = false) {
        if (repaint) InvalidateRect(window, nullptr, FALSE), plat::pumpMessages();
        auto image = plat::captureWindow(window, true);
        shot = image->pixels, shotWidth = image->width;
        return shot;
    }
    uint32_t px(int x, int y) { return shot.at(static_cast<size_t>(y) * shotWidth + x); }
    void geometry(WORD ctl, WORD thickMode, LONG x1, LONG y1, LONG x2, LONG y2, DWORD m1, DWORD m2) {
        r->geometryCtlId = ctl, r->thickMode = thickMode, r->freeformState = 2;
        ASSERT_TRUE(moveTo(r, x1, y1, x2, y2));
        r->statsMode = 2, r->rangeMarkers[0] = m1, r->rangeMarkers[1] = m2;
    }
    void polyline(std::vector<POINT> points, DWORD m1, DWORD m2) {
        std::copy(points.begin(), points.end(), r->freeformPoints);
        r->freeformCount = static_cast<WORD>(points.size());
        geometry(GEOMETRY_FREEFORM, 0, 0, 0, 0, 0, m1, m2);
    }
    // n green pixels from (x, y) in steps (dx, dy), each with black at +side and white at -side.
    void expectTick(int x, int y, int dx, int dy, int n, POINT side) {
        for (int i = 0; i < n; ++i, x += dx, y += dy) {
            EXPECT_EQ(px(x, y), kGreen) << "at " << x << "," << y;
            EXPECT_EQ(px(x + side.x, y + side.y), kBlack) << "beside " << x << "," << y;
            EXPECT_EQ(px(x - side.x, y - side.y), kWhite) << "beside " << x << "," << y;
        }
    }
};

TEST_F(MarksTest, LinesAndBandsShowAFullAndAHalfTickAtTheMarkersSamples) {
    geometry(GEOMETRY_LINE, 0, 10, 50, 110, 50, 0, 100);
    ASSERT_EQ(r->sampleCount, 101);
    capture(true);
    expectTick(10, 41, 0, 1, 20, {1, 0});  // (10, 60) up to (10, 40), whose pixel a line leaves out
    expectTick(110, 51, 0, 1, 10, {1, 0});
    EXPECT_NE(px(10, 40), kGreen);
    geometry(GEOMETRY_LINE, 0, 10, 10, 70, 70, 30, 60);  // 45 degrees: u = 6, v = 6
    capture(true);
    expectTick(34, 46, 1, -1, 12, {0, 1});
    geometry(GEOMETRY_LINE, 0, 40, 70, 10, 20, 7, 50);  // from the left end (10, 20), 3 across 5 down
    capture(true);
    expectTick(14, 27, 1, 0, 1, {0, 1});  // (10 + trunc(4.2), 20 + 7)
    EXPECT_EQ(px(14 - 8, 27 + 5), kGreen) << "the tick starts at (x - u, y + v)";

    geometry(GEOMETRY_LINE, 1, 10, 20, 110, 40, 0, 50);  // both edges, the same fraction along
    capture(true);
    expectTick(10, 11, 0, 1, 40, {1, 0});
    expectTick(60, 21, 0, 1, 10, {1, 0}), expectTick(60, 41, 0, 1, 10, {1, 0});
    EXPECT_NE(px(60, 35), kGreen);
}

TEST_F(MarksTest, CircleAndPolylineMarksSitOnTheOutlineAndFollowTheChartAtZoom2) {
    // This 81 x 61 outline starts (100, 40), (100, 41), (100, 42); its point 50 of 200 is the
    // bottom (60, 70), reached from (63, 70).
    geometry(GEOMETRY_CIRCLE, 0, 20, 10, 100, 70, 0, 50);
    ASSERT_EQ(r->sampleCount, 200);
    capture(true);
    expectTick(90, 42, 1, 0, 20, {0, 1});  // mark 1 from points 0 and 2: a level tick
    expectTick(60, 71, 0, 1, 10, {1, 0});  // leftward along the bottom: hanging below

    polyline({{10, 20}, {60, 20}, {60, 70}}, 30, 100);
    ASSERT_EQ(r->sampleCount, 101);
    capture(true);
    expectTick(40, 11, 0, 1, 20, {1, 0});
    expectTick(50, 70, 1, 0, 10, {0, 1});  // the last sample: on the polyline's end
    host::setClientSize(window, 240, 200);
    host::setZoom(window, 2);
    r->rangeMarkers[0] = 30, r->rangeMarkers[1] = 75;
    capture(true);
    expectTick(80, 31, 0, 1, 20, {1, 0});   // image (40, 20)
    expectTick(110, 90, 1, 0, 10, {0, 1});  // image (60, 45)
}

TEST_F(MarksTest, InvalidatingGivesBackTheWindowWithoutMarksAndNoneAreDrawnOutsideMode2) {
    auto check = [&](const char *what) {
        r->statsMode = 0;
        std::vector<uint32_t> plain = capture(true);
        r->statsMode = 1;
        EXPECT_EQ(capture(true), plain) << what;
        r->statsMode = 2, r->overlayHidden = 1;
        ProfileDrawImageMarks(r);
        EXPECT_EQ(capture(), plain) << what << ", hidden";
        r->overlayHidden = 0;
        ProfileDrawImageMarks(r);
        EXPECT_NE(capture(), plain) << what;
        InvalidateImageMarks(r, MARK_BOTH);
        EXPECT_EQ(capture(), plain) << what;
        EXPECT_EQ(r->statsMode, 2);
    };
    geometry(GEOMETRY_LINE, 0, 30, 80, 110, 20, 0, 80), check("rising line");
    geometry(GEOMETRY_LINE, 1, 10, 20, 110, 40, 0, 100), check("horizontal band");
    geometry(GEOMETRY_LINE, 2, 20, 10, 40, 70, 5, 60), check("vertical band");
    geometry(GEOMETRY_CIRCLE, 0, 20, 10, 100, 70, 0, 50), check("circle, right and bottom");
    geometry(GEOMETRY_CIRCLE, 0, 20, 10, 100, 70, 150, 100), check("circle, top and left");
    polyline({{10, 20}, {60, 20}, {60, 70}, {110, 70}}, 0, 150), check("polyline");

    geometry(GEOMETRY_LINE, 0, 10, 50, 110, 50, 0, 100);  // one mark at a time, as a chart drag does
    capture(true);
    InvalidateImageMarks(r, MARK_FIRST), capture();
    EXPECT_TRUE(px(10, 55) != kGreen && px(110, 55) == kGreen);
    InvalidateImageMarks(r, MARK_SECOND), capture();
    EXPECT_NE(px(110, 55), kGreen);
}

}  // namespace
