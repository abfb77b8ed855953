// BitBlt, StretchBlt and StretchDIBits: copies, raster operations, nearest
// neighbour zooms, DIB orientation and formats.
#include "gdi_test_support.h"
#include "internal/cursor.h"

namespace {

// A DIB whose pixel (x, y), y from the top of the picture, shows colour(x, y);
// rows are stored bottom-up or top-down.
struct Dib {
    BITMAPINFOHEADER header{};
    RGBQUAD palette[256]{};
    std::vector<uint8_t> bits;

    Dib(int w, int h, int bitCount, bool topDown) {
        header = {sizeof header, w, topDown ? -h : h, 1, static_cast<WORD>(bitCount), BI_RGB, 0, 0, 0, 0, 0};
        int stride = (w * bitCount + 31) / 32 * 4;
        bits.assign(static_cast<size_t>(stride * h), 0xEE);  // padding that must never show
        for (int i = 0; i < 256; ++i) palette[i] = {BYTE(255 - i), BYTE(i), BYTE(i * 3), 0};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                uint8_t *p = bits.data() + (topDown ? y : h - 1 - y) * stride + x * bitCount / 8;
                COLORREF c = patternColour(x, y);
                if (bitCount == 8)
                    *p = static_cast<uint8_t>(x * 16 + y);
                else
                    p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
                if (bitCount == 32) p[3] = 0x7F;  // unused byte, must not reach the surface
            }
    }
    const BITMAPINFO *info() const { return reinterpret_cast<const BITMAPINFO *>(&header); }
    COLORREF colour(int x, int y) const {
        if (header.biBitCount != 8) return patternColour(x, y);
        const RGBQUAD &q = palette[(x * 16 + y) & 0xFF];
        return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
    int draw(HDC dc, int x, int y, int w, int h, int sx, int sy, int sw, int sh) const {
        return StretchDIBits(dc, x, y, w, h, sx, sy, sw, sh, bits.data(), info(), DIB_RGB_COLORS, SRCCOPY);
    }
};

}  // namespace

TEST(BitBlt, CopiesBetweenMemoryDcsWithinTheDestinationClip) {
    TestCanvas source(20, 16), dest(20, 16);
    source.fill(patternColour);
    IntersectClipRect(dest.dc(), 0, 0, 20, 9);
    EXPECT_TRUE(BitBlt(dest.dc(), 5, 4, 8, 6, source.dc(), 2, 3, SRCCOPY));
    EXPECT_TRUE(pixelsFollow(
        dest, [](int x, int y) { return inBox(x, y, 5, 4, 13, 9) ? patternColour(x - 3, y - 1) : kWhite; }));
}

TEST(BitBlt, RasterOperationsCombineSourceDestinationAndBrush) {
    using Rule = COLORREF (*)(COLORREF s, COLORREF d, COLORREF p);
    const std::pair<DWORD, Rule> cases[] = {
        {SRCINVERT, [](COLORREF s, COLORREF d, COLORREF) { return s ^ d; }},
        {SRCAND, [](COLORREF s, COLORREF d, COLORREF) { return s & d; }},
        {SRCPAINT, [](COLORREF s, COLORREF d, COLORREF) { return s | d; }},
        {DSTINVERT, [](COLORREF, COLORREF d, COLORREF) { return d ^ 0xFFFFFF; }},
        {PATCOPY, [](COLORREF, COLORREF, COLORREF p) { return p; }},
        {BLACKNESS, [](COLORREF, COLORREF, COLORREF) { return kBlack; }},
        {WHITENESS, [](COLORREF, COLORREF, COLORREF) { return kWhite; }},
    };
    const COLORREF brushColour = RGB(0x30, 0x60, 0x90);
    for (auto [rop, rule] : cases) {
        TestCanvas source(10, 10), dest(10, 10);
        source.fill(patternColour);
        dest.fill([](int x, int y) { return patternColour(y + 3, x); });
        Selected brush(dest.dc(), CreateSolidBrush(brushColour));
        EXPECT_TRUE(BitBlt(dest.dc(), 0, 0, 10, 10, source.dc(), 0, 0, rop));
        EXPECT_TRUE(pixelsFollow(
            dest,
            [&](int x, int y) { return rule(patternColour(x, y), patternColour(y + 3, x), brushColour); }))
            << std::hex << rop;
    }
}

