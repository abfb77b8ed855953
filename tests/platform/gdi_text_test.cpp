// Text through memory DCs: where ink lands relative to extents and
// alignment, blending, metrics, DrawText's formats and prefixes, the
// fallback font, and one golden rendering.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "gdi_test_support.h"

namespace {

// FREETYPE_PROPERTIES changes rendering, and these tests compare pixels.
const bool kFreeTypeDefaults = [] { return unsetenv("FREETYPE_PROPERTIES") == 0; }();

HFONT dialogFont(int height = -11, int weight = FW_NORMAL) {
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
}

SIZE extent(HDC dc, const char *text) {
    SIZE s{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &s);
    return s;
}

::testing::AssertionResult within(const RECT &ink, const RECT &box) {
    if (ink.left >= box.left && ink.top >= box.top && ink.right <= box.right && ink.bottom <= box.bottom &&
        ink.left < ink.right)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "ink " << ink.left << "," << ink.top << "-" << ink.right << "," << ink.bottom << " box "
           << box.left << "," << box.top << "-" << box.right << "," << box.bottom;
}

const char kSample[] = "Profile 12.5 um gjpqy AW";

}  // namespace

TEST(TextOutput, InkLandsInsideTheTextExtentAndBlendsTowardsTheTextColour) {
    TestCanvas c(200, 30);
    Selected font(c.dc(), dialogFont());
    SetBkMode(c.dc(), TRANSPARENT);
    SetTextColor(c.dc(), kRed);
    SetROP2(c.dc(), R2_XORPEN);  // text ignores the ROP2
    EXPECT_TRUE(TextOutA(c.dc(), 10, 5, kSample, static_cast<int>(std::strlen(kSample))));
    SIZE s = extent(c.dc(), kSample);
    RECT ink = c.inkBox(kWhite);
    EXPECT_TRUE(within(ink, RECT{10, 5, 10 + s.cx, 5 + s.cy}));
    EXPECT_GT(ink.right - ink.left, s.cx * 9 / 10);
    int solid = 0, partial = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            COLORREF p = c.at(x, y);
            ASSERT_TRUE(GetRValue(p) == 255 && GetGValue(p) == GetBValue(p)) << x << "," << y;
            solid += p == kRed;
            partial += p != kRed && p != kWhite;
        }
    EXPECT_GT(solid, 0);
    EXPECT_GT(partial, 0);  // anti-aliased edges
}

// The opaque cell (background and text in red) lands where the alignment
// puts it: TextOutA's around the point (40, 30), DrawTextA's inside the
// rectangle (10, 10)-(110, 50), whose result is the bottom of the text.
TEST(TextOutput, AlignmentPlacesTheOpaqueCell) {
    TestCanvas probe(4, 4);
    Selected probeFont(probe.dc(), dialogFont());
    const SIZE s = extent(probe.dc(), "Wg");
    TEXTMETRICA tm{};
    GetTextMetricsA(probe.dc(), &tm);
    struct Case {
        bool drawText;
        UINT flags;  // TextOutA's alignment or DrawTextA's format
        int left, top;
    };
    const int centre = 10 + (100 - s.cx) / 2;
    const Case cases[] = {
        {false, TA_LEFT | TA_TOP, 40, 30},
        {false, TA_RIGHT | TA_TOP, 40 - s.cx, 30},
        {false, TA_CENTER, 40 - s.cx / 2, 30},
        {false, TA_BOTTOM, 40, 30 - s.cy},
        {false, TA_BASELINE, 40, 30 - tm.tmAscent},
        {true, DT_LEFT, 10, 10},
        {true, DT_RIGHT, 110 - s.cx, 10},
        {true, DT_CENTER, centre, 10},
        {true, DT_CENTER | DT_VCENTER, centre, 10 + (40 - s.cy) / 2},
        {true, DT_RIGHT | DT_BOTTOM, 110 - s.cx, 50 - s.cy},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << (c.drawText ? "DrawTextA " : "TextOutA ") << std::hex << c.flags);
        TestCanvas canvas(130, 60);
        Selected font(canvas.dc(), dialogFont());
        SetBkColor(canvas.dc(), kRed);  // OPAQUE by default: the cell is filled
        SetTextColor(canvas.dc(), kRed);
        if (c.drawText) {
            RECT r{10, 10, 110, 50};
            EXPECT_EQ(DrawTextA(canvas.dc(), "Wg", -1, &r, c.flags | DT_SINGLELINE), c.top - 10 + s.cy);
        } else {
            SetTextAlign(canvas.dc(), c.flags);
            TextOutA(canvas.dc(), 40, 30, "Wg", 2);
        }
        EXPECT_TRUE(pixelsFollow(canvas, [&](int x, int y) {
            return inBox(x, y, c.left, c.top, c.left + s.cx, c.top + s.cy) ? kRed : kWhite;
        }));
    }
}

