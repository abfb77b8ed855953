// The "listbox" class (single selection): the item messages with the return
// values and LB_ERR cases Windows gives. Messages from code never notify the
// parent (LB_SETCURSEL sends no LBN_SELCHANGE), as on Windows; the user's
// clicks and keys do (listbox_view.cpp).
#include <algorithm>
#include <cctype>
#include <cstring>

#include "controls/controls.h"
#include "controls/listbox.h"

namespace plat {

int compareItemText(const std::string &a, const std::string &b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int ca = std::tolower(static_cast<unsigned char>(a[i]));
        int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int findItem(const ListBoxState &state, int start, const std::string &text, bool prefix) {
    int n = state.count();
    if (n == 0) return -1;
    if (start < -1 || start >= n) start = -1;
    for (int step = 1; step <= n; ++step) {
        int index = (start + step) % n;
        const std::string &item = state.items[static_cast<size_t>(index)].text;
        std::string head = prefix ? item.substr(0, text.size()) : item;
        if (compareItemText(head, text) == 0) return index;
    }
    return -1;
}

namespace {

DWORD windowStyle(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

std::string textArgument(LPARAM lParam) {
    const char *text = reinterpret_cast<const char *>(lParam);
    return text ? std::string(text) : std::string();
}

LRESULT insertItem(HWND hwnd, ListBoxState &state, int index, std::string text) {
    state.items.insert(state.items.begin() + index, ListItem{std::move(text), 0});
    if (state.selected >= index) ++state.selected;
    if (state.caret >= index && state.count() > 1) ++state.caret;
    InvalidateRect(hwnd, nullptr, TRUE);
    return index;
}

// LBS_SORT lists put a new string after the ones that compare equal to it.
LRESULT addString(HWND hwnd, ListBoxState &state, LPARAM lParam) {
    std::string text = textArgument(lParam);
    int index = state.count();
    if (windowStyle(hwnd) & LBS_SORT) {
        auto at = std::upper_bound(
            state.items.begin(), state.items.end(), text,
            [](const std::string &t, const ListItem &item) { return compareItemText(t, item.text) < 0; });
        index = static_cast<int>(at - state.items.begin());
    }
    return insertItem(hwnd, state, index, std::move(text));
}

// -1 appends; LB_INSERTSTRING never sorts, even in an LBS_SORT list.
LRESULT insertString(HWND hwnd, ListBoxState &state, WPARAM wParam, LPARAM lParam) {
    int index = static_cast<int>(wParam);
    if (index == -1) index = state.count();
    if (index < 0 || index > state.count()) return LB_ERR;
    return insertItem(hwnd, state, index, textArgument(lParam));
}

// Deleting the selected row leaves nothing selected.
LRESULT deleteString(HWND hwnd, ListBoxState &state, WPARAM wParam) {
    int index = static_cast<int>(wParam);
    if (!state.valid(index)) return LB_ERR;
    state.items.erase(state.items.begin() + index);
    if (state.selected == index)
        state.selected = -1;
    else if (state.selected > index)
        --state.selected;
    if (state.caret > index || state.caret >= state.count()) state.caret = std::max(0, state.caret - 1);
    clampTop(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
    return state.count();
}

LRESULT resetContent(HWND hwnd, ListBoxState &state) {
    state.items.clear();
    state.selected = -1;
    state.caret = 0;
    state.top = 0;
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT getText(const ListBoxState &state, WPARAM wParam, LPARAM lParam) {
    int index = static_cast<int>(wParam);
    char *buffer = reinterpret_cast<char *>(lParam);
    if (!state.valid(index) || !buffer) return LB_ERR;
    const std::string &text = state.items[static_cast<size_t>(index)].text;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
}

// -1 clears the selection and, as on Windows, answers LB_ERR all the same.
LRESULT setCurSel(HWND hwnd, ListBoxState &state, WPARAM wParam) {
    int index = static_cast<int>(wParam);
    if (index < 0) {
        setSelection(hwnd, state, -1);
        return LB_ERR;
    }
    if (!state.valid(index)) return LB_ERR;
    setSelection(hwnd, state, index);
    state.caret = index;
    ensureVisible(hwnd, state, index);
    return index;
}

LRESULT find(const ListBoxState &state, WPARAM wParam, LPARAM lParam, bool prefix) {
    if (!lParam) return LB_ERR;
    int index = findItem(state, static_cast<int>(wParam), textArgument(lParam), prefix);
    return index < 0 ? LB_ERR : index;
}

// Top index: the row asked for, moved up so that the last page is full.
LRESULT setTopIndex(HWND hwnd, ListBoxState &state, WPARAM wParam) {
    int index = static_cast<int>(wParam);
    if (!state.valid(index)) return LB_ERR;
    state.top = index;
    clampTop(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
    return LB_OKAY;
}

// Answers 1 when the row is at least partly shown, 0 when scrolled away.
LRESULT getItemRect(HWND hwnd, const ListBoxState &state, WPARAM wParam, LPARAM lParam) {
    int index = static_cast<int>(wParam);
    RECT *rect = reinterpret_cast<RECT *>(lParam);
    if (!state.valid(index) || !rect) return LB_ERR;
    RECT client{};
    GetClientRect(hwnd, &client);
    int y = (index - state.top) * state.itemHeight;
    *rect = RECT{0, y, client.right, y + state.itemHeight};
    return (rect->bottom > 0 && rect->top < client.bottom) ? 1 : 0;
}

LRESULT itemDataMessage(ListBoxState &state, UINT message, WPARAM wParam, LPARAM lParam) {
    int index = static_cast<int>(wParam);
    if (!state.valid(index)) return LB_ERR;
    ListItem &item = state.items[static_cast<size_t>(index)];
    if (message == LB_GETITEMDATA) return item.data;
    item.data = lParam;
    return TRUE;
}

LRESULT handleItemMessage(HWND hwnd, ListBoxState &state, UINT message, WPARAM wParam, LPARAM lParam) {
    int index = static_cast<int>(wParam);
    switch (message) {
        case LB_ADDSTRING:
            return addString(hwnd, state, lParam);
        case LB_INSERTSTRING:
            return insertString(hwnd, state, wParam, lParam);
        case LB_DELETESTRING:
            return deleteString(hwnd, state, wParam);
        case LB_RESETCONTENT:
            return resetContent(hwnd, state);
        case LB_GETTEXT:
            return getText(state, wParam, lParam);
        case LB_GETTEXTLEN:
            return state.valid(index)
                       ? static_cast<LRESULT>(state.items[static_cast<size_t>(index)].text.size())
                       : LB_ERR;
        case LB_GETCOUNT:
            return state.count();
        case LB_SETCURSEL:
            return setCurSel(hwnd, state, wParam);
        case LB_GETCURSEL:
            return state.selected < 0 ? LB_ERR : state.selected;
        case LB_GETSEL:
            return state.valid(index) ? (index == state.selected ? 1 : 0) : LB_ERR;
        // LB_SETSEL is for multiple-selection lists only.
        case LB_SETSEL:
            return LB_ERR;
        case LB_FINDSTRING:
            return find(state, wParam, lParam, true);
        case LB_FINDSTRINGEXACT:
            return find(state, wParam, lParam, false);
        case LB_GETITEMDATA:
        case LB_SETITEMDATA:
            return itemDataMessage(state, message, wParam, lParam);
        case LB_GETTOPINDEX:
            return state.top;
        case LB_SETTOPINDEX:
            return setTopIndex(hwnd, state, wParam);
        case LB_GETITEMHEIGHT:
            return state.itemHeight;
        case LB_GETITEMRECT:
            return getItemRect(hwnd, state, wParam, lParam);
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT handleWindowMessage(HWND hwnd, ListBoxState &state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            state.itemHeight = controlLineHeight(hwnd, state);
            return 0;
        case WM_PAINT:
            paintListBox(hwnd, state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            clampTop(hwnd, state);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        default:
            if (handleListBoxInput(hwnd, state, message, wParam, lParam)) return 0;
            return handleItemMessage(hwnd, state, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK listBoxWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) attachControlState<ListBoxState>(hwnd);
    ListBoxState *state = controlState<ListBoxState>(hwnd);
    if (!state) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        releaseControlState<ListBoxState>(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (handleFontMessage(hwnd, *state, message, wParam, lParam, result)) {
        // Rows are as high as a line of the list's font.
        if (message == WM_SETFONT) {
            state->itemHeight = controlLineHeight(hwnd, *state);
            clampTop(hwnd, *state);
        }
        return result;
    }
    return handleWindowMessage(hwnd, *state, message, wParam, lParam);
}

}  // namespace plat
