// Keyboard navigation of dialogs: see dialog_keys.h.
//
// Keys from the input seam go straight to the focused window instead of
// through a queue that a modal loop could read, so the loop filters them at
// the windows: each key a modal dialog's window receives first passes the
// dialog's keyboard handling, as it passes IsDialogMessageA in a Windows
// modal loop.
#include "dialog/dialog_keys.h"

#include <map>
#include <vector>

#include "window/state.h"

namespace plat {
namespace {

struct Filtered {
    WNDPROC previous;
    HWND dialog;
};
std::map<HWND, Filtered> gFiltered;

// The dialog's tab stops in z-order, which is creation order: Windows puts
// each new child at the bottom.
std::vector<HWND> tabStops(HWND dialog) {
    std::vector<HWND> stops;
    Window *d = findWindow(dialog);
    if (!d) return stops;
    for (HWND child : d->children) {
        Window *c = findWindow(child);
        if (c && c->visible() && !(c->style & WS_DISABLED) && (c->style & WS_TABSTOP)) stops.push_back(child);
    }
    return stops;
}

void press(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool isPushButton(HWND control) {
    return (SendMessageA(control, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

// Return presses the focused push button, else the default button, else
// IDOK; a disabled default button takes nothing.
void pressDefault(HWND dialog) {
    HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus) && IsWindowEnabled(focus) && isPushButton(focus)) {
        press(dialog, GetDlgCtrlID(focus));
        return;
    }
    const auto answer = static_cast<DWORD>(SendMessageA(dialog, kDmGetDefId, 0, 0));
    const int id = HIWORD(answer) == kDcHasDefId ? LOWORD(answer) : IDOK;
    HWND button = GetDlgItem(dialog, id);
    if (button && !IsWindowEnabled(button)) return;
    press(dialog, id);
}

void moveFocus(HWND dialog) {
    if (HWND next = nextTabStop(dialog, GetFocus(), GetKeyState(VK_SHIFT) < 0)) focusDialogItem(next);
}

LRESULT CALLBACK keyFilter(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = gFiltered.find(hwnd);
    if (it == gFiltered.end()) return DefWindowProcA(hwnd, message, wParam, lParam);
    const Filtered filtered = it->second;
    if (message == WM_NCDESTROY) {
        gFiltered.erase(it);
    } else {
        const MSG msg{hwnd, message, wParam, lParam, 0, {0, 0}};
        if (handleDialogKey(filtered.dialog, msg)) return 0;
    }
    return CallWindowProcA(filtered.previous, hwnd, message, wParam, lParam);
}

void filterWindow(HWND hwnd, HWND dialog) {
    if (gFiltered.count(hwnd) &&
        GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(keyFilter))
        return;
    auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(keyFilter)));
    gFiltered[hwnd] = Filtered{previous, dialog};
}

}  // namespace

HWND nextTabStop(HWND dialog, HWND from, bool previous) {
    const std::vector<HWND> stops = tabStops(dialog);
    if (stops.empty()) return nullptr;
    for (size_t i = 0; i < stops.size(); ++i)
        if (stops[i] == from) return stops[(i + (previous ? stops.size() - 1 : 1)) % stops.size()];
    return previous ? stops.back() : stops.front();
}

void selectItemText(HWND control) {
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
}

void focusDialogItem(HWND control) {
    selectItemText(control);
    SetFocus(control);
}

bool handleDialogKey(HWND dialog, const MSG &msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR) return false;
    // The three keys type characters of their own key codes.
    const WPARAM key = msg.wParam;
    if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return false;
    const LRESULT code =
        msg.hwnd == dialog ? 0 : SendMessageA(msg.hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
    if ((code & DLGC_WANTALLKEYS) || (key == VK_TAB && (code & DLGC_WANTTAB))) return false;
    if (msg.message == WM_CHAR) return true;
    if (key == VK_TAB)
        moveFocus(dialog);
    else if (key == VK_RETURN)
        pressDefault(dialog);
    else
        press(dialog, IDCANCEL);
    return true;
}

void filterDialogKeys(HWND dialog) {
    Window *d = findWindow(dialog);
    if (!d) return;
    const std::vector<HWND> children = d->children;
    filterWindow(dialog, dialog);
    for (HWND child : children) filterWindow(child, dialog);
}

LRESULT defaultButton(HWND dialog) {
    Window *d = findWindow(dialog);
    if (!d) return 0;
    const std::vector<HWND> children = d->children;
    for (HWND child : children)
        if (SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            return MAKELONG(GetDlgCtrlID(child), kDcHasDefId);
    return 0;
}

}  // namespace plat
