// Image windows: the window itself, and what it shows: small images at
// several zooms and scroll origins, a 16-bit range, a hook's overlay.
#include "chart/chart_store.h"
#include "core/host_reset.h"
#include "core/host_state.h"
#include "core/image_store.h"
#include "core/region.h"
#include "sampling/shape_store.h"
#include "window/host_window.h"
#include "window/image_window.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

class ImageWindowTest : public HostWindowTest {};

uint32_t gray(uint32_t level) {
    return level << 16 | level << 8 | level;
}

TEST_F(ImageWindowTest, AnOwnedDoubleClickWindowCaptionedWithTheTitleAtTheImageSizeUpTo1024By768) {
    HWND w = host::openImageWindow(blankImage(40, 30, "cells.tif")),
         big = host::openImageWindow(blankImage(2000, 1000));
    char text[16] = "";
    GetWindowTextA(w, text, sizeof text);
    RECT r{}, rb{};
    GetClientRect(w, &r);
    GetClientRect(big, &rb);
    EXPECT_STREQ(text, "cells.tif");
    EXPECT_TRUE(GetWindow(w, GW_OWNER) == host::hostWindow() && (GetClassLongA(w, GCL_STYLE) & CS_DBLCLKS));
    EXPECT_TRUE(r.right == 40 && r.bottom == 30 && rb.right == 1024 && rb.bottom == 768);
}

// An 8 x 6 image, pixel (x, y) = 16x + y, in an 8 x 6 client area; `shows`
// gives the image column (row) a client column (row) shows.
TEST_F(ImageWindowTest, EachClientPixelShowsItsImagePixelOrTheBackground) {
    HWND w = host::openImageWindow(
        addGrayImage(host::ImageClass::Gray8, 8, 6, [](int x, int y) { return 16 * x + y; }));
    struct {
        double zoom;
        int scrollX, scrollY;
        int (*shows)(int client, int scroll);
    } cases[] = {{1, 2, 1, [](int c, int s) { return c + s; }},
                 {2, 1, 1, [](int c, int s) { return c / 2 + s; }},
                 {0.5, 1, 0, [](int c, int s) { return c * 2 + s; }}};
    for (const auto &c : cases) {
        host::setZoom(w, c.zoom);
        host::setScroll(w, c.scrollX, c.scrollY);
        plat::pumpMessages();
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x) {
                int ix = c.shows(x, c.scrollX), iy = c.shows(y, c.scrollY);
                uint32_t expected = ix < 8 && iy < 6 ? gray(16 * ix + iy) : sysPixel(COLOR_APPWORKSPACE);
                ASSERT_EQ(clientPixel(w, x, y), expected)
                    << "zoom " << c.zoom << " client " << x << ", " << y;
            }
    }
}

// A 16-bit image shows its own lowest..highest value as 0..255, and follows when its pixels change.
TEST_F(ImageWindowTest, SixteenBitImagesShowTheirOwnRange) {
    int id = addGrayImage(host::ImageClass::Gray16, 3, 1, [](int x, int) { return 1000 + 1000 * x; });
    HWND w = host::openImageWindow(id);
    plat::pumpMessages();
    EXPECT_TRUE(clientPixel(w, 0, 0) == gray(0) && clientPixel(w, 1, 0) == gray(128) &&
                clientPixel(w, 2, 0) == gray(255));
    host::images().find(id)->gray16 = {1000, 1500, 1500};
    host::pixelsChanged(id);  // repaints at once with the range 1000..1500
    EXPECT_TRUE(clientPixel(w, 0, 0) == gray(0) && clientPixel(w, 1, 0) == gray(255));
}

// The hook gets the paint before (phase 0: its blue is painted over) and after
// (phase 1: its red stays) the image is drawn.
TEST_F(ImageWindowTest, PaintPhasesAndAHooksOverlay) {
    HWND w =
        host::openImageWindow(addGrayImage(host::ImageClass::Gray8, 16, 16, [](int, int) { return 40; }));
    plat::pumpMessages();
    HookRecorder hook;
    hook.answer = [](HWND window, LONG phase, UINT) {
        HDC dc = GetDC(window);
        SetPixel(dc, 4, 5, phase == HookPhaseAct ? RGB(255, 0, 0) : RGB(0, 0, 255));
        ReleaseDC(window, dc);
        return 0;
    };
    InvalidateRect(w, nullptr, FALSE);
    plat::pumpMessages();
    EXPECT_TRUE(clientPixel(w, 4, 5) == 0xFF0000 && clientPixel(w, 5, 5) == gray(40));
    EXPECT_TRUE(sequenceMatches(
        hook.calls, {{WM_PAINT, kPosted, 0, 0, "phase 0"}, {WM_PAINT, kSent, 0, 0, "phase 1"}}, w));
}

// resetHost leaves the host as it starts: no image window, image, region,
// shape or chart, an empty state, the same host window; identifiers go on.
TEST_F(ImageWindowTest, ResetHostForgetsEverythingButTheHostWindow) {
    const int id = blankImage(4, 4);
    HWND w = host::openImageWindow(id);
    void *region = host::addRegion(host::Region{});
    void *shape = host::addShape(host::Shape{});
    HCHART chart = host::chartStore().createChart(ChartSpec{});
    host::state().recorded.push_back("VoProfCreate()");
    HWND hostWindow = host::hostWindow();
    host::resetHost();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(host::activeImageWindow(), nullptr);
    EXPECT_EQ(host::images().find(id), nullptr);
    EXPECT_EQ(host::findRegion(region), nullptr);
    EXPECT_EQ(host::findShape(shape), nullptr);
    EXPECT_EQ(host::chartStore().chart(chart), nullptr);
    EXPECT_TRUE(host::state().recorded.empty());
    EXPECT_EQ(host::hostWindow(), hostWindow);
    EXPECT_GT(blankImage(4, 4), id) << "identifiers are not given twice";
}

}  // namespace
