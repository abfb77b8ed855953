// The mouse and the arrow keys on the image window, driven as the host drives
// the hook: hovering moves, presses, drag steps, releases and double-clicks in
// window coordinates, with Shift from the modifier state. Each case checks the
// geometry adopted, the statements recorded (as exact text) and, where it
// matters, the capture and the pixels.
#include <platform/embed.h>

#include "core/host_state.h"
#include "module_fixture.h"
#include "overlay/mouse.h"
#include "window/image_window.h"

using testing_support::ModuleTest;

namespace {

class MouseTest : public ModuleTest {
protected:
    ProfileRecord *r = nullptr;
    HWND window = nullptr;

    void open(int w, int h) {
        window = openImage(w, h, "gray8", "const:128");
        r = createProfile();
        ASSERT_NE(r, nullptr);
        plat::pumpMessages();
        host::state().recorded.clear();
    }
    void SetUp() override {
        ModuleTest::SetUp();
        open(120, 80);
    }
    void TearDown() override {
        plat::setModifierState(false, false);
        ModuleTest::TearDown();
    }
    LONG send(UINT message, LONG x, LONG y, WPARAM wParam = 0) {
        LONG result = ProfileClientProc(window, 0, 1, message, wParam, MAKELPARAM(x, y));
        plat::pumpMessages();
        return result;
    }
    // A hand's drag: hover at the start, press, one step, release at the end.
    void drag(LONG x1, LONG y1, LONG x2, LONG y2) {
        send(WM_MOUSEMOVE, x1, y1);
        send(WM_LBUTTONDOWN, x1, y1);
        send(WM_MOUSEMOVE, x2, y2);
        send(WM_LBUTTONUP, x2, y2);
    }
    std::vector<LONG> geometry() const {
        return {r->geometry[0], r->geometry[1], r->geometry[2], r->geometry[3]};
    }
    const std::vector<std::string> &recorded() const { return host::state().recorded; }
    void startFreeform() {
        r->geometryCtlId = GEOMETRY_FREEFORM;
        r->freeformState = 0;
        r->freeformCount = 0;
    }
    uint32_t px(int x, int y) { return testing_support::windowPixel(window, x, y); }
};

using Geometry = std::vector<LONG>;

TEST_F(MouseTest, DraggingLineEndsAdoptsAndRecordsTheMove) {
    ASSERT_TRUE(moveTo(r, 20, 40, 100, 40));
    drag(100, 40, 110, 30);
    EXPECT_EQ(geometry(), (Geometry{20, 40, 110, 30}));
    EXPECT_EQ(r->sampleCount, 91);
    drag(21, 41, 31, 46);  // within the tolerance of the start point
    EXPECT_EQ(geometry(), (Geometry{30, 45, 110, 30}));
    EXPECT_EQ(recorded(), (std::vector<std::string>{"VoProfLineMove(20, 40, 110, 30)",
                                                    "VoProfLineMove(30, 45, 110, 30)"}));
    EXPECT_EQ(r->dragging, 0u);
    EXPECT_EQ(r->overlayHidden, 0u);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MouseTest, DragsAreClampedToTheImageAndNeverLeaveASinglePoint) {
    host::setClientSize(window, 160, 80);  // room right of the image
    ASSERT_TRUE(moveTo(r, 60, 40, 110, 40));
    drag(110, 40, 124, 40);  // the end 5 past the right border slides the line left
    EXPECT_EQ(geometry(), (Geometry{55, 40, 119, 40}));
    drag(55, 40, 119, 40);  // the start onto the end
    EXPECT_EQ(geometry(), (Geometry{118, 40, 119, 40})) << "one pixel long";
    ASSERT_TRUE(moveTo(r, 20, 20, 60, 50));
    drag(40, 35, 140, 35);  // the whole line far past the right border
    EXPECT_EQ(geometry(), (Geometry{79, 20, 119, 50}));
}

TEST_F(MouseTest, PressOnNothingIsLeftToTheHost) {
    ASSERT_TRUE(moveTo(r, 20, 40, 100, 40));
    send(WM_MOUSEMOVE, 60, 10);
    EXPECT_EQ(r->hitCode, 0);
    EXPECT_EQ(send(WM_LBUTTONDOWN, 60, 10), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(r->dragging, 0u);
    EXPECT_EQ(send(WM_LBUTTONUP, 60, 10), 0);
    EXPECT_TRUE(recorded().empty());
}

TEST_F(MouseTest, TheDragShapeIsInvertedAndLeavesTheImageAsItWas) {
    ASSERT_TRUE(moveTo(r, 20, 40, 100, 40));
    send(WM_MOUSEMOVE, 60, 40);
    send(WM_LBUTTONDOWN, 60, 40);
    EXPECT_EQ(r->overlayHidden, 1u);
    EXPECT_EQ(px(60, 39), 0x808080u) << "the live line is off during the drag";
    EXPECT_EQ(px(60, 40), 0x7F7F7Fu) << "the drag shape inverts the image";
    send(WM_MOUSEMOVE, 60, 20);
    EXPECT_EQ(px(60, 40), 0x808080u) << "the previous step's shape is taken off";
    EXPECT_EQ(px(60, 20), 0x7F7F7Fu);
    send(WM_LBUTTONUP, 60, 20);
    EXPECT_EQ(px(60, 20), 0xFFFFFFu) << "the adopted line is drawn";
    EXPECT_EQ(px(60, 19), 0u);
}

TEST_F(MouseTest, BandEdgesFollowTheirAxisAndShiftKeepsMovesAcrossTheBand) {
    ASSERT_TRUE(moveTo(r, 20, 30, 100, 30));
    r->thickMode = 1;
    ASSERT_TRUE(moveTo(r, 20, 30, 100, 50));
    drag(60, 50, 65, 60);  // the bottom edge: only y2 follows
    EXPECT_EQ(geometry(), (Geometry{20, 30, 100, 60}));
    drag(20, 45, 10, 40);  // the left end: only x1 follows
    EXPECT_EQ(geometry(), (Geometry{10, 30, 100, 60}));
    plat::setModifierState(true, false);
    drag(60, 45, 70, 50);  // the whole band, with Shift only across
    EXPECT_EQ(geometry(), (Geometry{10, 35, 100, 65}));
    plat::setModifierState(false, false);
    r->thickMode = 2;
    ASSERT_TRUE(moveTo(r, 40, 10, 60, 70));
    plat::setModifierState(true, false);
    drag(50, 40, 55, 50);  // a vertical band with Shift moves only sideways
    EXPECT_EQ(geometry(), (Geometry{45, 10, 65, 70}));
    EXPECT_EQ(recorded().back(), "VoProfLineMove(45, 10, 65, 70)");
}

TEST_F(MouseTest, CircleHandlesAndShiftMakingASquare) {
    r->geometryCtlId = GEOMETRY_CIRCLE;
    ASSERT_TRUE(moveTo(r, 20, 20, 60, 50));
    drag(60, 50, 70, 55);  // bottom-right corner
    EXPECT_EQ(geometry(), (Geometry{20, 20, 70, 55}));
    drag(20, 37, 25, 0);  // left side: only x1
    EXPECT_EQ(geometry(), (Geometry{25, 20, 70, 55}));
    plat::setModifierState(true, false);
    drag(25, 20, 30, 5);  // top-left corner with Shift: square by the width
    EXPECT_EQ(geometry(), (Geometry{30, 15, 70, 55}));
    plat::setModifierState(false, false);
    drag(70, 55, 10, 10);  // the corner dragged across: the rectangle is ordered on release
    EXPECT_EQ(geometry(), (Geometry{10, 10, 30, 15}));
}

TEST_F(MouseTest, CursorFollowsTheLastHoverHit) {
    ASSERT_TRUE(moveTo(r, 20, 40, 100, 40));
    send(WM_MOUSEMOVE, 20, 40);
    EXPECT_EQ(send(WM_SETCURSOR, 0, 0), 1);
    EXPECT_EQ(GetCursor(), endPointCursor);
    send(WM_MOUSEMOVE, 60, 40);
    send(WM_SETCURSOR, 0, 0);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, MAKEINTRESOURCEA(32646)));
    send(WM_MOUSEMOVE, 60, 5);
    EXPECT_EQ(send(WM_SETCURSOR, 0, 0), 0) << "over nothing the host's cursor shows";
    EXPECT_EQ(ProfileSetCursor(1, 8, 0, GEOMETRY_LINE), 1);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENS));
    ProfileSetCursor(0, 2, 0, GEOMETRY_CIRCLE);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENESW));
    HCURSOR before = GetCursor();
    EXPECT_EQ(ProfileSetCursor(0, 4, 1, GEOMETRY_CIRCLE), 1) << "dragging keeps the cursor";
    EXPECT_EQ(GetCursor(), before);
}

