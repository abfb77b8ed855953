/*
 * The Save dialog's hook: Header, Legend and (for data) X-Axis boxes under
 * the dialog's Cancel button, one button-step apart. Each click flips its bit
 * of the save options at once, so a change stays even when the user cancels.
 */
#include "frame/exports.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"

static void ChildRect(HWND dialog, int id, RECT *rect) {
    GetWindowRect(GetDlgItem(dialog, id), rect);
    MapWindowPoints(0, dialog, (POINT *)rect, 2);
}

static void AddBox(HWND dialog, int id, WORD text, WORD bit, const RECT *cancel, LONG step, int index) {
    LONG width = cancel->right - cancel->left + 1, height = cancel->bottom - cancel->top + 1;
    HWND box = CreateWindowExA(0, "button", LoadResString(text), 0x50000003, cancel->left,
                               cancel->top + step * (index + 1), width, height, dialog, (HMENU)(INT_PTR)id,
                               moduleInstance, 0);
    if (box) SendMessageA(box, BM_SETCHECK, (saveOptions & bit) ? BST_CHECKED : BST_UNCHECKED, 0);
}

VOPROF_EXPORT UINT_PTR CALLBACK dlgFileProfOptions(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    if (message == WM_INITDIALOG) {
        RECT ok, cancel;
        ChildRect(dialog, IDCANCEL, &cancel);
        ChildRect(dialog, IDOK, &ok);
        AddBox(dialog, 1234, 4, 0x100, &cancel, cancel.top - ok.top, 0);
        AddBox(dialog, 1235, 5, 0x200, &cancel, cancel.top - ok.top, 1);
        if (saveKindIsData == 1) AddBox(dialog, 1236, 6, 0x400, &cancel, cancel.top - ok.top, 2);
        return 1;
    }
    if (message == WM_COMMAND) {
        switch (LOWORD(wParam)) {
            case 1234:
                saveOptions ^= 0x100;
                return 1;
            case 1235:
                saveOptions ^= 0x200;
                return 1;
            case 1236:
                saveOptions ^= 0x400;
                return 1;
            default:
                return 0;
        }
    }
    return 0;
}
