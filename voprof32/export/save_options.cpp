/*
 * The Save dialog's hook: Header, Legend and (for data) X-Axis boxes under
 * the dialog's Cancel button, one button-step apart. Each click flips its bit
 * of the save options at once, so a change stays even when the user cancels.
 */
#include "frame/exports.h"
#include "frame/macro_codes.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"

static void ChildRect(HWND dialog, int id, RECT *rect) {
    GetWindowRect(GetDlgItem(dialog, id), rect);
    MapWindowPoints(0, dialog, (POINT *)rect, 2);
}

static void AddBox(HWND dialog, int id, WORD text, WORD bit, const RECT *cancel, LONG step, int index) {
    LONG width = cancel->right - cancel->left + 1, height = cancel->bottom - cancel->top + 1;
    HWND box = CreateWindowExA(0, "button", LoadResString(text), WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                               cancel->left, cancel->top + step * (index + 1), width, height, dialog,
                               (HMENU)(INT_PTR)id, moduleInstance, 0);
    if (box) SendMessageA(box, BM_SETCHECK, (saveOptions & bit) ? BST_CHECKED : BST_UNCHECKED, 0);
}

VOPROF_EXPORT UINT_PTR CALLBACK dlgFileProfOptions(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    if (message == WM_INITDIALOG) {
        RECT ok, cancel;
        ChildRect(dialog, IDCANCEL, &cancel);
        ChildRect(dialog, IDOK, &ok);
        AddBox(dialog, IDC_SAVE_HEADER, IDS_HEADER, S_HEADER, &cancel, cancel.top - ok.top, 0);
        AddBox(dialog, IDC_SAVE_LEGEND, IDS_LEGEND, S_LEGEND, &cancel, cancel.top - ok.top, 1);
        if (saveKindIsData == 1)
            AddBox(dialog, IDC_SAVE_X_AXIS, IDS_X_AXIS, S_X_AXIS, &cancel, cancel.top - ok.top, 2);
        return 1;
    }
    if (message == WM_COMMAND) {
        switch (LOWORD(wParam)) {
            case IDC_SAVE_HEADER:
                saveOptions ^= S_HEADER;
                return 1;
            case IDC_SAVE_LEGEND:
                saveOptions ^= S_LEGEND;
                return 1;
            case IDC_SAVE_X_AXIS:
                saveOptions ^= S_X_AXIS;
                return 1;
            default:
                return 0;
        }
    }
    return 0;
}
