// The WM_CTLCOLOR* messages: the one list of them, and the colours
// DefWindowProc answers with when the parent leaves them to it.
#pragma once

#include <algorithm>
#include <array>

#include <windows.h>

namespace plat {

inline constexpr std::array<UINT, 7> kCtlColorMessages = {
    WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT,      WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN,
    WM_CTLCOLORDLG,    WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC,
};

constexpr bool isCtlColorMessage(UINT message) {
    return std::find(kCtlColorMessages.begin(), kCtlColorMessages.end(), message) != kCtlColorMessages.end();
}

// Window text on the window colour for edit and list box fields, on the
// button face for everything else; sets the DC's colours and returns the
// system brush (defwindow.cpp).
HBRUSH defaultCtlColor(HDC hdc, UINT message);

}  // namespace plat
