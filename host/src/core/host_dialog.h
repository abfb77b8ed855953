// What the host's own small dialogs (calibration, spreadsheet link) share:
// their template's frame and OK/Cancel buttons, and the text a person typed.
#pragma once

#include <string>
#include <utility>

#include <windows.h>

#include "internal/resources.h"

namespace host {

// A modal dialog with a caption and the dialog font, at (x, y) and cx by cy
// dialog units; the caller adds its controls.
inline plat::res::DialogTemplate modalDialogTemplate(std::string caption, int x, int y, int cx, int cy) {
    plat::res::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK;
    t.x = x;
    t.y = y;
    t.cx = cx;
    t.cy = cy;
    t.caption = std::move(caption);
    return t;
}

// OK (the default button) above Cancel, `width` wide, in the column at x.
inline void addOkCancel(plat::res::DialogTemplate &t, int x, int width) {
    t.controls.push_back(plat::res::childControl("button", "OK", IDOK,
                                                 BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, x, 7, width, 14));
    t.controls.push_back(
        plat::res::childControl("button", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, x, 25, width, 14));
}

// The whole text of the control, however long; empty when there is no such control.
inline std::string dialogItemText(HWND dialog, int id) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(GetDlgItem(dialog, id))) + 1, '\0');
    text.resize(GetDlgItemTextA(dialog, id, text.data(), static_cast<int>(text.size())));
    return text;
}

}  // namespace host
