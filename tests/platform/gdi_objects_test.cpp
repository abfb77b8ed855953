// GDI objects and DCs: stock objects, selection, deletion, GetObject, DIB
// sections, SaveDC/RestoreDC, clipping, system colours, the screen DC, and the
// failure values Windows gives for bad handles.
#include "gdi_test_support.h"

namespace {

template <typename T>
T objectOf(HGDIOBJ object) {
    T value{};
    EXPECT_EQ(GetObjectA(object, sizeof value, &value), static_cast<int>(sizeof value));
    return value;
}

HGDIOBJ freedObject() {
    HPEN pen = CreatePen(PS_SOLID, 1, kBlack);
    DeleteObject(pen);
    return pen;
}

HDC freedDc() {
    HDC dc = CreateCompatibleDC(nullptr);
    DeleteDC(dc);
    return dc;
}

}  // namespace

TEST(StockObjects, AreStableDescribeThemselvesAndSurviveDeletion) {
    const std::pair<int, COLORREF> brushes[] = {{WHITE_BRUSH, kWhite},
                                                {LTGRAY_BRUSH, RGB(192, 192, 192)},
                                                {GRAY_BRUSH, RGB(128, 128, 128)},
                                                {DKGRAY_BRUSH, RGB(64, 64, 64)},
                                                {BLACK_BRUSH, kBlack}};
    for (auto [index, colour] : brushes) {
        HGDIOBJ brush = GetStockObject(index);
        EXPECT_EQ(GetStockObject(index), brush);
        EXPECT_TRUE(DeleteObject(brush));
        EXPECT_EQ(objectOf<LOGBRUSH>(brush).lbColor, colour);
    }
    EXPECT_EQ(objectOf<LOGBRUSH>(GetStockObject(NULL_BRUSH)).lbStyle, static_cast<UINT>(BS_NULL));
    EXPECT_EQ(objectOf<LOGPEN>(GetStockObject(NULL_PEN)).lopnStyle, static_cast<UINT>(PS_NULL));
    EXPECT_EQ(objectOf<LOGPEN>(GetStockObject(WHITE_PEN)).lopnColor, kWhite);
    EXPECT_EQ(objectOf<LOGFONTA>(GetStockObject(DEFAULT_GUI_FONT)).lfHeight, -11);
    EXPECT_NE(GetStockObject(ANSI_VAR_FONT), nullptr);
    for (int unknown : {-1, 9, DEFAULT_PALETTE, 100}) EXPECT_EQ(GetStockObject(unknown), nullptr) << unknown;
}

TEST(SelectObject, ReturnsThePreviousObjectOfTheSameKind) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_DASH, 1, kRed);
    HBRUSH brush = CreateSolidBrush(kRed);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, font), GetStockObject(SYSTEM_FONT));
    HGDIOBJ defaultBitmap = SelectObject(dc, bitmap);
    EXPECT_EQ(objectOf<BITMAP>(defaultBitmap).bmWidth, 1);
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), pen);
    EXPECT_EQ(SelectObject(dc, defaultBitmap), bitmap);
    DeleteDC(dc);
    for (HGDIOBJ o : std::initializer_list<HGDIOBJ>{pen, brush, font, bitmap}) EXPECT_TRUE(DeleteObject(o));
}

TEST(SelectObject, ABitmapGoesIntoOneMemoryDcAtATime) {
    HDC a = CreateCompatibleDC(nullptr), b = CreateCompatibleDC(nullptr), screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(a, 3, 3);
    HGDIOBJ previous = SelectObject(a, bitmap);
    EXPECT_EQ(SelectObject(b, bitmap), nullptr);
    EXPECT_EQ(SelectObject(screen, bitmap), nullptr);  // window DCs take no bitmaps
    SelectObject(a, previous);
    EXPECT_NE(SelectObject(b, bitmap), nullptr);
    ReleaseDC(nullptr, screen);
    DeleteDC(a);
    DeleteDC(b);
    DeleteObject(bitmap);
}

