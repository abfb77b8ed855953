// Dialog creation from an in-memory template, shared by CreateDialogParamA,
// DialogBoxParamA and the common dialogs that the platform builds itself.
#pragma once

#include <windows.h>

#include "resources.h"

namespace plat {

// Creates the dialog and its controls, sends WM_INITDIALOG, shows it if the
// template says WS_VISIBLE. Returns 0 on failure.
HWND createDialogIndirect(HINSTANCE instance, const res::DialogTemplate &tmpl, HWND owner,
                          DLGPROC proc, LPARAM param);
// Runs the modal loop of a created dialog: disables the owner, shows the
// dialog, dispatches messages until EndDialog, re-enables the owner,
// destroys the dialog and returns the EndDialog result.
INT_PTR runModalDialog(HWND dialog, HWND owner);

}  // namespace plat
