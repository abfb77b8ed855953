// Update regions and painting: erase or not, synchronous UpdateWindow, parents
// before children, children invalidated with their parent, and drawing landing
// at the window's place on the surface.
#include "window_fixture.h"

#include <platform/embed.h>

#include "window/state.h"

using namespace testing_support;

namespace {

class PaintTest : public WindowTest {};

std::optional<LRESULT> paintRed(HWND h, UINT m) {
    if (m != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(h, &ps);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT r{0, 0, 4, 4};
    FillRect(hdc, &r, red);
    DeleteObject(red);
    EndPaint(h, &ps);
    return 0;
}

TEST_F(PaintTest, EraseOnlyWhenAsked) {
    HWND hwnd = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100);
    plat::pumpMessages();
    MessageLog log({hwnd}, {WM_PAINT, WM_ERASEBKGND});
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    EXPECT_EQ(log.messages(), (std::vector<UINT>{WM_PAINT}));
    log.clear();
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    EXPECT_EQ(log.messages(), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
    log.clear();
    UpdateWindow(hwnd);
    EXPECT_TRUE(log.messages().empty()) << "nothing is painted without an update region";
    RECT update;
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
}

// What RedrawWindow sends at once (RDW_UPDATENOW) for each combination asked.
TEST_F(PaintTest, RedrawWindowFlags) {
    struct Case {
        const char *name;
        UINT flags;
        std::vector<UINT> sent;
    };
    const Case cases[] = {
        {"invalidate, paint now", RDW_INVALIDATE | RDW_UPDATENOW, {WM_PAINT}},
        {"with the background", RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW, {WM_PAINT, WM_ERASEBKGND}},
        {"with the frame", RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW, {WM_NCPAINT, WM_PAINT}},
        {"invalidate only: later", RDW_INVALIDATE, {}},
    };
    HWND hwnd = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100);
    for (const Case &c : cases) {
        plat::pumpMessages();
        MessageLog log({hwnd});
        for (UINT m : {WM_PAINT, WM_ERASEBKGND, WM_NCPAINT}) log.keep(m);
        EXPECT_TRUE(RedrawWindow(hwnd, nullptr, nullptr, c.flags));
        EXPECT_EQ(log.messages(), c.sent) << c.name;
    }
    EXPECT_FALSE(RedrawWindow(reinterpret_cast<HWND>(0xdead0), nullptr, nullptr, RDW_INVALIDATE));
}

TEST_F(PaintTest, ParentPaintsBeforeChildrenAndInvalidatesThem) {
    HWND top = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200);
    HWND child = makeChild(top, WS_VISIBLE, 10, 10, 50, 50, 1);
    HWND far = makeChild(top, WS_VISIBLE, 200, 100, 50, 50, 2);
    plat::pumpMessages();
    MessageLog log({top, child, far}, {WM_PAINT});
    RECT part{0, 0, 40, 40};
    InvalidateRect(top, &part, FALSE);
    plat::pumpMessages();
    auto painted = [&] {
        std::vector<HWND> out;
        for (const auto &m : messagesOf(log, WM_PAINT)) out.push_back(m.hwnd);
        return out;
    };
    EXPECT_EQ(painted(), (std::vector<HWND>{top, child})) << "only the child under the area is repainted";

    SetWindowLongPtrA(top, GWL_STYLE, GetWindowLongPtrA(top, GWL_STYLE) | WS_CLIPCHILDREN);
    log.clear();
    InvalidateRect(top, nullptr, FALSE);
    plat::pumpMessages();
    EXPECT_EQ(painted(), (std::vector<HWND>{top})) << "WS_CLIPCHILDREN keeps children out";
}

