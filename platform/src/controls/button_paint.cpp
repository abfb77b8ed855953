// Drawing of the button control in the classic 3D look.
//
// Push buttons: a COLOR_BTNFACE face inside a 2-pixel raised bevel (see
// Bevel::Raised); while held down the bevel is Bevel::Pushed (each ring's
// colours exchanged) and the text moves one pixel right and down. A
// BS_DEFPUSHBUTTON has a 1-pixel COLOR_WINDOWFRAME ring outside the bevel.
// The focus rectangle runs one pixel inside the bevel.
//
// Check boxes and radio buttons: a 13 x 13 cell at the left edge (the right
// edge with BS_LEFTTEXT), vertically centred, the text 4 pixels beside it.
// A check box is a Bevel::Field square with a 9 x 9 COLOR_WINDOW inside and,
// when checked, the 7 x 7 check mark of kCheckMark at (3, 3) of the cell in
// COLOR_WINDOWTEXT. Held down, disabled or indeterminate, the inside is
// COLOR_BTNFACE; an indeterminate or disabled mark is COLOR_BTNSHADOW. Radio
// buttons draw kRadioRing at the cell's origin and, when checked, kRadioDot
// at (4, 4). The background is the parent's WM_CTLCOLORSTATIC brush, as
// Windows asks for these kinds; the focus rectangle surrounds the text.
//
// Group boxes: an etched frame whose top runs through the middle of the
// text line, the text at x = 8 over the WM_CTLCOLORSTATIC brush; the inside
// is not painted, so the controls in the box show through.
#include <algorithm>
#include <string>

#include "controls/button.h"
#include "controls/control_draw.h"

