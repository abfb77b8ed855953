// Window DCs on real windows: drawing lands in the window (client area or
// whole window) inside its clip, and follows the window when it moves.
#include "gdi_test_support.h"

namespace {

struct TestWindows {
    HWND top = nullptr, child = nullptr;

    TestWindows() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "GdiWindowDcTest";
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassA(&wc);
        top = CreateWindowExA(0, "GdiWindowDcTest", "", WS_POPUP | WS_VISIBLE, 50, 40, 120, 90, nullptr,
                              nullptr, nullptr, nullptr);
        child = CreateWindowExA(0, "GdiWindowDcTest", "", WS_CHILD | WS_VISIBLE, 10, 10, 40, 30, top, nullptr,
                                nullptr, nullptr);
        plat::pumpMessages();
    }
    ~TestWindows() { DestroyWindow(top); }

    // The top-level window as drawn, pixel (x, y) of its client area.
    COLORREF at(int x, int y) const {
        std::optional<plat::Image> image = plat::captureWindow(top, true);
        return image ? plat::colorrefFromPixel(image->pixels[static_cast<size_t>(y * image->width + x)])
                     : CLR_INVALID;
    }
};

}  // namespace

TEST(WindowDc, DrawsInsideItsWindowAndFollowsItWhenItMoves) {
    TestWindows w;
    HDC dc = GetDC(w.child);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(WindowFromDC(dc), w.child);
    RECT everything{-500, -500, 500, 500}, corner{0, 0, 5, 5};
    FillRect(dc, &everything, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    EXPECT_EQ(w.at(10, 10), RGB(128, 128, 128));
    EXPECT_EQ(w.at(49, 39), RGB(128, 128, 128));
    EXPECT_EQ(w.at(50, 39), kWhite);  // the child's clip holds
    EXPECT_EQ(w.at(9, 10), kWhite);
    MoveWindow(w.child, 60, 45, 40, 30, FALSE);
    FillRect(dc, &corner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(w.at(60, 45), kBlack);
    EXPECT_EQ(w.at(64, 49), kBlack);
    EXPECT_EQ(w.at(65, 49), kWhite);
    EXPECT_EQ(ReleaseDC(w.child, dc), 1);
}

TEST(WindowDc, TheWindowDcStartsAtTheWindowCornerAndAGoneWindowTakesNothing) {
    HWND gone = nullptr;
    {
        TestWindows w;
        HDC dc = GetWindowDC(w.child);
        ASSERT_NE(dc, nullptr);
        EXPECT_EQ(SetPixel(dc, 0, 0, kRed), kRed);
        EXPECT_EQ(w.at(10, 10), kRed);
        EXPECT_EQ(GetPixel(dc, 0, 0), kRed);
        EXPECT_EQ(GetPixel(dc, 40, 0), CLR_INVALID);  // beyond the window
        gone = w.child;
        DestroyWindow(w.child);
        RECT r{0, 0, 5, 5};
        EXPECT_EQ(FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))),
                  1);  // accepted, lands nowhere
        EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
        EXPECT_EQ(w.at(10, 10), kRed);
        EXPECT_EQ(ReleaseDC(gone, dc), 1);
    }
    EXPECT_EQ(GetDC(gone), nullptr);
}

// Pixel runs are SetPixel on many pixels at once: same clip (the window's
// and the DC's own), and the ROP2 does not apply to either.
TEST(WindowDc, PixelRunsWriteWhatSetPixelWouldWrite) {
    const std::vector<plat::PixelRun> runs = {
        {-3, 0, 6, kRed},                  // starts left of the window
        {35, 5, 10, patternColour(1, 2)},  // ends right of it
        {4, -1, 3, kBlue},                 // above it
        {2, 3, 1, patternColour(7, 3)},    // a single pixel
        {5, 4, 0, kBlack},                 // empty
        {3, 6, 4, kBlue},                  // crosses the DC's clip below
    };
    std::vector<COLORREF> expected, actual;
    for (bool asRuns : {false, true}) {
        TestWindows w;
        HDC dc = GetDC(w.child);
        SetROP2(dc, R2_XORPEN);
        IntersectClipRect(dc, -10, -10, 100, 7);
        if (asRuns)
            plat::setPixelRuns(dc, runs);
        else
            for (const plat::PixelRun &run : runs)
                for (int i = 0; i < run.length; ++i) SetPixel(dc, run.x + i, run.y, run.color);
        ReleaseDC(w.child, dc);
        std::optional<plat::Image> image = plat::captureWindow(w.top, true);
        ASSERT_TRUE(image);
        std::vector<COLORREF> &out = asRuns ? actual : expected;
        for (uint32_t pixel : image->pixels) out.push_back(plat::colorrefFromPixel(pixel));
    }
    EXPECT_EQ(actual, expected);
    // The runs did land: some pixels are no longer the window's white.
    EXPECT_NE(std::count(expected.begin(), expected.end(), kWhite), std::ssize(expected));
}