TEST(TextOutput, UpdateCpDrawsAtAndAdvancesTheCurrentPosition) {
    TestCanvas a(120, 20), b(120, 20);
    for (TestCanvas *c : {&a, &b}) SelectObject(c->dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetTextAlign(a.dc(), TA_UPDATECP);
    MoveToEx(a.dc(), 5, 2, nullptr);
    TextOutA(a.dc(), 99, 99, "ab", 2);
    TextOutA(a.dc(), 99, 99, "cd", 2);
    TextOutA(b.dc(), 5, 2, "abcd", 4);
    EXPECT_EQ(a.pixels(), b.pixels());
    POINT position{};
    MoveToEx(a.dc(), 0, 0, &position);
    EXPECT_EQ(position.x, 5 + extent(a.dc(), "abcd").cx);
}

TEST(TextMetrics, NegativeHeightsAreEmHeightsPositiveHeightsCellHeights) {
    TestCanvas c(4, 4);
    for (int h = 8; h <= 40; h += 4) {
        TEXTMETRICA em{}, cell{};
        DeleteObject(SelectObject(c.dc(), dialogFont(-h)));
        GetTextMetricsA(c.dc(), &em);
        DeleteObject(SelectObject(c.dc(), dialogFont(h)));
        GetTextMetricsA(c.dc(), &cell);
        EXPECT_EQ(em.tmHeight - em.tmInternalLeading, h);
        EXPECT_EQ(em.tmHeight, em.tmAscent + em.tmDescent);
        EXPECT_NEAR(cell.tmHeight, h, 1);
        EXPECT_EQ(extent(c.dc(), "Ag").cy, cell.tmHeight);
    }
    DeleteObject(SelectObject(c.dc(), GetStockObject(SYSTEM_FONT)));
    TEXTMETRICA system{};
    GetTextMetricsA(c.dc(), &system);  // Windows' System font: bold, 16-pixel cell
    EXPECT_NEAR(system.tmHeight, 16, 1);
    EXPECT_EQ(system.tmWeight, FW_BOLD);
}

TEST(FormattedText, CalcRectBoundsTheLinesWithoutDrawingAndWordBreakWraps) {
    TestCanvas c(100, 60);
    Selected font(c.dc(), dialogFont());
    TEXTMETRICA tm{};
    GetTextMetricsA(c.dc(), &tm);
    RECT r{5, 5, 5, 5};
    EXPECT_EQ(DrawTextA(c.dc(), "Line one\nLonger line two", -1, &r, DT_CALCRECT), 2 * tm.tmHeight);
    EXPECT_TRUE(r.right - r.left == extent(c.dc(), "Longer line two").cx &&
                r.bottom - r.top == 2 * tm.tmHeight);
    r = {0, 0, extent(c.dc(), "alpha beta").cx, 0};
    EXPECT_EQ(DrawTextA(c.dc(), "alpha beta gamma", -1, &r, DT_WORDBREAK | DT_CALCRECT), 2 * tm.tmHeight);
    EXPECT_EQ(r.right, extent(c.dc(), "alpha beta").cx);
    EXPECT_TRUE(pixelsFollow(c, [](int, int) { return kWhite; }));
}

TEST(FormattedText, PrefixHidesTheAmpersandAndUnderlinesTheNextCharacter) {
    TestCanvas prefixed(80, 24), plain(80, 24);
    for (TestCanvas *c : {&prefixed, &plain}) SelectObject(c->dc(), GetStockObject(DEFAULT_GUI_FONT));
    RECT r{3, 2, 80, 24};
    DrawTextA(prefixed.dc(), "&File", -1, &r, DT_SINGLELINE);
    DrawTextA(plain.dc(), "File", -1, &r, DT_SINGLELINE);
    int underlineEnd = 3 + extent(plain.dc(), "F").cx, row = -1;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 80; ++x) {
            if (prefixed.at(x, y) == plain.at(x, y)) continue;
            if (row < 0) row = y;
            EXPECT_TRUE(y == row && x >= 3 && x < underlineEnd && prefixed.at(x, y) == kBlack)
                << x << "," << y;
        }
    ASSERT_GE(row, 0) << "no underline";
    for (int x = 3; x < underlineEnd; ++x) EXPECT_EQ(prefixed.at(x, row), kBlack) << x;
}