TEST(DeleteObject, ASelectedObjectDiesAtOnceButDrawsUntilDeselected) {
    TestCanvas c(10, 3), other(2, 2);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    HGDIOBJ previous = SelectObject(c.dc(), pen);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(GetObjectA(pen, 0, nullptr), 0);
    EXPECT_EQ(SelectObject(other.dc(), pen), nullptr);
    MoveToEx(c.dc(), 0, 1, nullptr);
    LineTo(c.dc(), 10, 1);
    EXPECT_EQ(c.at(5, 1), kRed);
    EXPECT_EQ(SelectObject(c.dc(), previous), pen);
    EXPECT_FALSE(DeleteObject(pen));
}

TEST(GetObject, ReportsSizesAndCopiesAtMostWhatFits) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 7, 5);
    EXPECT_EQ(GetObjectA(bitmap, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
    BITMAP info = objectOf<BITMAP>(bitmap);
    EXPECT_TRUE(info.bmWidth == 7 && info.bmHeight == 5 && info.bmBitsPixel == 32 && info.bmWidthBytes == 28);
    HPEN pen = CreatePen(PS_DOT, -3, RGB(1, 2, 3));
    LOGPEN log = objectOf<LOGPEN>(pen);
    EXPECT_TRUE(log.lopnStyle == PS_DOT && log.lopnWidth.x == 3 && log.lopnColor == RGB(1, 2, 3));
    LONG firstField = 0;
    EXPECT_EQ(GetObjectA(pen, sizeof firstField, &firstField), static_cast<int>(sizeof firstField));
    EXPECT_EQ(firstField, PS_DOT);
    EXPECT_EQ(CreatePen(7 /* PS_USERSTYLE */, 1, kBlack), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 1 << 16, 1 << 16), nullptr);
    EXPECT_EQ(objectOf<BITMAP>(CreateCompatibleBitmap(dc, 0, 0)).bmWidth, 1);
    DeleteObject(pen);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

BITMAPINFO dibInfo(LONG width, LONG height, WORD bits = 32) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bits;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

TEST(CreateDIBSection, ItsBitsAreThePixelsTheDcDrawsOn) {
    HDC dc = CreateCompatibleDC(nullptr);
    const BITMAPINFO info = dibInfo(6, -4);
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    ASSERT_NE(bits, nullptr);
    auto *pixels = static_cast<uint32_t *>(bits);
    EXPECT_TRUE(std::all_of(pixels, pixels + 24, [](uint32_t p) { return p == 0; }));
    SelectObject(dc, bitmap);
    pixels[1 * 6 + 2] = 0x00112233;  // blue, green, red, unused bytes
    EXPECT_EQ(GetPixel(dc, 2, 1), RGB(0x11, 0x22, 0x33));
    SetPixel(dc, 5, 3, RGB(1, 2, 3));
    EXPECT_EQ(pixels[3 * 6 + 5], 0x00010203u);
    // Copied out by BitBlt like any bitmap.
    HDC copy = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateCompatibleBitmap(copy, 6, 4);
    SelectObject(copy, target);
    BitBlt(copy, 0, 0, 6, 4, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(copy, 2, 1), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(GetPixel(copy, 5, 3), RGB(1, 2, 3));
    DeleteDC(copy);
    DeleteObject(target);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

TEST(CreateDIBSection, RefusesWhatItCannotShare) {
    struct Case {
        const char *name;
        BITMAPINFO info;
        UINT usage;
        HANDLE section;
    };
    BITMAPINFO bitfields = dibInfo(4, -4);
    bitfields.bmiHeader.biCompression = BI_BITFIELDS;
    int sectionObject = 0;
    const Case cases[] = {
        {"bottom-up rows", dibInfo(4, 4), DIB_RGB_COLORS, nullptr},
        {"24 bits", dibInfo(4, -4, 24), DIB_RGB_COLORS, nullptr},
        {"8 bits", dibInfo(4, -4, 8), DIB_RGB_COLORS, nullptr},
        {"bit fields", bitfields, DIB_RGB_COLORS, nullptr},
        {"palette indices", dibInfo(4, -4), DIB_PAL_COLORS, nullptr},
        {"file section", dibInfo(4, -4), DIB_RGB_COLORS, &sectionObject},
        {"no width", dibInfo(0, -4), DIB_RGB_COLORS, nullptr},
        {"no height", dibInfo(4, 0), DIB_RGB_COLORS, nullptr},
        {"too many pixels", dibInfo(1 << 16, -(1 << 16)), DIB_RGB_COLORS, nullptr},
    };
    for (const Case &c : cases) {
        void *bits = &sectionObject;
        SetLastError(0);
        EXPECT_EQ(CreateDIBSection(nullptr, &c.info, c.usage, &bits, c.section, 0), nullptr) << c.name;
        EXPECT_EQ(bits, nullptr) << c.name;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)) << c.name;
    }
}

TEST(InvalidHandles, GiveTheFailureValuesOfWindows) {
    for (HDC bad : {static_cast<HDC>(nullptr), freedDc(), static_cast<HDC>(GetStockObject(BLACK_PEN))}) {
        RECT r{0, 0, 4, 4};
        SIZE s{};
        TEXTMETRICA tm{};
        POINT p[2] = {{0, 0}, {2, 2}};
        HBRUSH brush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        EXPECT_EQ(SetROP2(bad, R2_XORPEN), 0);
        EXPECT_EQ(SetBkMode(bad, OPAQUE), 0);
        EXPECT_EQ(SetBkColor(bad, kRed), CLR_INVALID);
        EXPECT_EQ(SetTextColor(bad, kRed), CLR_INVALID);
        EXPECT_EQ(SetTextAlign(bad, TA_LEFT), 0xFFFFFFFFu);  // GDI_ERROR
        EXPECT_EQ(SetPixel(bad, 0, 0, kRed), CLR_INVALID);
        EXPECT_EQ(GetPixel(bad, 0, 0), CLR_INVALID);
        EXPECT_FALSE(MoveToEx(bad, 0, 0, nullptr) || LineTo(bad, 1, 1) || Polyline(bad, p, 2));
        EXPECT_FALSE(Rectangle(bad, 0, 0, 2, 2) || Ellipse(bad, 0, 0, 2, 2) || InvertRect(bad, &r));
        EXPECT_EQ(FillRect(bad, &r, brush) + FrameRect(bad, &r, brush), 0);
        EXPECT_FALSE(PatBlt(bad, 0, 0, 2, 2, PATCOPY) || BitBlt(bad, 0, 0, 2, 2, bad, 0, 0, SRCCOPY));
        EXPECT_FALSE(TextOutA(bad, 0, 0, "x", 1) || GetTextExtentPoint32A(bad, "x", 1, &s) ||
                     GetTextMetricsA(bad, &tm));
        EXPECT_EQ(DrawTextA(bad, "x", 1, &r, 0), 0);
        EXPECT_EQ(SaveDC(bad), 0);
        EXPECT_FALSE(RestoreDC(bad, -1));
        EXPECT_EQ(IntersectClipRect(bad, 0, 0, 1, 1), ERROR);
        EXPECT_EQ(SelectObject(bad, GetStockObject(BLACK_PEN)), nullptr);
        EXPECT_FALSE(DeleteDC(bad));
        EXPECT_EQ(CreateCompatibleDC(bad == nullptr ? freedDc() : bad), nullptr);
        EXPECT_EQ(CreateCompatibleBitmap(bad, 2, 2), nullptr);
        EXPECT_EQ(ReleaseDC(nullptr, bad), 0);
        EXPECT_EQ(WindowFromDC(bad), nullptr);
        EXPECT_FALSE(DrawIcon(bad, 0, 0, nullptr));
    }
}

TEST(InvalidHandles, ObjectsOfTheWrongKindOrFreedAreRefused) {
    TestCanvas c(4, 4);
    RECT r{0, 0, 4, 4};
    for (HGDIOBJ bad : {static_cast<HGDIOBJ>(nullptr), freedObject(), static_cast<HGDIOBJ>(c.dc())}) {
        EXPECT_EQ(SelectObject(c.dc(), bad), nullptr);
        EXPECT_FALSE(DeleteObject(bad));
        EXPECT_EQ(GetObjectA(bad, 0, nullptr), 0);
        EXPECT_EQ(FillRect(c.dc(), &r, static_cast<HBRUSH>(bad)), 0);
    }
    EXPECT_EQ(FillRect(c.dc(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_PEN))), 0);
    EXPECT_EQ(plat::bitmapSurface(static_cast<HBITMAP>(GetStockObject(BLACK_PEN))), nullptr);
    EXPECT_TRUE(pixelsFollow(c, [](int, int) { return kWhite; }));
}

