// Dialogs: creation from templates (dialog units from the dialog font), the
// default dialog procedure with its DWLP_MSGRESULT convention, and modal
// dialogs with a nested loop that disables the owner and hands every message
// of the dialog to its keyboard handling.
#include <algorithm>
#include <cstring>

#include "dialog/dialog_keys.h"
#include "internal/ctl_color.h"
#include "internal/dialog.h"
#include "internal/init.h"
#include "internal/resources.h"
#include "window/state.h"

namespace plat {

// Messages whose dialog-procedure result is returned as it is, not through
// DWLP_MSGRESULT, as DefDlgProc does on Windows.
static bool returnsDirectly(UINT message) {
    if (isCtlColorMessage(message)) return true;
    switch (message) {
        case WM_COMPAREITEM:
        case WM_QUERYDRAGICON:
        case WM_INITDIALOG:
        case 0x002E /* WM_VKEYTOITEM */:
        case 0x002F /* WM_CHARTOITEM */:
            return true;
        default:
            return false;
    }
}

// Dialog base units of a font, the way Windows measures them: the average
// width of the 52 letters, rounded, and the character height.
static void measureBaseUnits(HFONT font, int &baseX, int &baseY) {
    HDC hdc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(hdc, font);
    const char *letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE size{0, 0};
    GetTextExtentPoint32A(hdc, letters, 52, &size);
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    ReleaseDC(nullptr, hdc);
    baseX = std::max<int>(1, (size.cx / 26 + 1) / 2);
    baseY = std::max<int>(1, tm.tmHeight);
}

static void restoreFocus(Window &w) {
    HWND target = w.savedFocus && IsChild(w.handle, w.savedFocus) ? w.savedFocus
                                                                  : nextTabStop(w.handle, nullptr, false);
    if (target && IsWindowEnabled(target)) SetFocus(target);
}

LRESULT defDialogProc(Window &w, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = w.handle;
    switch (message) {
        case WM_ERASEBKGND: {
            auto brush = reinterpret_cast<HBRUSH>(
                SendMessageA(hwnd, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(hwnd)));
            RECT r;
            GetClientRect(hwnd, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_CLOSE:
            PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (wm().focus && IsChild(hwnd, wm().focus)) w.savedFocus = wm().focus;
            } else if (w.show != ShowState::Minimized) {
                restoreFocus(w);
            }
            return 0;
        case WM_SETFOCUS:
            restoreFocus(w);
            return 0;
        case WM_NCDESTROY:
            if (w.dialogFont) DeleteObject(w.dialogFont);
            w.dialogFont = nullptr;
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(w.dialogFont);
        case kDmGetDefId:
            return defaultButton(hwnd);
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

static RECT toPixels(const Window &dialog, int x, int y, int cx, int cy) {
    return RECT{MulDiv(x, dialog.baseUnitX, 4), MulDiv(y, dialog.baseUnitY, 8),
                MulDiv(x + cx, dialog.baseUnitX, 4), MulDiv(y + cy, dialog.baseUnitY, 8)};
}

static void createControls(HWND hwnd, HINSTANCE instance, const res::DialogTemplate &tmpl) {
    for (const res::DialogControl &c : tmpl.controls) {
        Window *dialog = findWindow(hwnd);
        if (!dialog) return;
        RECT r = toPixels(*dialog, c.x, c.y, c.cx, c.cy);
        HWND control = CreateWindowExA(
            c.exStyle, c.className.c_str(), c.text.c_str(), (c.style | WS_CHILD), r.left, r.top,
            r.right - r.left, r.bottom - r.top, hwnd,
            reinterpret_cast<HMENU>(static_cast<intptr_t>(static_cast<uint16_t>(c.id))), instance, nullptr);
        // A control that cannot be made is left out; the dialog still opens.
        if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialog->dialogFont), FALSE);
    }
}

static POINT dialogPosition(const res::DialogTemplate &tmpl, HWND owner, const RECT &outer) {
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    if (tmpl.style & DS_CENTER)
        return POINT{(wm().screenWidth - width) / 2, (wm().screenHeight - height) / 2};
    POINT origin{0, 0};
    if (owner && !(tmpl.style & DS_ABSALIGN)) ClientToScreen(owner, &origin);
    return POINT{origin.x + outer.left, origin.y + outer.top};
}

// WM_INITDIALOG's answer decides where the focus goes once the dialog is
// active: TRUE asks for the first tab stop (found again, as the dialog may
// have changed its controls), FALSE keeps the control the dialog procedure
// gave the focus to. False when the dialog is gone.
static bool initialiseFocus(HWND hwnd, LPARAM param) {
    HWND first = nextTabStop(hwnd, nullptr, false);
    const LRESULT defaultFocus = SendMessageA(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    Window *w = findWindow(hwnd);
    if (!w) return false;
    HWND focus = wm().focus;
    if (defaultFocus) {
        w->savedFocus = nextTabStop(hwnd, nullptr, false);
        if (w->savedFocus) selectItemText(w->savedFocus);
    } else if (focus && IsChild(hwnd, focus)) {
        w->savedFocus = focus;
    }
    return findWindow(hwnd) != nullptr;
}

HWND createDialogIndirect(HINSTANCE instance, const res::DialogTemplate &tmpl, HWND owner, DLGPROC proc,
                          LPARAM param) {
    ensureInitialised();
    HFONT font = CreateFontA(-MulDiv(tmpl.pointSize > 0 ? tmpl.pointSize : 8, 96, 72), 0, 0, 0, FW_NORMAL, 0,
                             0, 0, ANSI_CHARSET, 0, 0, 0, 0, tmpl.fontName.c_str());
    int baseX = 0, baseY = 0;
    measureBaseUnits(font, baseX, baseY);
    HMENU menu = tmpl.hasMenu ? LoadMenuA(instance, tmpl.menu.isId ? MAKEINTRESOURCEA(tmpl.menu.id)
                                                                   : tmpl.menu.name.c_str())
                              : nullptr;
    RECT client{MulDiv(tmpl.x, baseX, 4), MulDiv(tmpl.y, baseY, 8), MulDiv(tmpl.x + tmpl.cx, baseX, 4),
                MulDiv(tmpl.y + tmpl.cy, baseY, 8)};
    DWORD style = tmpl.style & ~WS_VISIBLE;
    RECT outer = client;
    AdjustWindowRectEx(&outer, style, menu != nullptr, tmpl.exStyle);
    outer = RECT{client.left, client.top, client.left + (outer.right - outer.left),
                 client.top + (outer.bottom - outer.top)};
    POINT at = dialogPosition(tmpl, owner, outer);
    const char *cls = tmpl.className.empty() ? "#32770" : tmpl.className.c_str();
    HWND hwnd =
        CreateWindowExA(tmpl.exStyle, cls, tmpl.caption.c_str(), style, at.x, at.y, outer.right - outer.left,
                        outer.bottom - outer.top, owner, menu, instance, nullptr);
    if (!hwnd) {
        DeleteObject(font);
        if (menu) DestroyMenu(menu);
        return nullptr;
    }
    Window *w = findWindow(hwnd);
    w->isDialog = true;
    w->dialogFont = font;
    w->baseUnitX = baseX;
    w->baseUnitY = baseY;
    if (w->extra.size() >= DWLP_USER + sizeof(LONG_PTR))
        SetWindowLongPtrA(hwnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    createControls(hwnd, instance, tmpl);
    if (!(w = findWindow(hwnd))) return nullptr;
    if (!initialiseFocus(hwnd, param)) return nullptr;
    if (tmpl.style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOWNORMAL);
    return findWindow(hwnd) ? hwnd : nullptr;
}

INT_PTR runModalDialog(HWND dialog, HWND owner) {
    if (!findWindow(dialog)) return -1;
    bool disabledOwner = owner && IsWindowEnabled(owner);
    if (disabledOwner) EnableWindow(owner, FALSE);
    filterDialogKeys(dialog);
    ShowWindow(dialog, SW_SHOWNORMAL);
    WindowManager &m = wm();
    bool cancelled = false;
    while (Window *w = findWindow(dialog)) {
        if (w->dialogEnded) break;
        if (!m.queue.empty()) {
            PostedMessage p = m.queue.front();
            m.queue.pop_front();
            MSG msg{p.hwnd, p.message, p.wParam, p.lParam, 0, m.cursor};
            if (!IsDialogMessageA(dialog, &msg)) deliver(p.hwnd, p.message, p.wParam, p.lParam, true);
        } else if (paintPending()) {
            paintAll();
        } else if (m.idleHandler && m.idleHandler()) {
            continue;
        } else if (!cancelled) {
            // Nothing more will come: the dialog ends as if Cancel was pressed.
            cancelled = true;
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        } else {
            EndDialog(dialog, IDCANCEL);
        }
    }
    Window *w = findWindow(dialog);
    INT_PTR result = w ? w->dialogResult : -1;
    // The owner comes back before the dialog goes, so that it takes the activation.
    if (disabledOwner && findWindow(owner)) EnableWindow(owner, TRUE);
    if (w) {
        if (owner && findWindow(owner) && m.active == dialog) activateWindow(owner, WA_ACTIVE);
        DestroyWindow(dialog);
    }
    return result;
}

}  // namespace plat

using namespace plat;

extern "C" {

LRESULT WINAPI DefDlgProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window *w = findWindow(hwnd);
    if (!w) return 0;
    if (w->extra.size() < DWLP_USER + sizeof(LONG_PTR)) return DefWindowProcA(hwnd, message, wParam, lParam);
    auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hwnd, DWLP_DLGPROC));
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
    INT_PTR handled = proc ? proc(hwnd, message, wParam, lParam) : 0;
    if (!(w = findWindow(hwnd))) return handled;
    if (handled) return returnsDirectly(message) ? handled : GetWindowLongPtrA(hwnd, DWLP_MSGRESULT);
    return defDialogProc(*w, message, wParam, lParam);
}

HWND WINAPI CreateDialogParamA(HINSTANCE instance, LPCSTR name, HWND owner, DLGPROC proc, LPARAM param) {
    const res::DialogTemplate *tmpl = res::findDialog(instance, name);
    if (!tmpl) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return createDialogIndirect(instance, *tmpl, owner, proc, param);
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR name, HWND owner, DLGPROC proc, LPARAM param) {
    const res::DialogTemplate *tmpl = res::findDialog(instance, name);
    if (!tmpl) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    res::DialogTemplate hidden = *tmpl;
    hidden.style &= ~WS_VISIBLE;
    HWND dialog = createDialogIndirect(instance, hidden, owner, proc, param);
    if (!dialog) return -1;
    return runModalDialog(dialog, owner ? topLevelOf(owner) : nullptr);
}

BOOL WINAPI EndDialog(HWND hwnd, INT_PTR result) {
    Window *w = findWindow(hwnd);
    if (!w) return FALSE;
    w->dialogEnded = true;
    w->dialogResult = result;
    return TRUE;
}

BOOL WINAPI MapDialogRect(HWND hwnd, LPRECT rect) {
    Window *w = findWindow(hwnd);
    if (!w || !w->isDialog || !rect) return FALSE;
    *rect = toPixels(*w, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    return TRUE;
}

}  // extern "C"