namespace plat {

namespace {

constexpr int kCellSize = 13;
constexpr int kTextGap = 4;
constexpr int kGroupTextLeft = 8;

const char *const kCheckMark[] = {
    "......x", ".....xx", "x...xxx", "xx.xxx.", "xxxxx..", ".xxx...", "..x....",
};

// s shadow, d dark shadow, w highlight, l light, i the inside.
const char *const kRadioRing[] = {
    "....ssss....", "..ssddddss..", ".sddiiiiddw.", ".sdiiiiiilw.", "sdiiiiiiiilw", "sdiiiiiiiilw",
    "sdiiiiiiiilw", "sdiiiiiiiilw", ".sdiiiiiilw.", ".wlliiiillw.", "..wwllllww..", "....wwww....",
};

const char *const kRadioDot[] = {".xx.", "xxxx", "xxxx", ".xx."};

template <size_t N>
constexpr int rowCount(const char *const (&)[N]) {
    return static_cast<int>(N);
}

DWORD windowStyle(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

// Where the text of a check box or radio button goes.
RECT labelRect(const RECT &client, DWORD style) {
    RECT r = client;
    if (style & BS_LEFTTEXT)
        r.right -= kCellSize + kTextGap;
    else
        r.left += kCellSize + kTextGap;
    return r;
}

// The size DrawText gives the text in one line.
SIZE textSize(HDC hdc, const std::string &text, UINT format) {
    RECT r{0, 0, 0, 0};
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT | DT_SINGLELINE);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void drawLabel(HWND hwnd, HDC hdc, const ButtonState &state, RECT rect, UINT format, bool focusBox) {
    std::string text = controlText(hwnd);
    if (text.empty()) return;
    SetBkMode(hdc, TRANSPARENT);
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    if (!focusBox || !(state.state & BST_FOCUS)) return;
    SIZE size = textSize(hdc, text, format);
    int top = rect.top + ((rect.bottom - rect.top) - size.cy) / 2;
    RECT focus{rect.left - 1, top, rect.left + size.cx + 1, top + size.cy};
    RECT client{};
    GetClientRect(hwnd, &client);
    IntersectRect(&focus, &focus, &client);
    drawFocusDots(hdc, focus);
}

void paintPushButton(HWND hwnd, HDC hdc, const ButtonState &state, const RECT &client) {
    // Windows asks, but keeps the classic colours of push buttons.
    if (HWND parent = GetParent(hwnd))
        SendMessageA(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwnd));
    bool pushed = (state.state & BST_PUSHED) != 0;
    fillSysColor(hdc, client, COLOR_BTNFACE);
    RECT rect = client;
    if (buttonType(windowStyle(hwnd)) == BS_DEFPUSHBUTTON) {
        drawRing(hdc, rect, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME);
        InflateRect(&rect, -1, -1);
    }
    drawBevel(hdc, rect, pushed ? Bevel::Pushed : Bevel::Raised);
    InflateRect(&rect, -2, -2);
    RECT textRect = rect;
    if (pushed) OffsetRect(&textRect, 1, 1);
    SetTextColor(hdc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    drawLabel(hwnd, hdc, state, textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE, false);
    if (state.state & BST_FOCUS) {
        InflateRect(&rect, -1, -1);
        drawFocusDots(hdc, rect);
    }
}

void drawCheckCell(HDC hdc, const ButtonState &state, DWORD type, int x, int y, bool enabled) {
    UINT check = state.state & (BST_CHECKED | BST_INDETERMINATE);
    bool dimmed = !enabled || (state.state & BST_PUSHED) || check == BST_INDETERMINATE;
    int inside = dimmed ? COLOR_BTNFACE : COLOR_WINDOW;
    int mark = (!enabled || check == BST_INDETERMINATE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT;
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
        const GlyphColor ring[] = {
            {'s', COLOR_BTNSHADOW},
            {'d', COLOR_3DDKSHADOW},
            {'w', COLOR_BTNHIGHLIGHT},
            {'l', COLOR_3DLIGHT},
            {'i', enabled && !(state.state & BST_PUSHED) ? COLOR_WINDOW : COLOR_BTNFACE}};
        drawGlyph(hdc, x, y, kRadioRing, rowCount(kRadioRing), ring, 5);
        const GlyphColor dot[] = {{'x', enabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW}};
        if (check) drawGlyph(hdc, x + 4, y + 4, kRadioDot, rowCount(kRadioDot), dot, 1);
        return;
    }
    RECT box{x, y, x + kCellSize, y + kCellSize};
    drawBevel(hdc, box, Bevel::Field);
    InflateRect(&box, -2, -2);
    fillSysColor(hdc, box, inside);
    const GlyphColor markColor[] = {{'x', mark}};
    if (check) drawGlyph(hdc, x + 3, y + 3, kCheckMark, rowCount(kCheckMark), markColor, 1);
}

void paintCheckButton(HWND hwnd, HDC hdc, const ButtonState &state, const RECT &client, DWORD style) {
    HBRUSH brush = controlColorBrush(hwnd, hdc, WM_CTLCOLORSTATIC);
    FillRect(hdc, &client, brush);
    int x = (style & BS_LEFTTEXT) ? client.right - kCellSize : client.left;
    int y = client.top + ((client.bottom - client.top) - kCellSize) / 2;
    bool enabled = IsWindowEnabled(hwnd) != FALSE;
    drawCheckCell(hdc, state, buttonType(style), x, y, enabled);
    if (!enabled) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    drawLabel(hwnd, hdc, state, labelRect(client, style), DT_LEFT | DT_VCENTER | DT_SINGLELINE, true);
}

void paintGroupBox(HWND hwnd, HDC hdc, const ButtonState &state, const RECT &client) {
    HBRUSH brush = controlColorBrush(hwnd, hdc, WM_CTLCOLORSTATIC);
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    RECT frame = client;
    frame.top += std::max<LONG>(0, tm.tmHeight / 2 - 1);
    drawBevel(hdc, frame, Bevel::Etched);
    std::string text = controlText(hwnd);
    if (text.empty()) return;
    SIZE size = textSize(hdc, text, DT_LEFT);
    RECT textRect{client.left + kGroupTextLeft, client.top, client.left + kGroupTextLeft + size.cx,
                  client.top + size.cy};
    textRect.right = std::min(textRect.right, client.right - kGroupTextLeft);
    // One pixel of the background on each side keeps the frame off the text.
    RECT backing{textRect.left - 1, textRect.top, textRect.right + 1, textRect.bottom};
    FillRect(hdc, &backing, brush);
    if (!IsWindowEnabled(hwnd)) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    drawLabel(hwnd, hdc, state, textRect, DT_LEFT | DT_SINGLELINE, false);
}

}  // namespace

void paintButton(HWND hwnd, const ButtonState &state) {
    PaintDc paint(hwnd);
    HDC hdc = paint.hdc();
    RECT client{};
    GetClientRect(hwnd, &client);
    ObjectSelection font(hdc, controlFont(state));
    DWORD style = windowStyle(hwnd);
    switch (buttonType(style)) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            paintCheckButton(hwnd, hdc, state, client, style);
            break;
        case BS_GROUPBOX:
            paintGroupBox(hwnd, hdc, state, client);
            break;
        default:
            paintPushButton(hwnd, hdc, state, client);
            break;
    }
}

}  // namespace plat
