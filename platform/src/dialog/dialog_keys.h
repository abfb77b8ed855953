// Keyboard navigation of dialogs: the tab order, the keys Tab, Shift+Tab,
// Return and Escape, and the filter a modal loop puts in front of its
// dialog's windows so that every key they receive is handled as
// IsDialogMessageA handles it.
#pragma once

#include <windows.h>

namespace plat {

// Values of the real headers that windows.h does not declare.
constexpr UINT kDmGetDefId = WM_USER;  // DM_GETDEFID
constexpr WORD kDcHasDefId = 0x534B;   // DC_HASDEFID

// The next (or previous) visible, enabled WS_TABSTOP control after `from`
// in creation order, wrapping around; the first (or last) one when `from`
// is not a tab stop of the dialog. Null when the dialog has none.
HWND nextTabStop(HWND dialog, HWND from, bool previous);

// Selects all of an edit's text (a control answering DLGC_HASSETSEL), so
// that typing replaces it; other controls are left alone.
void selectItemText(HWND control);
// Gives a control the focus as the dialog does, its text selected first.
void focusDialogItem(HWND control);

// Tab, Shift+Tab, Return and Escape (WM_KEYDOWN and the WM_CHAR they type)
// for the dialog, unless the control the message is for wants the key
// (WM_GETDLGCODE). True when the message was used up.
bool handleDialogKey(HWND dialog, const MSG &msg);

// Puts the key filter in front of the dialog and its controls; it goes with
// each window.
void filterDialogKeys(HWND dialog);

// DefDlgProc's answer to DM_GETDEFID: the first push button whose style
// makes it the default one.
LRESULT defaultButton(HWND dialog);

}  // namespace plat