TEST_F(MouseTest, SuspendedMouseStartsNoDrag) {
    ASSERT_TRUE(moveTo(r, 20, 40, 100, 40));
    ProfileClientProc(window, 0, 0, HostNoticeMouseSuspend, HostMouseSuspendTool, 0);
    drag(100, 40, 110, 30);
    EXPECT_EQ(geometry(), (Geometry{20, 40, 100, 40}));
    ProfileClientProc(window, 0, 0, HostNoticeMouseSuspend, 0, 0);
    drag(100, 40, 110, 30);
    EXPECT_EQ(geometry(), (Geometry{20, 40, 110, 30}));
}

TEST_F(MouseTest, ArrowKeysNudgeAndRecordOnRelease) {
    ASSERT_TRUE(moveTo(r, 20, 40, 100, 40));
    EXPECT_EQ(ProfileClientProc(window, 0, 1, WM_KEYDOWN, VK_RIGHT, 0), 1);
    EXPECT_EQ(geometry(), (Geometry{21, 40, 101, 40}));
    EXPECT_TRUE(recorded().empty()) << "recorded only when the key is released";
    EXPECT_EQ(ProfileClientProc(window, 0, 1, WM_KEYUP, VK_RIGHT, 0), 0);
    plat::setModifierState(true, false);
    for (int i = 0; i < 3; ++i) ProfileClientProc(window, 0, 1, WM_KEYDOWN, VK_RIGHT, 0);
    ProfileClientProc(window, 0, 1, WM_KEYDOWN, VK_UP, 0);
    ProfileClientProc(window, 0, 1, WM_KEYUP, VK_UP, 0);
    EXPECT_EQ(geometry(), (Geometry{39, 30, 119, 30})) << "pushed back inside, keeping the length";
    EXPECT_EQ(recorded(), (std::vector<std::string>{"VoProfLineMove(21, 40, 101, 40)",
                                                    "VoProfLineMove(39, 30, 119, 30)"}));
    EXPECT_EQ(ProfileClientProc(window, 0, 1, WM_KEYDOWN, 'A', 0), 0);
}

