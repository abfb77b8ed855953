// The text of a dialog's control as a std::string, for the host's own
// dialogs that read what a person typed.
#pragma once

#include <string>

#include <windows.h>

namespace host {

// The whole text of the control, however long; empty when there is no such control.
inline std::string dialogItemText(HWND dialog, int id) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(GetDlgItem(dialog, id))) + 1, '\0');
    text.resize(GetDlgItemTextA(dialog, id, text.data(), static_cast<int>(text.size())));
    return text;
}

}  // namespace host
