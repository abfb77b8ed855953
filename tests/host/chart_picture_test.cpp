// Drawing a chart: the plot area (0x15) follows the rectangle last drawn
// into, pictures are CF_DIB blocks of exactly what ChartDraw paints, and the
// clipboard gets the SVG with the picture. (The SVG's drawing is checked
// against its data and its rendering in exports_check.py.)
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "chart/chart_picture.h"
#include "chart/chart_svg.h"
#include "chart_test_support.h"

using namespace chart_test;

namespace {

constexpr COLORREF kUntouched = RGB(128, 128, 128);

bool contains(const RECT &outer, const RECT &inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom && inner.right > inner.left && inner.bottom > inner.top;
}

// A memory DC over a 400 x 300 bitmap filled with kUntouched.
struct Canvas {
    Canvas() {
        SelectObject(dc, bitmap);
        RECT all{0, 0, 400, 300};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    }
    ~Canvas() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 400, 300);
};

// Pixel (x, y), counted from the top, of a bottom-up 32-bit CF_DIB.
COLORREF dibPixel(const uint8_t *dib, int x, int y) {
    const auto *h = reinterpret_cast<const BITMAPINFOHEADER *>(dib);
    const uint8_t *p = dib + h->biSize + (static_cast<size_t>(h->biHeight - 1 - y) * h->biWidth + x) * 4;
    return RGB(p[2], p[1], p[0]);
}

class ChartPictureTest : public ::testing::Test {
protected:
    void TearDown() override { ChartDestroy(chart); }
    ChartSpec settings{"Line Profile", "Pixel", "Count", "Legend", {}};
    HCHART chart = ChartCreate(&settings);
    Canvas canvas;
};

TEST_F(ChartPictureTest, PlotAreaFollowsTheLastDrawing) {
    EXPECT_TRUE(contains(RECT{0, 0, 400, 300}, plotArea(chart))) << "before any drawing";
    RECT small{10, 20, 210, 170}, moved{110, 120, 310, 270}, wide{10, 20, 390, 170};
    ASSERT_TRUE(ChartDraw(chart, canvas.dc, &small, 0, 1));
    RECT a = plotArea(chart);
    EXPECT_TRUE(contains(small, a));
    EXPECT_EQ(GetPixel(canvas.dc, 10, 20), RGB(255, 255, 255)) << "the chart's panel";
    EXPECT_EQ(GetPixel(canvas.dc, a.left + 1, a.bottom - 1), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(canvas.dc, 210, 170), kUntouched) << "nothing outside";
    ChartDraw(chart, canvas.dc, &moved, 0, 1);
    EXPECT_EQ(plotArea(chart).left - a.left, 100);
    EXPECT_EQ(plotArea(chart).bottom - a.bottom, 100);
    ChartDraw(chart, canvas.dc, &wide, 0, 1);
    EXPECT_EQ(plotArea(chart).right - a.right, 180) << "the area takes up the extra width";
    EXPECT_FALSE(ChartDraw(chart, reinterpret_cast<HDC>(0x1234), &small, 0, 1));
    EXPECT_EQ(plotArea(chart).right - a.right, 180) << "failed drawings leave it";
    RECT tiny{0, 0, 6, 6};  // too small for the margins: the area is still never empty
    ChartDraw(chart, canvas.dc, &tiny, 0, 1);
    EXPECT_TRUE(plotArea(chart).right > plotArea(chart).left && plotArea(chart).bottom > plotArea(chart).top);
}

TEST_F(ChartPictureTest, PictureIsABottomUpDibOfWhatChartDrawPaints) {
    RECT r{0, 0, 400, 300}, before = plotArea(chart), empty{10, 10, 10, 50};
    HGLOBAL block = ChartMakePicture(chart, nullptr, &r);
    ASSERT_EQ(GlobalSize(block), sizeof(BITMAPINFOHEADER) + 400u * 300u * 4u);
    const auto *dib = static_cast<const uint8_t *>(GlobalLock(block));
    const auto *h = reinterpret_cast<const BITMAPINFOHEADER *>(dib);
    EXPECT_EQ(h->biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(h->biHeight, 300);
    EXPECT_EQ(h->biBitCount, 32);
    EXPECT_EQ(h->biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(dibPixel(dib, 0, 299), RGB(255, 255, 255)) << "the panel's bottom-left corner";
    EXPECT_EQ(plotArea(chart).bottom, before.bottom) << "pictures do not move the plot area";
    ChartDraw(chart, canvas.dc, &r, 0, 1);
    int differing = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) differing += dibPixel(dib, x, y) != GetPixel(canvas.dc, x, y);
    EXPECT_EQ(differing, 0);
    GlobalUnlock(block);
    GlobalFree(block);
    EXPECT_EQ(ChartMakePicture(chart, nullptr, &empty), nullptr);
}

// The picture and the SVG replace whatever the clipboard held.
TEST_F(ChartPictureTest, CopyPutsThePictureAndItsSvgOnTheClipboard) {
    RECT r{0, 0, 64, 32};
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, GlobalAlloc(GMEM_MOVEABLE, 4));
    EXPECT_FALSE(ChartCopyToClipboard(chart, nullptr, &r)) << "the clipboard is open elsewhere";
    CloseClipboard();
    ASSERT_TRUE(ChartCopyToClipboard(chart, nullptr, &r));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto *h = static_cast<const BITMAPINFOHEADER *>(GlobalLock(GetClipboardData(CF_DIB)));
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->biWidth, 64);
    EXPECT_EQ(h->biHeight, 32);
    GlobalUnlock(GetClipboardData(CF_DIB));
    HGLOBAL svg = GetClipboardData(host::svgClipboardFormat());
    ASSERT_NE(svg, nullptr);
    const std::string text(static_cast<const char *>(GlobalLock(svg)));
    GlobalUnlock(svg);
    CloseClipboard();
    EXPECT_EQ(text, host::chartSvg(chart, r));
    EXPECT_NE(text.find("viewBox=\"0 0 64 32\""), std::string::npos);
}

// Chart texts are the module's 8-bit ANSI: markup is escaped, the upper half
// becomes UTF-8, control characters go.
TEST(ChartSvgText, IsSafeXmlInUtf8) {
    const std::pair<std::string, std::string> kTexts[] = {
        {"a<b & \"c\" 'd'>", "a&lt;b &amp; &quot;c&quot; &apos;d&apos;&gt;"},
        {"\xB5m", "\xC2\xB5m"},
        {"x\x01y\tz", "xyz"},
    };
    for (const auto &[text, xml] : kTexts) EXPECT_EQ(host::xmlText(text), xml) << text;
}

}  // namespace