TEST_F(MouseTest, ArrowKeyOverAWindowWithoutProfileIsSwallowedOnlyOnKeyDown) {
    HWND other = openImage(40, 40, "gray8", "const:1");
    EXPECT_EQ(ProfileClientProc(other, 0, 1, WM_KEYDOWN, VK_LEFT, 0), 1);
    EXPECT_EQ(ProfileClientProc(other, 0, 1, WM_KEYUP, VK_LEFT, 0), 0);
}

TEST_F(MouseTest, FreeformEntryRecordsThePolylineWhenFinished) {
    startFreeform();
    send(WM_MOUSEMOVE, 10, 10);  // hovering over no polyline shows the prompt
    EXPECT_EQ(host::state().status, "Click and drag to draw lines, double-click to finish.");
    send(WM_LBUTTONDOWN, 10, 10);
    send(WM_MOUSEMOVE, 20, 12);  // button held: a vertex per move
    send(WM_LBUTTONUP, 20, 12);
    EXPECT_EQ(GetCapture(), nullptr) << "released between clicks";
    send(WM_MOUSEMOVE, 40, 30);  // button up: only the rubber segment
    EXPECT_EQ(r->freeformCount, 2);
    // A double-click: press, release, the double-click message, release.
    send(WM_LBUTTONDOWN, 40, 30);
    send(WM_LBUTTONUP, 40, 30);
    send(WM_LBUTTONDBLCLK, 40, 30);
    send(WM_LBUTTONUP, 40, 30);
    EXPECT_EQ(r->freeformState, 2);
    EXPECT_EQ(r->freeformCount, 3);
    EXPECT_EQ(geometry(), (Geometry{10, 10, 40, 30}));
    EXPECT_NE(r->chartHandle, 0u);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(r->profileWnd, 1019)));
    EXPECT_EQ(host::state().status, "");
    EXPECT_EQ(recorded(), (std::vector<std::string>{"VoListPts(Pts(0), \"10 10 20 12 40 30\")",
                                                    "VoProfSetAttr(LINEGEOMETRY, PROFTYPE_FREEFORM)"}));
}

