// Rectangle, Ellipse and the fills, pixel by pixel.
#include "gdi_test_support.h"

namespace {

// Inside the ellipse inscribed in [0, w) x [0, h), by its equation at pixel centres.
bool inEllipse(int w, int h, int x, int y) {
    double cx = (2.0 * x - (w - 1)) / w, cy = (2.0 * y - (h - 1)) / h;
    return cx * cx + cy * cy <= 1.0;
}

}  // namespace

TEST(Rectangle, PenOutlinesBrushFillsRightAndBottomExcludedInAnyCornerOrder) {
    for (bool swapped : {false, true}) {
        TestCanvas c(16, 14);
        Selected brush(c.dc(), CreateSolidBrush(kRed));
        EXPECT_TRUE(swapped ? Rectangle(c.dc(), 12, 10, 2, 3) : Rectangle(c.dc(), 2, 3, 12, 10));
        EXPECT_TRUE(pixelsFollow(c, [](int x, int y) {
            return !inBox(x, y, 2, 3, 12, 10) ? kWhite : inBox(x, y, 3, 4, 11, 9) ? kRed : kBlack;
        }));
    }
}

TEST(Rectangle, NullPenFillsOnePixelNarrowerAndShorterNullBrushLeavesTheInside) {
    TestCanvas filled(16, 14), hollow(16, 14);
    hollow.fill(patternColour);
    SelectObject(filled.dc(), GetStockObject(NULL_PEN));
    Selected brush(filled.dc(), CreateSolidBrush(kRed));
    SelectObject(hollow.dc(), GetStockObject(NULL_BRUSH));
    Rectangle(filled.dc(), 2, 3, 12, 10);
    Rectangle(hollow.dc(), 2, 3, 12, 10);
    EXPECT_TRUE(pixelsFollow(filled, [](int x, int y) { return inBox(x, y, 2, 3, 11, 9) ? kRed : kWhite; }));
    EXPECT_TRUE(pixelsFollow(hollow, [](int x, int y) {
        return inBox(x, y, 2, 3, 12, 10) && !inBox(x, y, 3, 4, 11, 9) ? kBlack : patternColour(x, y);
    }));
}

TEST(Rectangle, WidePenIsCentredOnTheOutlineOrInsideTheFrame) {
    for (int style : {PS_SOLID, PS_INSIDEFRAME}) {
        TestCanvas c(20, 20);
        SelectObject(c.dc(), GetStockObject(NULL_BRUSH));
        Selected pen(c.dc(), CreatePen(style, 3, kBlack));
        Rectangle(c.dc(), 4, 4, 16, 16);
        // Centred on the one-pixel outline 4..15, or within 4..15.
        int out = style == PS_SOLID ? 3 : 4, in = style == PS_SOLID ? 6 : 7;
        EXPECT_TRUE(pixelsFollow(c, [&](int x, int y) {
            return inBox(x, y, out, out, 20 - out, 20 - out) && !inBox(x, y, in, in, 20 - in, 20 - in)
                       ? kBlack
                       : kWhite;
        }));
    }
}

TEST(Rectangle, DashedOutlineRunsClockwiseFromTheTopLeft) {
    TestCanvas c(12, 12);
    Selected pen(c.dc(), CreatePen(PS_DOT, 1, kBlack));
    SelectObject(c.dc(), GetStockObject(NULL_BRUSH));
    SetBkMode(c.dc(), TRANSPARENT);
    Rectangle(c.dc(), 1, 1, 11, 11);
    std::vector<POINT> walk;  // pixel i of the walk is drawn when i mod 6 < 3
    for (int i = 1; i < 10; ++i) walk.push_back({i, 1});
    for (int i = 1; i < 10; ++i) walk.push_back({10, i});
    for (int i = 10; i > 1; --i) walk.push_back({i, 10});
    for (int i = 10; i > 1; --i) walk.push_back({1, i});
    for (size_t i = 0; i < walk.size(); ++i)
        EXPECT_EQ(c.at(walk[i].x, walk[i].y), i % 6 < 3 ? kBlack : kWhite) << i;
}

TEST(Ellipse, OutlineIsTheBorderOfTheEllipseAndTheBrushFillsTheRest) {
    for (auto [w, h] :
         {std::pair{15, 11}, std::pair{16, 10}, std::pair{7, 20}, std::pair{1, 5}, std::pair{2, 2}}) {
        TestCanvas c(w + 4, h + 4);
        Selected brush(c.dc(), CreateSolidBrush(kRed));
        EXPECT_TRUE(Ellipse(c.dc(), 2, 2, 2 + w, 2 + h));
        auto in = [&](int x, int y) {
            return inBox(x, y, 2, 2, 2 + w, 2 + h) && inEllipse(w, h, x - 2, y - 2);
        };
        EXPECT_TRUE(pixelsFollow(c,
                                 [&](int x, int y) {
                                     if (!in(x, y)) return kWhite;
                                     return in(x - 1, y) && in(x + 1, y) && in(x, y - 1) && in(x, y + 1)
                                                ? kRed
                                                : kBlack;
                                 }))
            << w << "x" << h;
    }
}

