// Static behaviour: painting through the parent's WM_CTLCOLORSTATIC answer,
// the rectangle styles, mouse transparency, and the font every control keeps.
#include "controls_test_support.h"

namespace controls_test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

class StaticTest : public ControlsTest {};

TEST_F(StaticTest, PaintingAsksTheParentWithThePaintDc) {
    HWND label = make("static", SS_SIMPLE, "");
    plat::pumpMessages();
    HDC askedDc = nullptr;
    onCtlColor_ = [&](UINT, HDC hdc, HWND) {
        askedDc = hdc;
        EXPECT_EQ(WindowFromDC(hdc), label);
        return LRESULT{0};
    };
    MessageLog log({label, parent_}, {WM_PAINT, WM_CTLCOLORSTATIC});
    InvalidateRect(label, nullptr, TRUE);
    UpdateWindow(label);
    static const std::vector<ExpectedMsg> kPaint = {
        {WM_PAINT, 0, 0, 0, "UpdateWindow"},
        {WM_CTLCOLORSTATIC, kSent | kParent, 0, 0, "the static asks for its colours"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), kPaint, label, parent_));
    ASSERT_EQ(log.entries().size(), 2u);
    EXPECT_EQ(log.entries()[1].wParam, reinterpret_cast<WPARAM>(askedDc));
    EXPECT_EQ(log.entries()[1].lParam, reinterpret_cast<LPARAM>(label));
}

TEST_F(StaticTest, FillsWithTheAnsweredBrushAndLeavesParentDrawingUnderAHollowOne) {
    HBRUSH green = CreateSolidBrush(kGreen);
    struct Case {
        HGDIOBJ answer;
        uint32_t expected;
    };
    const Case cases[] = {
        {GetStockObject(NULL_BRUSH), pixelOf(kRed)},  // the parent's chart stays
        {nullptr, sysPixel(COLOR_BTNFACE)},           // DefWindowProc's answer
        {green, pixelOf(kGreen)},
    };
    for (const Case &c : cases) {
        HWND chart = make("static", SS_SIMPLE, "", {20, 20, 120, 80});
        onCtlColor_ = [&](UINT, HDC hdc, HWND) {
            RECT all{0, 0, 100, 60};
            HBRUSH red = CreateSolidBrush(kRed);
            FillRect(hdc, &all, red);
            DeleteObject(red);
            return reinterpret_cast<LRESULT>(c.answer);
        };
        EXPECT_EQ(pixel(chart, 50, 30), c.expected);
        EXPECT_EQ(pixel(chart, 0, 0), c.expected);
        DestroyWindow(chart);
    }
    DeleteObject(green);
}

TEST_F(StaticTest, TextTakesTheColourTheParentSets) {
    HWND label = make("static", SS_LEFT, "MMMM", {10, 10, 110, 40});
    onCtlColor_ = [](UINT, HDC hdc, HWND) {
        SetTextColor(hdc, kRed);
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    };
    ControlPixels pixels = pixelsOf(label);
    int red = 0, other = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x) {
            uint32_t p = pixels.at(x, y);
            bool redOnWhite = (p >> 16) == 0xFF && ((p >> 8) & 0xFF) == (p & 0xFF);  // white, red or a blend
            red += redOnWhite && ((p >> 8) & 0xFF) < 0x40;                           // mostly ink
            other += !redOnWhite;
        }
    EXPECT_GT(red, 10);
    EXPECT_EQ(other, 0);
}

TEST_F(StaticTest, RectangleStylesUseTheirSystemColours) {
    const std::pair<DWORD, int> cases[] = {
        {SS_BLACKRECT, COLOR_3DDKSHADOW}, {SS_GRAYRECT, COLOR_BTNSHADOW}, {SS_WHITERECT, COLOR_BTNHIGHLIGHT}};
    for (auto [style, color] : cases) {
        HWND rect = make("static", style, "");
        EXPECT_EQ(pixel(rect, 0, 0), sysPixel(color));
        EXPECT_EQ(pixel(rect, 50, 10), sysPixel(color));
        DestroyWindow(rect);
    }
}

TEST_F(StaticTest, ClicksGoToTheParentUnlessSsNotify) {
    HWND label = make("static", SS_LEFT, "label");
    MessageLog log({label, parent_});
    clickAt(label, 5, 5);
    static const std::vector<ExpectedMsg> kThrough = {
        {WM_LBUTTONDOWN, kParent | kLParam, 0, MAKELPARAM(15, 15), "the static is transparent"},
        {WM_LBUTTONUP, kParent | kLParam, 0, MAKELPARAM(15, 15), "so is the release"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), kThrough, label, parent_));

    HWND notify = make("static", SS_LEFT | SS_NOTIFY, "notify", {10, 50, 110, 70});
    commands_.clear();
    clickAt(notify, 5, 5);
    EXPECT_EQ(commands_, std::vector<WPARAM>{MAKEWPARAM(kId, 0 /* STN_CLICKED */)});
}

TEST_F(StaticTest, NewTextRepaints) {
    HWND label = make("static", SS_LEFT, "one");
    plat::pumpMessages();
    SetWindowTextA(label, "two");
    EXPECT_TRUE(GetUpdateRect(label, nullptr, FALSE));
}

TEST_F(StaticTest, IconStaticSwapsIcons) {
    HWND icon = make("static", SS_ICON, "");
    HICON first = LoadIconA(nullptr, IDI_APPLICATION);
    EXPECT_EQ(SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(first), 0), 0);
    EXPECT_EQ(SendMessageA(icon, STM_SETICON, 0, 0), reinterpret_cast<LRESULT>(first));
    EXPECT_EQ(SendMessageA(icon, STM_GETICON, 0, 0), 0);
}

TEST_F(StaticTest, EveryControlKeepsTheFontItIsGiven) {
    HFONT font = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    for (const char *cls : {"static", "button", "listbox", "edit"}) {
        HWND control = make(cls, 0, "");
        EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), 0) << cls;
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font)) << cls;
        DestroyWindow(control);
    }
    DeleteObject(font);
}

}  // namespace
}  // namespace controls_test
