// The list box view: drawing, scrolling, and what the user does to it.
//
// Drawing: the client area is filled with the parent's WM_CTLCOLORLISTBOX
// brush (COLOR_WINDOW by default); rows are itemHeight pixels high from the
// top row shown, the text at x = 1 in the DC's text colour; the selected row
// is filled with COLOR_HIGHLIGHT and its text drawn in COLOR_HIGHLIGHTTEXT.
// While the list has the focus, the caret row carries the dotted focus
// rectangle. A WS_BORDER frame is the window manager's non-client border.
//
// Notifications (LBS_NOTIFY only), as Windows sends them: a click selects
// the row at the press and sends LBN_SELCHANGE at the release, even when the
// row was already selected; a drag with the button held moves the selection
// along. A Ctrl+click on the selected row cancels the selection and sends
// LBN_SELCANCEL at the release instead. A double click sends LBN_DBLCLK.
// Arrow, page, Home and End keys and typed characters move the selection and
// send LBN_SELCHANGE. Focus changes send LBN_SETFOCUS and LBN_KILLFOCUS.
#include <algorithm>
#include <cctype>

#include "controls/control_draw.h"
#include "controls/listbox.h"

namespace plat {

namespace {

constexpr int kTextLeft = 1;
constexpr int kWheelDelta = 120;
constexpr int kRowsPerWheelNotch = 3;

bool notifies(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & LBS_NOTIFY) != 0;
}

int clientHeight(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return client.bottom - client.top;
}

}  // namespace

int visibleRows(HWND hwnd, const ListBoxState &state) {
    return std::max(1, clientHeight(hwnd) / std::max(1, state.itemHeight));
}

void clampTop(HWND hwnd, ListBoxState &state) {
    int maxTop = std::max(0, state.count() - visibleRows(hwnd, state));
    state.top = std::clamp(state.top, 0, maxTop);
}

