// The "edit" class, single-line: the text, the selection, typing and the
// EM_* messages. Every change of the text, by the user, by EM_REPLACESEL or by
// WM_SETTEXT, notifies the parent with EN_UPDATE then EN_CHANGE, as Windows
// does for single-line edits. The text limit applies to typing and
// EM_REPLACESEL (EN_MAXTEXT when it cuts the text short), not to WM_SETTEXT.
// Without ES_AUTOHSCROLL, typing that would not fit the width is refused
// with EN_MAXTEXT. Backspace arrives as the character 0x08 (WM_CHAR), the
// other editing keys as WM_KEYDOWN, as on Windows.
#include <cctype>

#include "controls/controls.h"
#include "controls/edit.h"

namespace plat {

namespace {

DWORD windowStyle(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

void storeText(HWND hwnd, const std::string &text) {
    DefWindowProcA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void notifyChanged(HWND hwnd) {
    notifyParent(hwnd, EN_UPDATE);
    notifyParent(hwnd, EN_CHANGE);
}

void selectionMoved(HWND hwnd, EditState &state) {
    scrollToCaret(hwnd, state);
    InvalidateRect(hwnd, nullptr, FALSE);
}

// Replaces the selection with insert and puts the caret after it; false
// when nothing changed. honorLimit applies the text limit and, without
// ES_AUTOHSCROLL, the width of the control.
bool replaceSelection(HWND hwnd, EditState &state, std::string insert, bool honorLimit) {
    std::string text = controlText(hwnd);
    int length = static_cast<int>(text.size());
    int start = std::min(state.selStart(), length);
    int end = std::min(state.selEnd(), length);
    if (honorLimit) {
        int room = std::max(0, state.limit - (length - (end - start)));
        if (static_cast<int>(insert.size()) > room) {
            notifyParent(hwnd, EN_MAXTEXT);
            insert.resize(static_cast<size_t>(room));
        }
    }
    if (insert.empty() && start == end) return false;
    std::string next =
        text.substr(0, static_cast<size_t>(start)) + insert + text.substr(static_cast<size_t>(end));
    if (honorLimit && !(windowStyle(hwnd) & ES_AUTOHSCROLL)) {
        RECT format = editFormatRect(hwnd);
        if (editTextWidth(hwnd, state, next, static_cast<int>(next.size())) > format.right - format.left) {
            notifyParent(hwnd, EN_MAXTEXT);
            return false;
        }
    }
    storeText(hwnd, next);
    state.anchor = state.caret = start + static_cast<int>(insert.size());
    selectionMoved(hwnd, state);
    notifyChanged(hwnd);
    return true;
}

LRESULT setText(HWND hwnd, EditState &state, LPARAM lParam) {
    LRESULT result = DefWindowProcA(hwnd, WM_SETTEXT, 0, lParam);
    state.anchor = state.caret = 0;
    state.scrollX = 0;
    InvalidateRect(hwnd, nullptr, FALSE);
    notifyChanged(hwnd);
    return result;
}

// -1 as the start removes the selection and leaves the caret; a negative
// end, or one past the text, means the end of the text.
LRESULT setSelectionMessage(HWND hwnd, EditState &state, WPARAM wParam, LPARAM lParam) {
    int length = static_cast<int>(controlText(hwnd).size());
    int start = static_cast<int>(wParam);
    int end = static_cast<int>(lParam);
    if (start == -1) {
        state.anchor = state.caret;
    } else {
        state.anchor = (start < 0 || start > length) ? length : start;
        state.caret = (end < 0 || end > length) ? length : end;
    }
    selectionMoved(hwnd, state);
    return 0;
}

LRESULT getSelectionMessage(const EditState &state, WPARAM wParam, LPARAM lParam) {
    auto start = static_cast<DWORD>(state.selStart());
    auto end = static_cast<DWORD>(state.selEnd());
    if (auto *out = reinterpret_cast<DWORD *>(wParam)) *out = start;
    if (auto *out = reinterpret_cast<DWORD *>(lParam)) *out = end;
    if (end > 0xFFFF) return -1;
    return MAKELRESULT(start, end);
}

void deleteAround(HWND hwnd, EditState &state, int direction) {
    if (windowStyle(hwnd) & ES_READONLY) return;
    if (state.anchor == state.caret) {
        int length = static_cast<int>(controlText(hwnd).size());
        int other = state.caret + direction;
        if (other < 0 || other > length) return;
        state.anchor = other;
    }
    replaceSelection(hwnd, state, std::string(), false);
}

void typeCharacter(HWND hwnd, EditState &state, WPARAM wParam) {
    DWORD style = windowStyle(hwnd);
    if (wParam == VK_BACK) {
        deleteAround(hwnd, state, -1);
        return;
    }
    if (wParam < 0x20 || wParam == 0x7F || wParam > 0xFF || (style & ES_READONLY)) return;
    int ch = static_cast<int>(wParam);
    if ((style & ES_NUMBER) && !std::isdigit(ch)) return;
    if (style & ES_UPPERCASE) ch = std::toupper(ch);
    if (style & ES_LOWERCASE) ch = std::tolower(ch);
    replaceSelection(hwnd, state, std::string(1, static_cast<char>(ch)), true);
}

void keyDown(HWND hwnd, EditState &state, WPARAM key) {
    int length = static_cast<int>(controlText(hwnd).size());
    int caret = state.caret;
    switch (key) {
        case VK_LEFT:
            caret = std::max(0, caret - 1);
            break;
        case VK_RIGHT:
            caret = std::min(length, caret + 1);
            break;
        case VK_HOME:
            caret = 0;
            break;
        case VK_END:
            caret = length;
            break;
        case VK_DELETE:
            deleteAround(hwnd, state, 1);
            return;
        default:
            return;
    }
    // Shift extends the selection from its fixed end; without it the
    // selection collapses onto the new caret.
    state.caret = caret;
    if (GetKeyState(VK_SHIFT) >= 0) state.anchor = caret;
    selectionMoved(hwnd, state);
}

void focusChanged(HWND hwnd, EditState &state, bool focused) {
    state.focused = focused;
    InvalidateRect(hwnd, nullptr, FALSE);
    notifyParent(hwnd, focused ? EN_SETFOCUS : EN_KILLFOCUS);
}

// An edit with WS_BORDER takes the sunken 3D edge that Windows dialogs give
// their edit controls: WS_EX_CLIENTEDGE, drawn by the non-client painting.
void takeClientEdge(HWND hwnd) {
    DWORD style = windowStyle(hwnd);
    if (!(style & WS_BORDER)) return;
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(style & ~static_cast<DWORD>(WS_BORDER)));
    SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
}

LRESULT handleEditMessage(HWND hwnd, EditState &state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paintEdit(hwnd, state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_GETDLGCODE:
            return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        case WM_SETTEXT:
            return setText(hwnd, state, lParam);
        case WM_CHAR:
            if (IsWindowEnabled(hwnd)) typeCharacter(hwnd, state, wParam);
            return 0;
        case WM_KEYDOWN:
            if (IsWindowEnabled(hwnd)) keyDown(hwnd, state, wParam);
            return 0;
        case WM_SETFOCUS:
            focusChanged(hwnd, state, true);
            return 0;
        case WM_KILLFOCUS:
            focusChanged(hwnd, state, false);
            return 0;
        case WM_SIZE:
            selectionMoved(hwnd, state);
            return 0;
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case EM_GETSEL:
            return getSelectionMessage(state, wParam, lParam);
        case EM_SETSEL:
            return setSelectionMessage(hwnd, state, wParam, lParam);
        case EM_REPLACESEL:
            replaceSelection(hwnd, state, lParam ? reinterpret_cast<const char *>(lParam) : "", true);
            return 0;
        case EM_LIMITTEXT:
            state.limit = wParam == 0 ? kEditMaximumLimit
                                      : static_cast<int>(std::min<WPARAM>(wParam, kEditMaximumLimit));
            return 0;
        default:
            if (handleEditMouse(hwnd, state, message, wParam, lParam)) return 0;
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK editWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        attachControlState<EditState>(hwnd);
        takeClientEdge(hwnd);
    }
    EditState *state = controlState<EditState>(hwnd);
    if (!state) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        releaseControlState<EditState>(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (handleFontMessage(hwnd, *state, message, wParam, lParam, result)) return result;
    return handleEditMessage(hwnd, *state, message, wParam, lParam);
}

}  // namespace plat
