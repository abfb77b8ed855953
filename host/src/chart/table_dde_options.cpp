// TableDdeOptions: the spreadsheet link's modal options dialog, a real
// dialog of the platform built from a template in code: the workbook's path,
// "Open the workbook after each send", OK and Cancel. OK saves the choices
// in the host's settings; an empty path keeps the dialog open with a beep.
// A script answers it headless (DdeOptionsDialog) as a hand would: the path
// typed, the box clicked when its state differs, OK.
#include <tablew32.h>

#include <optional>
#include <string>
#include <utility>

#include "chart/dde_settings.h"
#include "core/host_dialog.h"
#include "core/host_state.h"
#include "internal/dialog.h"

namespace {

constexpr int kWorkbookLabelId = 100;
constexpr int kWorkbookEditId = 101;
constexpr int kOpenAfterSendId = 102;

plat::res::DialogTemplate optionsTemplate() {
    plat::res::DialogTemplate t = host::modalDialogTemplate("Spreadsheet Link", 30, 30, 260, 78);
    t.controls.push_back(
        plat::res::childControl("static", "&Workbook:", kWorkbookLabelId, SS_LEFT, 7, 7, 190, 9));
    t.controls.push_back(plat::res::childControl("edit", "", kWorkbookEditId,
                                                 WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 18, 190, 12));
    t.controls.push_back(plat::res::childControl("button", "Open the workbook after each send",
                                                 kOpenAfterSendId, BS_AUTOCHECKBOX | WS_TABSTOP, 7, 38, 190,
                                                 10));
    host::addOkCancel(t, 203, 50);
    return t;
}

INT_PTR CALLBACK optionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        const host::DdeSettings settings = host::readDdeSettings();
        SetDlgItemTextA(dialog, kWorkbookEditId, settings.workbook.c_str());
        CheckDlgButton(dialog, kOpenAfterSendId, settings.openAfterSend ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK: {
            host::DdeSettings settings;
            settings.workbook = host::dialogItemText(dialog, kWorkbookEditId);
            settings.openAfterSend = IsDlgButtonChecked(dialog, kOpenAfterSendId) == BST_CHECKED;
            if (settings.workbook.empty() || settings.workbook.size() >= MAX_PATH) {
                MessageBeep(0);
                return TRUE;
            }
            host::saveDdeSettings(settings);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

extern "C" {

// Returns once the dialog is closed; the owner is disabled meanwhile.
void WINAPI TableDdeOptions(HWND host) {
    HWND owner = host;
    while (owner && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD)) owner = GetParent(owner);
    HWND dialog = plat::createDialogIndirect(nullptr, optionsTemplate(), owner, optionsProc, 0);
    if (!dialog) return;
    if (std::optional<std::pair<std::string, bool>> answer =
            std::exchange(host::state().ddeOptionsAnswer, {})) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        SetDlgItemTextA(dialog, kWorkbookEditId, answer->first.c_str());
        HWND box = GetDlgItem(dialog, kOpenAfterSendId);
        if ((SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != answer->second)
            SendMessageA(box, BM_CLICK, 0, 0);
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    }
    plat::runModalDialog(dialog, owner);
}

}  // extern "C"
