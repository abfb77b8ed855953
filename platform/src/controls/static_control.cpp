// The "static" class: text labels, icons and plain rectangles.
//
// Painting asks the parent for WM_CTLCOLORSTATIC with the paint DC and fills
// the client area with the brush it answers before drawing the text in the
// DC's text colour over a transparent background. A parent that answers the
// hollow brush keeps whatever it drew into the control while answering (the
// profile window draws its chart that way). Statics let the mouse through to
// their parent (HTTRANSPARENT) unless they have SS_NOTIFY, as on Windows.
#include "controls/control_draw.h"
#include "controls/control_state.h"
#include "controls/controls.h"

namespace plat {

namespace {

// STN_CLICKED and STN_DBLCLK, the notifications of SS_NOTIFY statics.
constexpr WORD kStaticClicked = 0;
constexpr WORD kStaticDoubleClicked = 1;

struct StaticState : ControlState {
    HICON icon = nullptr;
};

DWORD staticType(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & SS_TYPEMASK;
}

// DrawText format of each text style, as Windows lays them out; 0 for the
// styles that draw no text.
UINT textFormat(DWORD style) {
    UINT format = 0;
    switch (style & SS_TYPEMASK) {
        case SS_LEFT:
            format = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK;
            break;
        case SS_CENTER:
            format = DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK;
            break;
        case SS_RIGHT:
            format = DT_RIGHT | DT_EXPANDTABS | DT_WORDBREAK;
            break;
        case SS_SIMPLE:
            format = DT_LEFT | DT_SINGLELINE;
            break;
        case SS_LEFTNOWORDWRAP:
            format = DT_LEFT | DT_EXPANDTABS;
            break;
        default:
            return 0;
    }
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    return format;
}

// The rectangle styles use fixed system colours whatever the parent says.
void paintRectangle(HDC hdc, const RECT &client, DWORD type) {
    switch (type) {
        case SS_BLACKRECT:
            fillSysColor(hdc, client, COLOR_3DDKSHADOW);
            break;
        case SS_GRAYRECT:
            fillSysColor(hdc, client, COLOR_BTNSHADOW);
            break;
        case SS_WHITERECT:
            fillSysColor(hdc, client, COLOR_BTNHIGHLIGHT);
            break;
        case SS_BLACKFRAME:
            drawRing(hdc, client, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW);
            break;
        default:
            break;
    }
}

void paintText(HWND hwnd, HDC hdc, const StaticState &state, const RECT &client, DWORD style) {
    UINT format = textFormat(style);
    if (!format) return;
    std::string text = controlText(hwnd);
    if (text.empty()) return;
    ObjectSelection font(hdc, controlFont(state));
    if (!IsWindowEnabled(hwnd)) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(hdc, TRANSPARENT);
    RECT rect = client;
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

void paintStatic(HWND hwnd, const StaticState &state) {
    PaintDc paint(hwnd);
    HDC hdc = paint.hdc();
    RECT client{};
    GetClientRect(hwnd, &client);
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    DWORD type = style & SS_TYPEMASK;
    HBRUSH brush = controlColorBrush(hwnd, hdc, WM_CTLCOLORSTATIC);
    if (type == SS_BLACKRECT || type == SS_GRAYRECT || type == SS_WHITERECT || type == SS_BLACKFRAME) {
        paintRectangle(hdc, client, type);
        return;
    }
    // FillRect with the hollow brush leaves the pixels alone, so a parent
    // that drew into the control and answered NULL_BRUSH keeps its drawing.
    FillRect(hdc, &client, brush);
    if (type == SS_ICON) {
        if (state.icon) DrawIcon(hdc, 0, 0, state.icon);
        return;
    }
    paintText(hwnd, hdc, state, client, style);
}

// An SS_ICON static names its icon in its window text, in the instance of
// the module that created it, as Windows loads it.
void loadIconFromText(HWND hwnd, StaticState &state, LPCSTR name) {
    if (!name || (!IS_INTRESOURCE(name) && name[0] == '\0')) return;
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
    HICON icon = LoadIconA(instance, name);
    if (icon) state.icon = icon;
}

LRESULT setIcon(HWND hwnd, StaticState &state, HICON icon) {
    HICON previous = state.icon;
    state.icon = icon;
    InvalidateRect(hwnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(previous);
}

}  // namespace

LRESULT CALLBACK staticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) attachControlState<StaticState>(hwnd);
    StaticState *state = controlState<StaticState>(hwnd);
    if (!state) return DefWindowProcA(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    if (handleFontMessage(hwnd, *state, message, wParam, lParam, result)) return result;
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    switch (message) {
        case WM_NCDESTROY:
            releaseControlState<StaticState>(hwnd);
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_CREATE:
            if (staticType(hwnd) == SS_ICON)
                loadIconFromText(hwnd, *state, reinterpret_cast<const CREATESTRUCTA *>(lParam)->lpszName);
            return 0;
        case WM_PAINT:
            paintStatic(hwnd, *state);
            return 0;
        // Everything is painted in WM_PAINT, background included.
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            if (!(style & SS_NOTIFY)) return HTTRANSPARENT;
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_LBUTTONDOWN:
            if (style & SS_NOTIFY) notifyParent(hwnd, kStaticClicked);
            return 0;
        case WM_LBUTTONDBLCLK:
            if (style & SS_NOTIFY) notifyParent(hwnd, kStaticDoubleClicked);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        case WM_SETTEXT:
            InvalidateRect(hwnd, nullptr, TRUE);
            if (staticType(hwnd) == SS_ICON) loadIconFromText(hwnd, *state, reinterpret_cast<LPCSTR>(lParam));
            // An icon given by number is no text to keep.
            if (IS_INTRESOURCE(lParam) && lParam) return TRUE;
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case STM_SETICON:
            return setIcon(hwnd, *state, reinterpret_cast<HICON>(wParam));
        case STM_GETICON:
            return reinterpret_cast<LRESULT>(state->icon);
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace plat