TEST(SaveDC, RestoreBringsBackObjectsAttributesAndTheClip) {
    TestCanvas c(10, 10);
    HDC dc = c.dc();
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    EXPECT_EQ(SaveDC(dc), 1);
    SelectObject(dc, red);
    SetROP2(dc, R2_XORPEN);
    SetBkColor(dc, kBlue);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_CENTER);
    MoveToEx(dc, 5, 6, nullptr);
    EXPECT_EQ(IntersectClipRect(dc, 2, 2, 5, 5), SIMPLEREGION);
    EXPECT_EQ(IntersectClipRect(dc, 5, 5, 8, 8), NULLREGION);
    EXPECT_EQ(SaveDC(dc), 2);
    SetROP2(dc, R2_NOT);
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetROP2(dc), R2_XORPEN);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetTextAlign(dc), static_cast<UINT>(TA_BASELINE | TA_CENTER));
    EXPECT_FALSE(RestoreDC(dc, 2));  // used up by the restore
    EXPECT_TRUE(RestoreDC(dc, 1));
    EXPECT_TRUE(GetROP2(dc) == R2_COPYPEN && GetBkColor(dc) == kWhite);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetTextAlign(dc), static_cast<UINT>(TA_LEFT | TA_TOP));
    POINT position{};
    MoveToEx(dc, 0, 0, &position);
    EXPECT_EQ(position.x, 0);
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), GetStockObject(BLACK_PEN));
    RECT all{0, 0, 10, 10};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));  // the clip is gone
    EXPECT_TRUE(pixelsFollow(c, [](int, int) { return kBlack; }));
    for (int level : {0, 1, -1}) EXPECT_FALSE(RestoreDC(dc, level)) << level;
    DeleteObject(red);
}

