// The edit view: measuring, horizontal scrolling, drawing and the mouse.
//
// Drawing: the client area is filled with the parent's WM_CTLCOLOREDIT
// brush (WM_CTLCOLORSTATIC for read-only or disabled edits, as Windows asks;
// COLOR_WINDOW or COLOR_BTNFACE by default); the text starts at the top-left
// of the format rectangle (moved by ES_CENTER or ES_RIGHT while it is
// narrower than the rectangle, by the scroll offset otherwise) in the DC's
// text colour, COLOR_GRAYTEXT when disabled. The selection, shown while the
// edit has the focus or has ES_NOHIDESEL, is a COLOR_HIGHLIGHT band with
// COLOR_HIGHLIGHTTEXT text. The caret is drawn while focused: a 1-pixel
// column, one line high, inverted at the caret position. The sunken border
// is the non-client WS_EX_CLIENTEDGE edge.
#include <cstdlib>

#include "controls/edit.h"

namespace plat {

namespace {

constexpr int kMargin = 1;

DWORD windowStyle(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

int measure(HDC hdc, const std::string &text, int count) {
    if (count <= 0) return 0;
    SIZE size{};
    GetTextExtentPoint32A(hdc, text.c_str(), count, &size);
    return size.cx;
}

// Offset of ES_CENTER and ES_RIGHT text that is narrower than the rectangle.
int alignment(DWORD style, int textWidth, int formatWidth) {
    if (textWidth >= formatWidth) return 0;
    if (style & ES_RIGHT) return formatWidth - textWidth;
    if (style & ES_CENTER) return (formatWidth - textWidth) / 2;
    return 0;
}

// Client x of character position index.
int positionX(HWND hwnd, HDC hdc, const EditState &state, const std::string &text, int index) {
    RECT format = editFormatRect(hwnd);
    int total = measure(hdc, text, static_cast<int>(text.size()));
    int origin =
        format.left - state.scrollX + alignment(windowStyle(hwnd), total, format.right - format.left);
    return origin + measure(hdc, text, index);
}

// The character position nearest to client x.
int positionAt(HWND hwnd, const EditState &state, int x) {
    std::string text = controlText(hwnd);
    ClientDc dc(hwnd);
    ObjectSelection font(dc.hdc(), controlFont(state));
    int best = 0;
    int bestDistance = -1;
    for (int i = 0; i <= static_cast<int>(text.size()); ++i) {
        int distance = std::abs(positionX(hwnd, dc.hdc(), state, text, i) - x);
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

RECT editFormatRect(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    RECT format{client.left + kMargin, client.top + kMargin, client.right - kMargin, client.bottom - kMargin};
    if (format.right < format.left) format.right = format.left;
    if (format.bottom < format.top) format.bottom = format.top;
    return format;
}

int editTextWidth(HWND hwnd, const EditState &state, const std::string &text, int count) {
    ClientDc dc(hwnd);
    ObjectSelection font(dc.hdc(), controlFont(state));
    return measure(dc.hdc(), text, count);
}

// Moves the view no further than needed, and never leaves blank space at
// the right while text is scrolled off the left.
void scrollToCaret(HWND hwnd, EditState &state) {
    if (!(windowStyle(hwnd) & ES_AUTOHSCROLL)) {
        state.scrollX = 0;
        return;
    }
    std::string text = controlText(hwnd);
    RECT format = editFormatRect(hwnd);
    int width = format.right - format.left;
    int caretX = editTextWidth(hwnd, state, text, state.caret);
    int total = editTextWidth(hwnd, state, text, static_cast<int>(text.size()));
    int scroll = state.scrollX;
    if (caretX < scroll) scroll = caretX;
    if (caretX > scroll + width - 1) scroll = caretX - width + 1;
    if (total - scroll < width - 1) scroll = total - width + 1;
    state.scrollX = std::max(0, scroll);
}

void paintEdit(HWND hwnd, const EditState &state) {
    PaintDc paint(hwnd);
    HDC hdc = paint.hdc();
    DWORD style = windowStyle(hwnd);
    bool enabled = IsWindowEnabled(hwnd) != FALSE;
    RECT client{};
    GetClientRect(hwnd, &client);
    UINT ask = (!enabled || (style & ES_READONLY)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    FillRect(hdc, &client, controlColorBrush(hwnd, hdc, ask));
    ObjectSelection font(hdc, controlFont(state));
    if (!enabled) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(hdc, TRANSPARENT);
    RECT format = editFormatRect(hwnd);
    IntersectClipRect(hdc, format.left, format.top, format.right, format.bottom);
    std::string text = controlText(hwnd);
    int length = static_cast<int>(text.size());
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    int x0 = positionX(hwnd, hdc, state, text, 0);
    TextOutA(hdc, x0, format.top, text.c_str(), length);
    int start = std::min(state.selStart(), length);
    int end = std::min(state.selEnd(), length);
    if (start < end && (state.focused || (style & ES_NOHIDESEL))) {
        int left = positionX(hwnd, hdc, state, text, start);
        int right = positionX(hwnd, hdc, state, text, end);
        RECT band{left, format.top, right, format.top + tm.tmHeight};
        FillRect(hdc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        TextOutA(hdc, left, format.top, text.c_str() + start, end - start);
    }
    if (state.focused) {
        int x = positionX(hwnd, hdc, state, text, std::min(state.caret, length));
        RECT caret{x, format.top, x + 1, format.top + tm.tmHeight};
        InvertRect(hdc, &caret);
    }
}

namespace {

bool isWordChar(char c) {
    return c != ' ' && c != '\t';
}

// A double click selects the word under the pointer.
void selectWord(HWND hwnd, EditState &state, int at) {
    std::string text = controlText(hwnd);
    int start = at;
    int end = at;
    while (start > 0 && isWordChar(text[static_cast<size_t>(start - 1)])) --start;
    while (end < static_cast<int>(text.size()) && isWordChar(text[static_cast<size_t>(end)])) ++end;
    state.anchor = start;
    state.caret = end;
}

}  // namespace

bool handleEditMouse(HWND hwnd, EditState &state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            if (!IsWindowEnabled(hwnd)) return true;
            if (GetFocus() != hwnd) SetFocus(hwnd);
            int at = positionAt(hwnd, state, mousePoint(lParam).x);
            state.caret = at;
            if (!(wParam & MK_SHIFT)) state.anchor = at;
            if (message == WM_LBUTTONDBLCLK) selectWord(hwnd, state, at);
            state.tracking = true;
            SetCapture(hwnd);
            break;
        }
        case WM_MOUSEMOVE:
            if (!state.tracking || GetCapture() != hwnd) return true;
            state.caret = positionAt(hwnd, state, mousePoint(lParam).x);
            break;
        case WM_LBUTTONUP:
            if (!state.tracking) return true;
            state.tracking = false;
            if (GetCapture() == hwnd) ReleaseCapture();
            return true;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd) state.tracking = false;
            return true;
        default:
            return false;
    }
    scrollToCaret(hwnd, state);
    InvalidateRect(hwnd, nullptr, FALSE);
    return true;
}

}  // namespace plat
