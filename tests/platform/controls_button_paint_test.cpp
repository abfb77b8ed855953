// Button pixels: the bevels of push buttons at rest, pushed and default, the
// check box square with its check mark, the radio button dot, the focus
// dots, the group box frame over the parent's own background, grey text.
#include "controls_test_support.h"

namespace controls_test {
namespace {

class ButtonPaintTest : public ControlsTest {};

TEST_F(ButtonPaintTest, PushedButtonInvertsItsBevel) {
    HWND button = make("button", BS_PUSHBUTTON, "", {10, 10, 90, 35});
    struct Corner {
        int x, y, atRest, pushed;
    };
    const Corner corners[] = {
        {0, 0, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW},  {79, 24, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT},
        {79, 0, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT}, {1, 1, COLOR_3DLIGHT, COLOR_BTNSHADOW},
        {78, 23, COLOR_BTNSHADOW, COLOR_3DLIGHT},      {40, 12, COLOR_BTNFACE, COLOR_BTNFACE},
    };
    ControlPixels rest = pixelsOf(button);
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    ControlPixels pushed = pixelsOf(button);
    for (const Corner &c : corners) {
        EXPECT_EQ(rest.at(c.x, c.y), sysPixel(c.atRest)) << c.x << "," << c.y;
        EXPECT_EQ(pushed.at(c.x, c.y), sysPixel(c.pushed)) << c.x << "," << c.y;
    }
}

TEST_F(ButtonPaintTest, DefaultButtonHasAFrameAndFocusShowsDots) {
    HWND button = make("button", BS_DEFPUSHBUTTON, "", {10, 10, 90, 35});
    SetFocus(button);
    ControlPixels p = pixelsOf(button);
    EXPECT_EQ(p.at(0, 0), sysPixel(COLOR_WINDOWFRAME));
    EXPECT_EQ(p.at(79, 24), sysPixel(COLOR_WINDOWFRAME));
    EXPECT_EQ(p.at(1, 1), sysPixel(COLOR_BTNHIGHLIGHT));
    // Frame 1 + bevel 2, then the dotted rectangle one pixel further in.
    EXPECT_EQ(p.at(4, 4), sysPixel(COLOR_WINDOWTEXT));
    EXPECT_EQ(p.at(5, 4), sysPixel(COLOR_BTNFACE));
    EXPECT_EQ(p.at(6, 4), sysPixel(COLOR_WINDOWTEXT));
}

TEST_F(ButtonPaintTest, CheckedBoxShowsTheCheckMark) {
    HWND box = make("button", BS_AUTOCHECKBOX, "", {10, 10, 110, 30});
    const int top = (20 - 13) / 2;  // the 13 x 13 square is centred vertically
    auto count = [&](const ControlPixels &p, int color) {
        int n = 0;
        for (int y = 2; y < 11; ++y)
            for (int x = 2; x < 11; ++x) n += p.at(x, top + y) == sysPixel(color);
        return n;
    };
    ControlPixels unchecked = pixelsOf(box);
    EXPECT_EQ(count(unchecked, COLOR_WINDOW), 81);
    EXPECT_EQ(unchecked.at(0, top), sysPixel(COLOR_BTNSHADOW));
    EXPECT_EQ(unchecked.at(1, top + 1), sysPixel(COLOR_3DDKSHADOW));
    EXPECT_EQ(unchecked.at(12, top + 12), sysPixel(COLOR_BTNHIGHLIGHT));
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    ControlPixels checked = pixelsOf(box);
    EXPECT_EQ(count(checked, COLOR_WINDOWTEXT), 21);
    EXPECT_EQ(count(checked, COLOR_WINDOW), 60);
    // The tick: the tip of the long stroke, the start of the short one, the bottom of the V.
    EXPECT_EQ(checked.at(9, top + 3), sysPixel(COLOR_WINDOWTEXT));
    EXPECT_EQ(checked.at(3, top + 5), sysPixel(COLOR_WINDOWTEXT));
    EXPECT_EQ(checked.at(5, top + 9), sysPixel(COLOR_WINDOWTEXT));
    EXPECT_EQ(checked.at(3, top + 3), sysPixel(COLOR_WINDOW));
}

TEST_F(ButtonPaintTest, CheckedRadioButtonShowsItsDot) {
    HWND radio = make("button", BS_RADIOBUTTON, "", {10, 10, 110, 30});
    const int top = (20 - 13) / 2;
    EXPECT_EQ(pixel(radio, 5, top + 5), sysPixel(COLOR_WINDOW));
    EXPECT_EQ(pixel(radio, 5, top), sysPixel(COLOR_BTNSHADOW));
    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    ControlPixels p = pixelsOf(radio);
    for (POINT d : {POINT{5, 5}, POINT{6, 6}, POINT{4, 5}, POINT{7, 6}})
        EXPECT_EQ(p.at(d.x, top + d.y), sysPixel(COLOR_WINDOWTEXT)) << d.x << "," << d.y;
    EXPECT_EQ(p.at(4, top + 4), sysPixel(COLOR_WINDOW));  // the dot's corners are round
}

TEST_F(ButtonPaintTest, GroupBoxDrawsAnEtchedFrameAndLeavesItsInsideAlone) {
    HWND group = make("button", BS_GROUPBOX, "", {10, 10, 210, 110});
    ControlPixels p = pixelsOf(group);
    EXPECT_EQ(p.at(100, 50), pixelOf(kParentBackground));
    EXPECT_EQ(p.at(0, 98), sysPixel(COLOR_BTNSHADOW));
    EXPECT_EQ(p.at(0, 99), sysPixel(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(p.at(1, 98), sysPixel(COLOR_BTNSHADOW));
    EXPECT_EQ(p.at(1, 97), sysPixel(COLOR_BTNHIGHLIGHT));
}

TEST_F(ButtonPaintTest, DisabledButtonDrawsGreyText) {
    HWND button = make("button", BS_PUSHBUTTON, "MMMM", {10, 10, 90, 35});
    auto darkest = [&]() {
        ControlPixels p = pixelsOf(button);
        uint32_t dark = 0xFF;
        for (int y = 3; y < 22; ++y)
            for (int x = 3; x < 77; ++x) dark = std::min(dark, p.at(x, y) & 0xFF);
        return dark;
    };
    EXPECT_EQ(darkest(), 0u);  // black text
    EnableWindow(button, FALSE);
    EXPECT_EQ(darkest(), sysPixel(COLOR_GRAYTEXT) & 0xFF);
}

}  // namespace
}  // namespace controls_test