TEST(FormattedText, ClipsToTheRectangleUnlessNoClip) {
    TestCanvas clipped(100, 30), free(100, 30);
    for (TestCanvas *t : {&clipped, &free}) SelectObject(t->dc(), GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, 12, 30};
    DrawTextA(clipped.dc(), "Wide text", -1, &r, DT_SINGLELINE);
    DrawTextA(free.dc(), "Wide text", -1, &r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_TRUE(pixelsFollow(clipped, [&](int x, int y) { return x < 12 ? free.at(x, y) : kWhite; }));
    EXPECT_GT(free.inkBox(kWhite).right, 12);
}

TEST(Text, RenderingMatchesTheGoldenPicture) {
    TestCanvas c(160, 20);
    Selected font(c.dc(), dialogFont());
    SetTextColor(c.dc(), RGB(0, 0, 128));
    TextOutA(c.dc(), 2, 3, "Line profile: 0.5 \xB5m", 20);  // 0xB5: micro sign
    uint64_t hash = 1469598103934665603ull;                 // FNV-1a over the pixels
    for (uint32_t p : c.pixels()) hash = (hash ^ p) * 1099511628211ull;
    // DejaVu Sans 2.37 rendered by FreeType 2.12 (Debian 12).
    EXPECT_EQ(hash, 0xba267fbbd91ce915ull) << "picture in " << c.dump() << ", hash 0x" << std::hex << hash;
}

// Missing, empty and broken font files alike leave text to the built-in face.
TEST(FallbackFont, TextStillMeasuresAndDrawsWithoutTheFontFile) {
    const std::string folder = ::testing::TempDir();
    const std::string empty = folder + "/empty-font.ttf", broken = folder + "/broken-font.ttf";
    std::ofstream(empty, std::ios::binary).flush();
    std::ofstream(broken, std::ios::binary) << std::string(4096, '\x5A');
    for (const std::string &file : {std::string("/nonexistent/font.ttf"), empty, broken}) {
        plat::setFontFilesForTesting(file, file);
        TestCanvas c(120, 30);
        Selected font(c.dc(), dialogFont(-12));
        SetBkMode(c.dc(), TRANSPARENT);
        TEXTMETRICA tm{};
        EXPECT_TRUE(GetTextMetricsA(c.dc(), &tm)) << file;
        SIZE s = extent(c.dc(), "Fall 1");
        EXPECT_TRUE(s.cx > 0 && s.cy == tm.tmHeight) << file;
        TextOutA(c.dc(), 4, 4, "Fall 1", 6);
        EXPECT_TRUE(within(c.inkBox(kWhite), RECT{4, 4, 4 + s.cx, 4 + s.cy})) << file;
    }
    plat::setFontFilesForTesting("", "");
    std::remove(empty.c_str());
    std::remove(broken.c_str());
}
