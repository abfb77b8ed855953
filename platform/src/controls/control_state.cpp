// Font, notification and colour plumbing shared by the system controls.
#include "controls/control_state.h"

#include "internal/ctl_color.h"

namespace plat {

bool handleFontMessage(HWND hwnd, ControlState &state, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT &result) {
    if (message == WM_SETFONT) {
        state.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        result = 0;
        return true;
    }
    if (message == WM_GETFONT) {
        result = reinterpret_cast<LRESULT>(state.font);
        return true;
    }
    return false;
}

HFONT controlFont(const ControlState &state) {
    return state.font ? state.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int controlLineHeight(HWND hwnd, const ControlState &state) {
    ClientDc dc(hwnd);
    ObjectSelection font(dc.hdc(), controlFont(state));
    TEXTMETRICA tm{};
    if (!GetTextMetricsA(dc.hdc(), &tm) || tm.tmHeight <= 0) return 13;
    return tm.tmHeight;
}

void notifyParent(HWND hwnd, WORD code) {
    HWND parent = GetParent(hwnd);
    if (!parent) return;
    WORD id = static_cast<WORD>(GetDlgCtrlID(hwnd));
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(hwnd));
}

HBRUSH controlColorBrush(HWND hwnd, HDC hdc, UINT ctlColorMessage) {
    HWND parent = GetParent(hwnd);
    if (!parent) return defaultCtlColor(hdc, ctlColorMessage);
    WPARAM dc = reinterpret_cast<WPARAM>(hdc);
    LPARAM control = reinterpret_cast<LPARAM>(hwnd);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(parent, ctlColorMessage, dc, control));
    // A parent procedure that forgets DefWindowProc answers 0; Windows then
    // asks DefWindowProc itself.
    if (!brush) brush = reinterpret_cast<HBRUSH>(DefWindowProcA(parent, ctlColorMessage, dc, control));
    if (!brush) brush = defaultCtlColor(hdc, ctlColorMessage);
    return brush;
}

std::string controlText(HWND hwnd) {
    auto length = static_cast<int>(DefWindowProcA(hwnd, WM_GETTEXTLENGTH, 0, 0));
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    auto copied = static_cast<int>(DefWindowProcA(hwnd, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                                                  reinterpret_cast<LPARAM>(text.data())));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

POINT mousePoint(LPARAM lParam) {
    return POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

}  // namespace plat