TEST(SysColors, AreTheClassicPaletteWithStockLikeBrushes) {
    const std::pair<int, COLORREF> colours[] = {{COLOR_BTNFACE, 0xC0C0C0},
                                                {COLOR_WINDOW, 0xFFFFFF},
                                                {COLOR_WINDOWTEXT, 0},
                                                {COLOR_BTNSHADOW, 0x808080},
                                                {COLOR_BTNHIGHLIGHT, 0xFFFFFF},
                                                {COLOR_3DDKSHADOW, 0},
                                                {COLOR_HIGHLIGHT, 0x800000},
                                                {COLOR_HIGHLIGHTTEXT, 0xFFFFFF},
                                                {COLOR_GRAYTEXT, 0x808080},
                                                {COLOR_ACTIVECAPTION, 0x800000},
                                                {COLOR_INACTIVECAPTION, 0x808080},
                                                {COLOR_CAPTIONTEXT, 0xFFFFFF},
                                                {COLOR_MENU, 0xC0C0C0},
                                                {COLOR_MENUTEXT, 0},
                                                {COLOR_APPWORKSPACE, 0x808080},
                                                {COLOR_BACKGROUND, 0x808000}};
    for (auto [index, colour] : colours) {
        EXPECT_EQ(GetSysColor(index), colour) << index;
        HBRUSH brush = GetSysColorBrush(index);
        EXPECT_EQ(GetSysColorBrush(index), brush);
        EXPECT_TRUE(DeleteObject(brush));
        EXPECT_EQ(objectOf<LOGBRUSH>(brush).lbColor, colour) << index;
    }
    EXPECT_EQ(GetSysColorBrush(99), nullptr);
}

TEST(ScreenDc, AnswersTextQueriesAndIsReleasedOnce) {
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(WindowFromDC(screen), nullptr);
    TEXTMETRICA tm{};
    EXPECT_TRUE(GetTextMetricsA(screen, &tm));
    EXPECT_FALSE(DeleteDC(screen));  // window DCs are released, not deleted
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 0);
}
