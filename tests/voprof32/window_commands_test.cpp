// The profile window's geometry commands (types remembered per type, default
// rectangles, bands never of zero width, Delete Freeform), the channel button
// walking the front plot, and the range markers drawn over the chart by XOR.
#include <platform/embed.h>

#include "chart/profile_chart.h"
#include "core/host_state.h"
#include "module_fixture.h"
#include "sampling/statistics.h"

using testing_support::ModuleTest;

namespace {

using Geometry = std::vector<LONG>;

class WindowCommandsTest : public ModuleTest {
protected:
    ProfileRecord *r = nullptr;
    void open(const char *kind) {
        openImage(200, 100, kind, "ramp-x");
        r = createProfile();
        ASSERT_NE(r, nullptr);
        plat::pumpMessages();
        host::state().recorded.clear();
    }
    void command(WORD id) {
        SendMessageA(r->profileWnd, WM_COMMAND, id, 0);
        plat::pumpMessages();
    }
    Geometry geometry() const { return {r->geometry[0], r->geometry[1], r->geometry[2], r->geometry[3]}; }
};

TEST_F(WindowCommandsTest, EachGeometryTypeComesBackAsItWasLeft) {
    open("gray8");
    ASSERT_TRUE(moveTo(r, 10, 50, 150, 60));
    command(1017);  // a circle never shown: a tenth to three tenths of the image, 20 in
    EXPECT_EQ(r->geometryCtlId, GEOMETRY_CIRCLE);
    EXPECT_EQ(geometry(), (Geometry{40, 30, 80, 50}));
    EXPECT_EQ(IsDlgButtonChecked(r->profileWnd, 1017), BST_CHECKED);
    command(1016);
    EXPECT_EQ(geometry(), (Geometry{10, 50, 150, 60}));
    EXPECT_EQ(r->sampleCount, 141);
    EXPECT_EQ(host::state().recorded,
              (std::vector<std::string>{"VoProfSetAttr(LINEGEOMETRY, PROFTYPE_CIRCLE)",
                                        "VoProfSetAttr(LINEGEOMETRY, PROFTYPE_LINE)"}));
}

TEST_F(WindowCommandsTest, FreeformWithoutPolylineHasNoChartUntilDrawn) {
    open("gray8");
    command(1018);
    EXPECT_EQ(r->chartHandle, 0u);
    EXPECT_EQ(host::state().status, "Click and drag to draw lines, double-click to finish.");
    EXPECT_TRUE(host::state().recorded.empty()) << "the finished polyline is recorded, not the switch";
    r->freeformCount = 3, r->freeformState = 2;
    r->freeformPoints[0] = POINT{5, 5}, r->freeformPoints[1] = POINT{50, 5},
    r->freeformPoints[2] = POINT{50, 40};
    command(1016);
    command(1018);  // a finished polyline comes back adopted
    EXPECT_EQ(geometry(), (Geometry{5, 5, 50, 40}));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(r->profileWnd, 1019)));
    command(1019);
    EXPECT_EQ(r->freeformState, 0);
    EXPECT_EQ(r->freeformCount, 0);
    EXPECT_EQ(r->chartHandle, 0u);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(r->profileWnd, 1019)));
}

TEST_F(WindowCommandsTest, ThickModesNeverStartWithZeroWidth) {
    open("gray8");
    ASSERT_TRUE(moveTo(r, 2, 10, 2, 90));
    command(1304);  // Thick Horz on a vertical line at x 2
    EXPECT_EQ(r->thickMode, 1);
    EXPECT_EQ(geometry(), (Geometry{0, 10, 4, 90}));
    command(1303);
    EXPECT_EQ(r->thickMode, 0);
    EXPECT_EQ(host::state().recorded, (std::vector<std::string>{"VoProfSetAttr(LINETYPE, THICKHORZ)",
                                                                "VoProfSetAttr(LINETYPE, THICKNORMAL)"}));
}

TEST_F(WindowCommandsTest, ChannelButtonBringsTheNextChannelToTheFront) {
    open("rgb");
    std::vector<int> front;
    for (int i = 0; i < 4; ++i) {
        command(115);
        front.push_back(ProfileShownChannel(r));
    }
    EXPECT_EQ(front, (std::vector<int>{1, 0, 2, 1}));
    EXPECT_TRUE(host::state().recorded.empty());
}

TEST_F(WindowCommandsTest, RangeMarkersAreXorStrokesOnOddAndEvenColumns) {
    open("gray8");
    testing_support::ChartCanvas canvas(r->chartHandle);
    HDC dc = canvas.dc;
    const LONG *area = canvas.area;
    std::vector<COLORREF> before;
    for (int x = 0; x < 400; ++x) before.push_back(GetPixel(dc, x, area[1] + 10));
    r->rangeMarkers[0] = 0;
    r->rangeMarkers[1] = r->sampleCount - 1;
    ProfileDrawRangeMarker(dc, r, 0);
    ProfileDrawRangeMarker(dc, r, 1);
    LONG x0 = (area[0] & ~1L) + 1, x1 = (area[2] & ~1L);
    int y = area[1] + 10;
    EXPECT_EQ(GetPixel(dc, x0 - 1, y), before[x0 - 1] ^ 0xFF00FF);
    EXPECT_EQ(GetPixel(dc, x0 + 2, y), before[x0 + 2] ^ 0xFF00FF);
    EXPECT_EQ(GetPixel(dc, x0, y), before[x0]) << "the marker's middle stays clear";
    EXPECT_EQ(GetPixel(dc, x1 - 1, y), before[x1 - 1] ^ 0xFF00FF) << "the last index on the right edge";
    ProfileDrawRangeMarker(dc, r, 1);
    ProfileDrawRangeMarker(dc, r, 0);
    for (int x = 0; x < 400; ++x) ASSERT_EQ(GetPixel(dc, x, y), before[x]) << "drawn twice: gone, x " << x;
}

}  // namespace