void ensureVisible(HWND hwnd, ListBoxState &state, int index) {
    int rows = visibleRows(hwnd, state);
    int top = state.top;
    if (index < top) top = index;
    if (index >= top + rows) top = index - rows + 1;
    if (top == state.top) return;
    state.top = top;
    clampTop(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void setSelection(HWND hwnd, ListBoxState &state, int index) {
    if (state.selected == index) return;
    state.selected = index;
    InvalidateRect(hwnd, nullptr, TRUE);
}

void paintListBox(HWND hwnd, const ListBoxState &state) {
    PaintDc paint(hwnd);
    HDC hdc = paint.hdc();
    RECT client{};
    GetClientRect(hwnd, &client);
    HBRUSH brush = controlColorBrush(hwnd, hdc, WM_CTLCOLORLISTBOX);
    FillRect(hdc, &client, brush);
    ObjectSelection font(hdc, controlFont(state));
    SetBkMode(hdc, TRANSPARENT);
    COLORREF textColor = IsWindowEnabled(hwnd) ? GetTextColor(hdc) : GetSysColor(COLOR_GRAYTEXT);
    for (int index = state.top; index < state.count(); ++index) {
        int y = (index - state.top) * state.itemHeight;
        if (y >= client.bottom) break;
        RECT row{client.left, y, client.right, y + state.itemHeight};
        bool selected = index == state.selected;
        if (selected) fillSysColor(hdc, row, COLOR_HIGHLIGHT);
        SetTextColor(hdc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColor);
        const std::string &text = state.items[static_cast<size_t>(index)].text;
        TextOutA(hdc, row.left + kTextLeft, row.top, text.c_str(), static_cast<int>(text.size()));
    }
    // An empty list still shows where the focus is: on its first row.
    if (state.focused && (state.valid(state.caret) || state.count() == 0) && state.caret >= state.top) {
        int y = (state.caret - state.top) * state.itemHeight;
        drawFocusDots(hdc, RECT{client.left, y, client.right, y + state.itemHeight});
    }
}

namespace {

// The row under a client point, -1 below the last row.
int rowAt(const ListBoxState &state, POINT p) {
    if (state.count() == 0 || p.y < 0) return -1;
    int index = state.top + p.y / std::max(1, state.itemHeight);
    return state.valid(index) ? index : -1;
}

void selectByUser(HWND hwnd, ListBoxState &state, int index) {
    state.caret = index;
    setSelection(hwnd, state, index);
    ensureVisible(hwnd, state, index);
}

void press(HWND hwnd, ListBoxState &state, WPARAM keys, POINT p) {
    if (GetFocus() != hwnd) SetFocus(hwnd);
    int index = rowAt(state, p);
    if (index < 0) return;
    state.tracking = true;
    SetCapture(hwnd);
    state.cancelOnRelease = (keys & MK_CONTROL) && index == state.selected;
    if (state.cancelOnRelease) {
        state.caret = index;
        setSelection(hwnd, state, -1);
        return;
    }
    selectByUser(hwnd, state, index);
}

// While the button is held the selection follows the pointer over the rows
// shown (above or below them, the nearest shown row).
void drag(HWND hwnd, ListBoxState &state, POINT p) {
    if (!state.tracking || GetCapture() != hwnd || state.count() == 0) return;
    int last = std::min(state.count(), state.top + visibleRows(hwnd, state)) - 1;
    int index = p.y < 0 ? state.top : std::min(last, state.top + p.y / std::max(1, state.itemHeight));
    if (index == state.selected) return;
    state.cancelOnRelease = false;
    selectByUser(hwnd, state, index);
}

void release(HWND hwnd, ListBoxState &state) {
    if (!state.tracking) return;
    state.tracking = false;
    if (GetCapture() == hwnd) ReleaseCapture();
    if (notifies(hwnd) && state.count() > 0)
        notifyParent(hwnd, state.cancelOnRelease ? LBN_SELCANCEL : LBN_SELCHANGE);
    state.cancelOnRelease = false;
}

// The row a navigation key moves the caret to, or -1 for other keys.
int keyTarget(HWND hwnd, const ListBoxState &state, WPARAM key) {
    int last = state.count() - 1;
    int page = std::max(1, visibleRows(hwnd, state) - 1);
    switch (key) {
        case VK_UP:
            return std::max(0, state.caret - 1);
        case VK_DOWN:
            return std::min(last, state.caret + 1);
        case VK_PRIOR:
            return std::max(0, state.caret - page);
        case VK_NEXT:
            return std::min(last, state.caret + page);
        case VK_HOME:
            return 0;
        case VK_END:
            return last;
        default:
            return -1;
    }
}

void keyDown(HWND hwnd, ListBoxState &state, WPARAM key) {
    if (state.count() == 0) return;
    int index = keyTarget(hwnd, state, key);
    if (index < 0) return;
    selectByUser(hwnd, state, index);
    if (notifies(hwnd)) notifyParent(hwnd, LBN_SELCHANGE);
}

// A typed character selects the next row that begins with it.
void typeChar(HWND hwnd, ListBoxState &state, WPARAM ch) {
    if (ch < 0x20 || ch > 0xFF) return;
    int index = findItem(state, state.caret, std::string(1, static_cast<char>(ch)), true);
    if (index < 0) return;
    selectByUser(hwnd, state, index);
    if (notifies(hwnd)) notifyParent(hwnd, LBN_SELCHANGE);
}

void wheel(HWND hwnd, ListBoxState &state, WPARAM wParam) {
    int notches = static_cast<SHORT>(HIWORD(wParam)) / kWheelDelta;
    state.top -= notches * kRowsPerWheelNotch;
    clampTop(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void focusChanged(HWND hwnd, ListBoxState &state, bool focused) {
    state.focused = focused;
    InvalidateRect(hwnd, nullptr, TRUE);
    // A click cut short by the focus going elsewhere ends without a notification.
    if (!focused && state.tracking) {
        state.tracking = false;
        if (GetCapture() == hwnd) ReleaseCapture();
    }
    if (notifies(hwnd)) notifyParent(hwnd, focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
}

}  // namespace

bool handleListBoxInput(HWND hwnd, ListBoxState &state, UINT message, WPARAM wParam, LPARAM lParam) {
    bool enabled = IsWindowEnabled(hwnd) != FALSE;
    switch (message) {
        case WM_LBUTTONDOWN:
            if (enabled) press(hwnd, state, wParam, mousePoint(lParam));
            return true;
        case WM_MOUSEMOVE:
            drag(hwnd, state, mousePoint(lParam));
            return true;
        case WM_LBUTTONUP:
            release(hwnd, state);
            return true;
        // Windows sends LBN_DBLCLK wherever in the list the double click lands.
        case WM_LBUTTONDBLCLK:
            if (enabled && notifies(hwnd)) notifyParent(hwnd, LBN_DBLCLK);
            return true;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd) state.tracking = false;
            return true;
        case WM_KEYDOWN:
            if (enabled) keyDown(hwnd, state, wParam);
            return true;
        case WM_CHAR:
            if (enabled) typeChar(hwnd, state, wParam);
            return true;
        case WM_MOUSEWHEEL:
            wheel(hwnd, state, wParam);
            return true;
        case WM_SETFOCUS:
            focusChanged(hwnd, state, true);
            return true;
        case WM_KILLFOCUS:
            focusChanged(hwnd, state, false);
            return true;
        default:
            return false;
    }
}

}  // namespace plat