TEST_F(PaintTest, ChildDrawingLandsAtItsPlaceInTheTopLevelSurface) {
    HWND top = makeTopLevel(WS_POPUP | WS_VISIBLE, 10, 10, 100, 80);
    HWND child = makeChild(top, WS_VISIBLE | WS_BORDER, 20, 30, 40, 20, 1);
    setHook([&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (h == child) return paintRed(h, m);
        return std::nullopt;
    });
    InvalidateRect(top, nullptr, TRUE);
    plat::pumpMessages();
    auto image = plat::captureWindow(top, false);
    ASSERT_TRUE(image);
    auto px = [&](int x, int y) { return image->pixels[static_cast<size_t>(y) * image->width + x]; };
    EXPECT_EQ(px(21, 31), 0xFF0000u) << "client origin is inside the one-pixel border";
    EXPECT_EQ(px(24, 34), 0xFF0000u);
    EXPECT_NE(px(25, 35), 0xFF0000u);
    EXPECT_EQ(px(20, 30), 0x000000u) << "border";
    auto client = plat::captureWindow(child, true);
    ASSERT_TRUE(client);
    EXPECT_EQ(client->width, 38);
    EXPECT_EQ(client->pixels[0], 0xFF0000u);
}

TEST_F(PaintTest, DrawingOutsideThePaintRectIsClipped) {
    HWND top = makeTopLevel(WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
    plat::pumpMessages();
    setHook([&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_PAINT) return std::nullopt;
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(h, &ps);
        RECT all{0, 0, 50, 50};
        FillRect(hdc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(h, &ps);
        return 0;
    });
    RECT part{10, 10, 20, 20};
    InvalidateRect(top, &part, FALSE);
    UpdateWindow(top);
    auto image = plat::captureWindow(top, true);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels[15 * 50 + 15], 0x000000u);
    EXPECT_EQ(image->pixels[25 * 50 + 25], 0xFFFFFFu) << "outside the update rectangle";
}

// A top-level window's pixels cost memory only once it is shown or drawn on:
// the host window of a command-line run stays hidden all its life.
TEST_F(PaintTest, AHiddenWindowTakesItsSurfaceWhenFirstShownOrCaptured) {
    auto surfaceSize = [](HWND h) {
        const plat::Surface *s = plat::findWindow(h)->surface.get();
        return s ? SIZE{s->width, s->height} : SIZE{0, 0};
    };
    HWND shown = makeTopLevel(WS_OVERLAPPEDWINDOW, 10, 10, 200, 100);
    EXPECT_EQ(surfaceSize(shown).cx, 0) << "created hidden";
    SetWindowPos(shown, nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(surfaceSize(shown).cx, 0) << "sized while hidden";
    ShowWindow(shown, SW_SHOWNORMAL);
    EXPECT_EQ(surfaceSize(shown).cx, 300);
    EXPECT_EQ(surfaceSize(shown).cy, 150);
    setHook([&](HWND h, UINT m, WPARAM, LPARAM) { return h == shown ? paintRed(h, m) : std::nullopt; });
    plat::pumpMessages();
    auto painted = plat::captureWindow(shown, true);
    ASSERT_TRUE(painted);
    EXPECT_EQ(painted->pixels[0], 0xFF0000u) << "painted once shown";
    ShowWindow(shown, SW_HIDE);
    SetWindowPos(shown, nullptr, 0, 0, 320, 160, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(surfaceSize(shown).cx, 320) << "a surface once made follows the window's size";

    HWND hidden = makeTopLevel(WS_POPUP, 0, 0, 40, 30);
    auto background = plat::captureWindow(hidden, false);
    ASSERT_TRUE(background) << "a hidden window can still be captured";
    EXPECT_EQ(background->width, 40);
    EXPECT_EQ(background->pixels[0], plat::pixelFromColorref(GetSysColor(COLOR_BTNFACE)));
}

TEST_F(PaintTest, ScreenComposesInZOrder) {
    HWND back = makeTopLevel(WS_POPUP | WS_VISIBLE, 0, 0, 40, 40);
    HWND front = makeTopLevel(WS_POPUP | WS_VISIBLE, 20, 20, 40, 40);
    setHook([&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (h == front) return paintRed(h, m);
        return std::nullopt;
    });
    plat::pumpMessages();
    plat::Image screen = plat::captureScreen();
    EXPECT_EQ(screen.pixels[21 * screen.width + 21], 0xFF0000u);
    EXPECT_EQ(screen.pixels[10 * screen.width + 10], 0xFFFFFFu);
    SetWindowPos(back, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    screen = plat::captureScreen();
    EXPECT_EQ(screen.pixels[21 * screen.width + 21], 0xFFFFFFu) << "the back window came to the front";
}

}  // namespace