TEST(BitBlt, OverlappingCopyWithinOneBitmapReadsThePictureAsItWas) {
    TestCanvas c(16, 12);
    c.fill(patternColour);
    BitBlt(c.dc(), 3, 2, 13, 10, c.dc(), 0, 0, SRCCOPY);
    EXPECT_TRUE(pixelsFollow(c, [](int x, int y) {
        return inBox(x, y, 3, 2, 16, 12) ? patternColour(x - 3, y - 2) : patternColour(x, y);
    }));
}

TEST(StretchBlt, ZoomsShrinksAndMirrorsByNearestNeighbour) {
    TestCanvas source(8, 8), dest(20, 20);
    source.fill(patternColour);
    StretchBlt(dest.dc(), 0, 0, 16, 8, source.dc(), 0, 0, 8, 4, SRCCOPY);    // x2
    StretchBlt(dest.dc(), 0, 10, 4, 4, source.dc(), 0, 0, 8, 8, SRCCOPY);    // x0.5
    StretchBlt(dest.dc(), 19, 10, -4, 4, source.dc(), 0, 0, 4, 4, SRCCOPY);  // mirrored
    EXPECT_TRUE(pixelsFollow(dest, [](int x, int y) {
        if (y < 8 && x < 16) return patternColour(x / 2, y / 2);
        if (inBox(x, y, 0, 10, 4, 14)) return patternColour(2 * x, 2 * (y - 10));
        return inBox(x, y, 15, 10, 19, 14) ? patternColour(18 - x, y - 10) : kWhite;
    }));
}

class StretchDIBitsFormats : public ::testing::TestWithParam<int> {};

TEST_P(StretchDIBitsFormats, BottomUpAndTopDownShowTheSameUprightPicture) {
    for (bool topDown : {false, true}) {
        Dib dib(7, 5, GetParam(), topDown);
        TestCanvas c(9, 7);
        EXPECT_EQ(dib.draw(c.dc(), 1, 1, 7, 5, 0, 0, 7, 5), 5);
        EXPECT_TRUE(pixelsFollow(c, [&](int x, int y) {
            return inBox(x, y, 1, 1, 8, 6) ? dib.colour(x - 1, y - 1) : kWhite;
        })) << (topDown ? "top-down" : "bottom-up");
    }
}

TEST_P(StretchDIBitsFormats, ZoomTwoRepeatsEachPixelAndZoomHalfKeepsEveryOther) {
    Dib dib(8, 6, GetParam(), false);
    TestCanvas c(24, 16);
    dib.draw(c.dc(), 0, 0, 16, 12, 0, 0, 8, 6);
    dib.draw(c.dc(), 17, 0, 4, 3, 0, 0, 8, 6);
    EXPECT_TRUE(pixelsFollow(c, [&](int x, int y) {
        if (inBox(x, y, 0, 0, 16, 12)) return dib.colour(x / 2, y / 2);
        return inBox(x, y, 17, 0, 21, 3) ? dib.colour(2 * (x - 17), 2 * y) : kWhite;
    }));
}

INSTANTIATE_TEST_SUITE_P(BitCounts, StretchDIBitsFormats, ::testing::Values(8, 24, 32));

TEST(StretchDIBits, SourceRowsCountFromTheBottomOfABottomUpDib) {
    Dib bottomUp(6, 6, 24, false), topDown(6, 6, 24, true);
    TestCanvas a(6, 6), b(6, 6);
    bottomUp.draw(a.dc(), 0, 0, 4, 2, 1, 1, 4, 2);  // rows 1..2 from the bottom: 3..4 from the top
    topDown.draw(b.dc(), 0, 0, 4, 2, 1, 1, 4, 2);
    EXPECT_TRUE(pixelsFollow(
        a, [](int x, int y) { return inBox(x, y, 0, 0, 4, 2) ? patternColour(x + 1, y + 3) : kWhite; }));
    EXPECT_TRUE(pixelsFollow(
        b, [](int x, int y) { return inBox(x, y, 0, 0, 4, 2) ? patternColour(x + 1, y + 1) : kWhite; }));
}

TEST(StretchDIBits, ClippedOrPartlyOutsideDrawingMatchesTheWholePicture) {
    Dib dib(10, 10, 8, false);
    TestCanvas full(30, 30), clipped(30, 30), beyond(30, 30);
    IntersectClipRect(clipped.dc(), 7, 5, 19, 23);
    dib.draw(full.dc(), 2, 1, 25, 27, 0, 0, 10, 10);
    dib.draw(clipped.dc(), 2, 1, 25, 27, 0, 0, 10, 10);
    dib.draw(beyond.dc(), 0, 0, 20, 10, 0, 0, 20, 10);  // the right half maps outside the picture
    EXPECT_TRUE(pixelsFollow(
        clipped, [&](int x, int y) { return inBox(x, y, 7, 5, 19, 23) ? full.at(x, y) : kWhite; }));
    EXPECT_TRUE(pixelsFollow(
        beyond, [&](int x, int y) { return inBox(x, y, 0, 0, 10, 10) ? dib.colour(x, y) : kWhite; }));
}