TEST(Ellipse, NullPenFillsTheEllipseOfTheSmallerBoxNullBrushLeavesTheInside) {
    TestCanvas filled(20, 16), hollow(20, 16);
    SelectObject(filled.dc(), GetStockObject(NULL_PEN));
    Selected brush(filled.dc(), CreateSolidBrush(kRed));
    Ellipse(filled.dc(), 0, 0, 15, 12);
    EXPECT_TRUE(pixelsFollow(
        filled, [](int x, int y) { return x < 14 && y < 11 && inEllipse(14, 11, x, y) ? kRed : kWhite; }));
    hollow.fill(patternColour);
    SelectObject(hollow.dc(), GetStockObject(NULL_BRUSH));
    Ellipse(hollow.dc(), 1, 1, 19, 15);
    for (int y = 4; y < 12; ++y)
        for (int x = 5; x < 15; ++x) EXPECT_EQ(hollow.at(x, y), patternColour(x, y));
}

TEST(Shapes, XorTwiceRestoresWithThinWideAndDashedPens) {
    for (auto [style, width] :
         {std::pair{PS_SOLID, 1}, std::pair{PS_INSIDEFRAME, 4}, std::pair{PS_DASHDOT, 1}})
        for (auto shape : {Rectangle, Ellipse}) {
            TestCanvas c(40, 30);
            c.fill(patternColour);
            std::vector<uint32_t> before = c.pixels();
            Selected pen(c.dc(), CreatePen(style, width, RGB(10, 200, 30)));
            Selected brush(c.dc(), CreateSolidBrush(RGB(90, 0, 250)));
            SetROP2(c.dc(), R2_XORPEN);
            shape(c.dc(), 3, 2, 35, 27);
            EXPECT_NE(c.pixels(), before);
            shape(c.dc(), 3, 2, 35, 27);
            EXPECT_EQ(c.pixels(), before) << style << "/" << width;
        }
}

TEST(FillRect, FillsExactlyTheRectangleIgnoringTheRop2) {
    TestCanvas c(12, 10);
    SetROP2(c.dc(), R2_XORPEN);
    RECT r{2, 3, 9, 7}, inverted{9, 7, 2, 3};
    EXPECT_EQ(FillRect(c.dc(), &r, reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_HIGHLIGHT + 1))), 1);
    EXPECT_EQ(FillRect(c.dc(), &inverted, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 1);
    EXPECT_TRUE(
        pixelsFollow(c, [](int x, int y) { return inBox(x, y, 2, 3, 9, 7) ? RGB(0, 0, 128) : kWhite; }));
}

TEST(FrameRectAndInvertRect, BorderInsideTheRectangleAndInversion) {
    TestCanvas c(12, 10);
    c.fill(patternColour);
    RECT frame{1, 2, 10, 8}, invert{4, 0, 6, 10};
    EXPECT_EQ(FrameRect(c.dc(), &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 1);
    EXPECT_TRUE(InvertRect(c.dc(), &invert));
    EXPECT_TRUE(pixelsFollow(c, [](int x, int y) {
        COLORREF under = inBox(x, y, 1, 2, 10, 8) && !inBox(x, y, 2, 3, 9, 7) ? kBlack : patternColour(x, y);
        return inBox(x, y, 4, 0, 6, 10) ? under ^ 0xFFFFFF : under;
    }));
}

TEST(PatBlt, PatternOperationsAndNegativeExtents) {
    TestCanvas c(12, 10);
    c.fill(patternColour);
    Selected brush(c.dc(), CreateSolidBrush(RGB(0x11, 0x22, 0x33)));
    EXPECT_TRUE(PatBlt(c.dc(), 1, 1, 3, 3, PATCOPY));
    EXPECT_TRUE(PatBlt(c.dc(), 9, 9, -3, -4, DSTINVERT));  // [6, 9) x [5, 9)
    EXPECT_TRUE(PatBlt(c.dc(), 5, 0, 2, 2, PATINVERT));
    EXPECT_TRUE(PatBlt(c.dc(), 10, 0, 2, 10, BLACKNESS));
    EXPECT_FALSE(PatBlt(c.dc(), 0, 0, 2, 2, SRCCOPY));  // needs a source
    EXPECT_TRUE(pixelsFollow(c, [](int x, int y) {
        if (inBox(x, y, 1, 1, 4, 4)) return RGB(0x11, 0x22, 0x33);
        if (inBox(x, y, 6, 5, 9, 9)) return patternColour(x, y) ^ 0xFFFFFF;
        if (inBox(x, y, 5, 0, 7, 2)) return patternColour(x, y) ^ RGB(0x11, 0x22, 0x33);
        return x >= 10 ? kBlack : patternColour(x, y);
    }));
}

TEST(SetPixel, WritesIgnoringTheRop2AndOutsideTheClipIsInvalid) {
    TestCanvas c(4, 4);
    SetROP2(c.dc(), R2_XORPEN);
    EXPECT_EQ(SetPixel(c.dc(), 1, 2, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(c.dc(), 1, 2), RGB(1, 2, 3));
    EXPECT_EQ(SetPixel(c.dc(), 4, 0, kBlack), CLR_INVALID);
    IntersectClipRect(c.dc(), 0, 0, 2, 2);
    EXPECT_EQ(SetPixel(c.dc(), 3, 3, kBlack), CLR_INVALID);
    EXPECT_EQ(GetPixel(c.dc(), 3, 3), CLR_INVALID);
    EXPECT_EQ(GetPixel(c.dc(), 1, 1), kWhite);
}