TEST_F(MouseTest, FinishedPolylineMovesAsAWholeAndStopsAtTheBorder) {
    startFreeform();
    send(WM_LBUTTONDOWN, 10, 10);
    send(WM_MOUSEMOVE, 30, 20);
    send(WM_LBUTTONUP, 30, 20);
    send(WM_LBUTTONDOWN, 50, 15);
    send(WM_LBUTTONUP, 50, 15);
    send(WM_LBUTTONDBLCLK, 50, 15);
    host::state().recorded.clear();
    drag(20, 12, 0, 20);  // 20 left would push the first vertex off the image
    EXPECT_EQ(r->freeformPoints[0].x, 0);
    EXPECT_EQ(r->freeformPoints[0].y, 18);
    EXPECT_EQ(geometry(), (Geometry{0, 18, 40, 28}));
    EXPECT_EQ(recorded(), (std::vector<std::string>{"VoListPts(Pts(0), \"0 18 20 28 40 23\")",
                                                    "VoProfSetAttr(LINEGEOMETRY, PROFTYPE_FREEFORM)"}));
}

TEST_F(MouseTest, EntryStoresAtMost4095Vertices) {
    startFreeform();
    send(WM_LBUTTONDOWN, 0, 0);
    for (int i = 1; i < 4200; ++i) send(WM_MOUSEMOVE, i % 120, (i / 120) % 80);
    EXPECT_EQ(r->freeformCount, FREEFORM_ENTRY_LIMIT);
    EXPECT_EQ(r->freeformPoints[4094].x, 4094 % 120);
}

TEST_F(MouseTest, LongPolylinesAreRecordedTenVerticesAStatement) {
    startFreeform();
    r->freeformCount = 25;
    for (int i = 0; i < 25; ++i) r->freeformPoints[i] = POINT{i, 100 + i};
    ProfileRecordPoints(r);
    ASSERT_EQ(recorded().size(), 4u);
    EXPECT_EQ(recorded()[0],
              "VoListPts(Pts(0), \"0 100 1 101 2 102 3 103 4 104 5 105 6 106 7 107 8 108 9 109\")");
    EXPECT_EQ(recorded()[2], "VoMorePts(\"20 120 21 121 22 122 23 123 24 124\")");
    EXPECT_EQ(recorded()[3], "VoProfSetAttr(LINEGEOMETRY, PROFTYPE_FREEFORM)");
}

}  // namespace

namespace {

// Many events in a fixed pseudo-random order on every geometry: nothing
// crashes, a released button leaves the mouse free, and every adopted geometry
// lies on the image.
TEST_F(MouseTest, RandomEventSequencesKeepTheGeometryOnTheImage) {
    static const UINT kMessages[] = {WM_MOUSEMOVE, WM_MOUSEMOVE,     WM_MOUSEMOVE, WM_LBUTTONDOWN,
                                     WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_KEYDOWN,   WM_KEYUP};
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (WORD type : {GEOMETRY_LINE, GEOMETRY_CIRCLE, GEOMETRY_FREEFORM}) {
        SendMessageA(r->profileWnd, WM_COMMAND, type, 0);
        for (WORD thick = 0; thick < (type == GEOMETRY_LINE ? 3 : 1); ++thick) {
            if (type == GEOMETRY_LINE) SendMessageA(r->profileWnd, WM_COMMAND, IDM_NORMAL + thick, 0);
            for (int i = 0; i < 400; ++i) {
                UINT message = kMessages[next(8)];
                plat::setModifierState(next(4) == 0, false);
                if (message == WM_KEYDOWN || message == WM_KEYUP)
                    ProfileClientProc(window, 0, 1, message, VK_LEFT + next(4), 0);
                else
                    send(message, static_cast<LONG>(next(120)),
                         static_cast<LONG>(next(80)));  // the client area
                if (message == WM_LBUTTONUP && r->geometryCtlId != GEOMETRY_FREEFORM) {
                    EXPECT_EQ(GetCapture(), nullptr);
                }
                if (r->dragging) continue;
                const std::string where =
                    "type " + std::to_string(type) + " thick " + std::to_string(thick) + " event " +
                    std::to_string(i) + ": " + std::to_string(r->geometry[0]) + " " +
                    std::to_string(r->geometry[1]) + " " + std::to_string(r->geometry[2]) + " " +
                    std::to_string(r->geometry[3]);
                for (int k : {0, 2}) ASSERT_TRUE(r->geometry[k] >= 0 && r->geometry[k] < 120) << where;
                for (int k : {1, 3}) ASSERT_TRUE(r->geometry[k] >= 0 && r->geometry[k] < 80) << where;
            }
            send(WM_LBUTTONUP, 0, 0);
        }
    }
    EXPECT_LE(r->freeformCount, FREEFORM_ENTRY_LIMIT);
}

}  // namespace
