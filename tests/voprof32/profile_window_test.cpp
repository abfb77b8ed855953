// The profile window's frame and chart: statements recorded for sizing, moving,
// maximising, minimising, restoring and click activation (exact text, in order),
// the minimum size, the statistics column per mode, keys handed on to the image,
// and a range marker dragged across the chart.
#include <platform/embed.h>

#include <chartw32.h>

#include "core/host_state.h"
#include "module_fixture.h"
#include "support/msg_sequence.h"
#include "frame/macro_codes.h"
#include "sampling/statistics.h"
#include "window/window_layout.h"

using testing_support::ModuleTest;

namespace {

using Statements = std::vector<std::string>;

// Compares the statements recorded so far with a table and starts a new sequence.
void expectRecorded(const Statements &expected) {
    EXPECT_TRUE(testing_support::linesMatch(host::state().recorded, expected));
    host::state().recorded.clear();
}

std::string pair(const char *name, LONG a, LONG b) {
    return std::string(name) + "(" + std::to_string(a) + ", " + std::to_string(b) + ")";
}

class ProfileWindowTest : public ModuleTest {
protected:
    ProfileRecord *r = nullptr;
    HWND wnd = nullptr;

    void SetUp() override {
        ModuleTest::SetUp();
        host::state().recorded.clear();
        ClipCursor(nullptr);  // an earlier suite may have left the pointer confined to an image window
        statsModeDefault = 2;
    }
    void open(const char *kind = "gray8") {
        openImage(200, 100, kind, "ramp-x");
        ASSERT_NE(r = createProfile(), nullptr);
        wnd = r->profileWnd;
        plat::pumpMessages();
    }
    SIZE outerSize() const {
        RECT rect;
        GetWindowRect(wnd, &rect);
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }
    void moveWindow(int x, int y) {
        SetWindowPos(wnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void sysCommand(WPARAM command) { SendMessageA(wnd, WM_SYSCOMMAND, command, 0); }
    bool visible(int id) const { return IsWindowVisible(GetDlgItem(wnd, id)) != FALSE; }
};

TEST_F(ProfileWindowTest, SizesAndMovesRecordedOnlyWhenTheUserMakesThem) {
    open();
    expectRecorded({"VoProfCreate()"});
    SIZE opened = outerSize();
    EXPECT_EQ(initialWindowRect.right - initialWindowRect.left, opened.cx);
    RECT before, chartBefore, chartAfter;
    GetWindowRect(wnd, &before);
    GetChildRect(GetDlgItem(wnd, IDC_CHART), wnd, &chartBefore);
    plat::inputMouseMove(before.right - 2, before.bottom - 2);  // the frame's bottom-right corner
    plat::inputMouseDown(plat::MouseButton::Left);
    plat::inputMouseMove(before.right + 8, before.bottom + 8);  // nothing sized the new window: creation's
    plat::inputMouseMove(before.right + 28, before.bottom + 18);
    plat::inputMouseUp(plat::MouseButton::Left);
    SIZE size = outerSize();
    EXPECT_EQ(size.cx, opened.cx + 30);
    expectRecorded({pair("VoProfSize", size.cx + 1, size.cy + 1)});
    GetChildRect(GetDlgItem(wnd, IDC_CHART), wnd, &chartAfter);
    EXPECT_EQ(chartAfter.left, chartBefore.left);
    EXPECT_EQ(chartAfter.top, chartBefore.top);
    EXPECT_EQ(chartAfter.right, chartBefore.right + 30) << "the chart follows the corner";
    EXPECT_EQ(chartAfter.bottom, chartBefore.bottom + 20);
    SetWindowPos(wnd, nullptr, 0, 0, 40, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(outerSize().cx, opened.cx) << "never smaller than the last window opened";
    EXPECT_EQ(outerSize().cy, opened.cy);
    expectRecorded({pair("VoProfSize", opened.cx + 1, opened.cy + 1)});
    moveWindow(300, 200);  // taken for part of the size before it
    moveWindow(310, 240);
    POINT p{310, 240};
    ScreenToClient(host, &p);
    expectRecorded({pair("VoProfMove", p.x, p.y)});
}

// Closing the window (the Close command, VoProfDestroy, a host notice all send WM_CLOSE): the
// window destroys itself, records the select and destroy statements, and frees its slot.
TEST_F(ProfileWindowTest, CloseDestroysTheWindowAndFreesItsSlot) {
    using namespace testing_support;
    open();
    host::state().recorded.clear();
    MessageLog log;
    log.watch(wnd);
    SendMessageA(wnd, WM_CLOSE, 0, 0);
    static const std::vector<ExpectedMsg> kClose = {
        {WM_CLOSE, kSent, 0, 0, "SendMessage(WM_CLOSE)"},
        {WM_WINDOWPOSCHANGING, kSent | kOptional, 0, 0, "DestroyWindow hides the window"},
        {WM_WINDOWPOSCHANGED, kSent | kOptional, 0, 0, "DestroyWindow hides the window"},
        {WM_NCACTIVATE, kSent | kWParam | kOptional, FALSE, 0, "the activation passes on"},
        {WM_ACTIVATE, kSent | kWParam | kOptional, WA_INACTIVE, 0, "the activation passes on"},
        {WM_WINDOWPOSCHANGING, kSent | kOptional, 0, 0, "the z-order change of the activation passing on"},
        {WM_WINDOWPOSCHANGED, kSent | kOptional, 0, 0, "the z-order change of the activation passing on"},
        {WM_KILLFOCUS, kSent | kOptional, 0, 0, "the focus leaves"},
        {WM_DESTROY, kSent, 0, 0, "DestroyWindow"},
        {WM_NCDESTROY, kSent, 0, 0, "DestroyWindow"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), kClose, wnd));
    expectRecorded({"VoProfSelect(0)", "VoProfDestroy()"});
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(profileSlots[0], nullptr);
    EXPECT_EQ(currentIndex, -1);
}

TEST_F(ProfileWindowTest, MaximiseMinimiseAndRestoreRecordTheirOwnStatementsOnly) {
    open();
    host::state().recorded.clear();
    sysCommand(SC_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(wnd));
    expectRecorded({"VoProfMaximize()"});
    sysCommand(SC_RESTORE);
    EXPECT_FALSE(IsZoomed(wnd));
    expectRecorded({"VoProfSelect(0)", "VoProfRestore()"});
    sysCommand(SC_MINIMIZE);
    plat::pumpMessages();
    expectRecorded({"VoProfMinimize()"});
    ASSERT_TRUE(IsIconic(wnd));
    // The tile shows the icon and none of the controls.
    auto tile = plat::captureWindow(wnd, true);
    HDC dc = GetDC(wnd);
    DrawIcon(dc, 0, 0, LoadIconA(moduleInstance, "PROFICON"));
    ReleaseDC(wnd, dc);
    EXPECT_EQ(plat::captureWindow(wnd, true)->pixels, tile->pixels) << "the window painted its icon already";
}

TEST_F(ProfileWindowTest, ClickActivationSelectsButActivationFromCodeDoesNot) {
    open();
    ProfileRecord *second = profileOn(60, 40, "gray8", "const:9");
    ASSERT_NE(second, nullptr);
    host::state().recorded.clear();
    SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RECT label;
    GetWindowRect(GetDlgItem(wnd, IDC_LABEL1), &label);
    plat::inputMouseMove(label.left + 2, label.top + 2);  // a static: the press lands on the window
    plat::inputMouseDown(plat::MouseButton::Left);
    plat::inputMouseUp(plat::MouseButton::Left);
    EXPECT_EQ(currentIndex, 0);
    expectRecorded({"VoProfSelect(0)"});
    EXPECT_EQ(macro(PROFCMD_SELECT, 1), 0);
    EXPECT_EQ(GetActiveWindow(), second->profileWnd);
    expectRecorded({});
}

TEST_F(ProfileWindowTest, StatisticsColumnShowsWhatEachModeUses) {
    open();
    for (WORD mode : {0, 1, 2}) {
        SetStatsMode(wnd, r, mode);
        EXPECT_EQ(statsModeDefault, mode);
        for (int id = IDC_LABEL1; id <= IDC_VALUE5; ++id)
            EXPECT_EQ(visible(id), mode != 0) << "mode " << mode << " id " << id;
        EXPECT_EQ(visible(IDC_LABEL6) && visible(IDC_VALUE6), mode == 2);
        EXPECT_FALSE(visible(IDC_CHANNEL)) << "no channel on a gray image";
    }
    open("rgb");
    for (WORD mode : {1, 0, 2}) {
        SetStatsMode(wnd, r, mode);
        EXPECT_EQ(visible(IDC_CHANNEL), mode != 0) << "mode " << mode;
    }
}

TEST_F(ProfileWindowTest, ArrowKeysOnTheProfileWindowMoveTheGeometry) {
    open();
    ASSERT_TRUE(moveTo(r, 20, 40, 100, 40));
    host::state().recorded.clear();
    SendMessageA(wnd, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(wnd, WM_KEYUP, VK_RIGHT, 0);
    expectRecorded({"VoProfLineMove(21, 40, 101, 40)"});
}

TEST_F(ProfileWindowTest, DraggedMarkerStopsAtThePlotEndsAndUpdatesTheRange) {
    open();
    ASSERT_TRUE(moveTo(r, 10, 50, 110, 50));  // 101 samples
    host::state().recorded.clear();
    r->rangeMarkers[0] = 20, r->rangeMarkers[1] = 80;
    LONG p[4];
    ChartAttr(r->chartHandle, CHARTATTR_PLOTAREA, 0, 0, p);
    RECT c;
    GetChildRect(GetDlgItem(wnd, IDC_CHART), wnd, &c);
    auto mouse = [&](UINT message, LONG x) {
        SendMessageA(wnd, message, 0, MAKELPARAM(c.left + x, c.top + p[1] + 9));
    };
    LONG marker1 = p[0] + static_cast<LONG>((p[2] - p[0]) * 0.2 + 0.5), middle = (p[0] + p[2]) / 2;
    mouse(WM_MOUSEMOVE, marker1 + 6);
    EXPECT_EQ(markerHit, 0) << "six pixels off";
    mouse(WM_MOUSEMOVE, marker1 + 5);
    EXPECT_EQ(markerHit, 1);
    SendMessageA(wnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd), HTCLIENT);
    EXPECT_EQ(plat::currentCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
    mouse(WM_LBUTTONDOWN, marker1 + 5);
    EXPECT_EQ(GetCapture(), wnd);
    mouse(WM_MOUSEMOVE, p[2] + 3);
    EXPECT_EQ(r->rangeMarkers[0], 100u) << "past the right end";
    mouse(WM_MOUSEMOVE, p[0] - 3);
    EXPECT_EQ(r->rangeMarkers[0], 0u) << "past the left end";
    mouse(WM_MOUSEMOVE, middle);
    EXPECT_EQ(r->rangeMarkers[0], static_cast<DWORD>(100.0 * (middle - p[0]) / (p[2] - p[0]) + 0.5));
    RangeStats expected{};
    ProfileRangeArea(r, ProfileShownChannel(r), &expected);
    EXPECT_EQ(r->rangeStats.area, expected.area);
    EXPECT_EQ(r->rangeStats.firstIndex, expected.firstIndex);
    mouse(WM_LBUTTONUP, middle);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(markerDragging, 0u);
    EXPECT_EQ(r->rangeMarkers[1], 80u);
    expectRecorded({});
}

}  // namespace
