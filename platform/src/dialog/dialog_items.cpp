// Dialog item helpers: finding controls by id and talking to them, and the
// message loop entry IsDialogMessageA (its keys are in dialog_keys.cpp).
#include <cstdio>
#include <cstdlib>

#include "dialog/dialog_keys.h"
#include "window/state.h"

using namespace plat;

extern "C" {

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    Window *w = findWindow(dialog);
    if (!w) return nullptr;
    for (HWND child : w->children) {
        Window *c = findWindow(child);
        if (c && static_cast<uint16_t>(c->id) == static_cast<uint16_t>(id)) return child;
    }
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hwnd) {
    Window *w = findWindow(hwnd);
    return w && w->isChild() ? static_cast<int>(w->id) : 0;
}

BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    return SetWindowTextA(GetDlgItem(dialog, id), text);
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) {
        if (buffer && size > 0) buffer[0] = 0;
        return 0;
    }
    return static_cast<UINT>(GetWindowTextA(item, buffer, size));
}

BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    char text[16];
    if (isSigned)
        snprintf(text, sizeof text, "%d", static_cast<int>(value));
    else
        snprintf(text, sizeof text, "%u", value);
    return SetDlgItemTextA(dialog, id, text);
}

UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL *translated, BOOL isSigned) {
    char text[64] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    char *end = nullptr;
    long long v = strtoll(text, &end, 10);
    bool ok = end != text && *end == 0 && (isSigned || v >= 0);
    if (translated) *translated = ok ? TRUE : FALSE;
    return ok ? static_cast<UINT>(v) : 0;
}

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) return FALSE;
    SendMessageA(item, BM_SETCHECK, check, 0);
    return TRUE;
}

BOOL WINAPI CheckRadioButton(HWND dialog, int first, int last, int checked) {
    if (!findWindow(dialog)) return FALSE;
    for (int id = first; id <= last; ++id)
        if (HWND item = GetDlgItem(dialog, id))
            SendMessageA(item, BM_SETCHECK, id == checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    return item ? static_cast<UINT>(SendMessageA(item, BM_GETCHECK, 0, 0)) : 0;
}

LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageA(item, message, wParam, lParam) : 0;
}

BOOL WINAPI IsDialogMessageA(HWND dialog, LPMSG msg) {
    if (!msg || !findWindow(dialog) || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))) return FALSE;
    if (!handleDialogKey(dialog, *msg)) DispatchMessageA(msg);
    return TRUE;
}

}  // extern "C"