TEST(StretchDIBits, RefusesWhatItCannotRead) {
    Dib dib(4, 4, 24, false);
    TestCanvas c(4, 4);
    for (auto breakIt :
         {+[](Dib &d) { d.header.biBitCount = 16; }, +[](Dib &d) { d.header.biCompression = 1; },
          +[](Dib &d) { d.header.biWidth = 0; }, +[](Dib &d) { d.header.biSize = 12; }}) {
        Dib bad = dib;
        breakIt(bad);
        EXPECT_EQ(bad.draw(c.dc(), 0, 0, 4, 4, 0, 0, 4, 4), 0);
    }
    EXPECT_EQ(StretchDIBits(c.dc(), 0, 0, 4, 4, 0, 0, 4, 4, nullptr, dib.info(), DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(
        StretchDIBits(c.dc(), 0, 0, 4, 4, 0, 0, 4, 4, dib.bits.data(), dib.info(), DIB_PAL_COLORS, SRCCOPY),
        0);
    EXPECT_TRUE(pixelsFollow(c, [](int, int) { return kWhite; }));
}

TEST(DrawIcon, BlendsTheIconByItsAlphaAtItsOwnSize) {
    HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
    const plat::res::ImageData *image = plat::iconImage(icon);
    ASSERT_NE(image, nullptr);
    TestCanvas c(image->width + 6, image->height + 6);
    c.fill(patternColour);
    EXPECT_TRUE(DrawIcon(c.dc(), 3, 2, icon));
    int partial = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            bool inside = inBox(x, y, 3, 2, 3 + image->width, 2 + image->height);
            uint32_t argb = inside ? image->argb[static_cast<size_t>((y - 2) * image->width + x - 3)] : 0;
            COLORREF under = patternColour(x, y), icon = plat::colorrefFromPixel(argb & 0xFFFFFF),
                     got = c.at(x, y);
            if (argb >> 24 == 0)
                ASSERT_EQ(got, under) << x << "," << y;
            else if (argb >> 24 == 255)
                ASSERT_EQ(got, icon) << x << "," << y;
            else
                ++partial;
        }
    EXPECT_FALSE(DrawIcon(c.dc(), 0, 0, reinterpret_cast<HICON>(c.dc())));
}

// Gray images reach the screen as 8-bit DIBs whose colour table is the 256
// grays; that table is recognised and widened sixteen pixels at a time. Any
// other table, a gray one with one entry off or one entry short among them,
// goes entry by entry: each draws pixel for pixel what its table says.
TEST(StretchDIBits, GrayColourTablesShowEachLevelAsTheTableSays) {
    struct Table {
        const char *what;
        int offEntry;       // -1: none
        DWORD usedColours;  // 0: all 256
    } tables[] = {{"the grays", -1, 0}, {"one gray off", 200, 0}, {"one entry short", -1, 255}};
    for (const Table &t : tables) {
        for (int width = 1; width <= 40; ++width) {
            Dib dib(width + 3, 2, 8, true);
            dib.header.biClrUsed = t.usedColours;
            for (int i = 0; i < 256; ++i) dib.palette[i] = {BYTE(i), BYTE(i), BYTE(i), 0};
            if (t.offEntry >= 0) dib.palette[t.offEntry].rgbRed = BYTE(t.offEntry + 1);
            const int stride = (width + 3 + 3) / 4 * 4;
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < width + 3; ++x)
                    dib.bits[static_cast<size_t>(y * stride + x)] = BYTE(x * 37 + y * 91);
            TestCanvas c(width, 2);
            dib.draw(c.dc(), 0, 0, width, 2, 3, 0, width, 2);  // from column 3: rows start off sixteen
            EXPECT_TRUE(pixelsFollow(c,
                                     [&](int x, int y) {
                                         const int level = ((x + 3) * 37 + y * 91) & 0xFF;
                                         if (t.usedColours != 0 && level >= static_cast<int>(t.usedColours))
                                             return RGB(0, 0, 0);
                                         const RGBQUAD &q = dib.palette[level];
                                         return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
                                     }))
                << t.what << ", width " << width;
        }
    }
}
