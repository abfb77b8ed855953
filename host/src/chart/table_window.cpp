// TABLEW32: TableShow, TableClose and the table window.
//
// The table is a child window of class "VoTable" of the control it covers,
// filling the control's client area, so it paints after the control and
// stays over it until TableClose. While a table is shown the control's
// procedure is subclassed to answer TABLE_FIT, which the owner sends after
// a layout change: the table is fitted to the control's client area again.
// For now the window paints the plain grid of paintTable; a real grid with
// scrolling comes later.
#include <tablew32.h>

#include <map>

#include "core/host_reset.h"
#include "chart/table_grid.h"

namespace {

constexpr const char *kTableClass = "VoTable";

struct ShownTable {
    HWND table = nullptr;
    WNDPROC previous = nullptr;  // the control's procedure before the table
    host::TableData data;
};

// By the control the table covers.
std::map<HWND, ShownTable> &shownTables() {
    static std::map<HWND, ShownTable> tables;
    return tables;
}

ShownTable *findByControl(HWND control) {
    auto it = shownTables().find(control);
    return it == shownTables().end() ? nullptr : &it->second;
}

void fitToControl(HWND table, HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    MoveWindow(table, 0, 0, client.right, client.bottom, TRUE);
}

LRESULT CALLBACK tableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers the whole client area
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(window, &ps);
            RECT client{};
            GetClientRect(window, &client);
            if (const ShownTable *shown = findByControl(GetParent(window)))
                host::paintTable(dc, client, shown->data);
            EndPaint(window, &ps);
            return 0;
        }
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    ShownTable *shown = findByControl(control);
    if (!shown) return DefWindowProcA(control, message, wParam, lParam);
    WNDPROC previous = shown->previous;
    if (message == TABLE_FIT) {
        fitToControl(shown->table, control);
        return 0;
    }
    // The control goes with its children, the table among them.
    if (message == WM_NCDESTROY) shownTables().erase(control);
    return CallWindowProcA(previous, control, message, wParam, lParam);
}

WNDPROC subclass(HWND control) {
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc)));
}

const char *tableClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = tableProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kTableClass;
        registered = RegisterClassA(&wc) != 0;
    }
    return kTableClass;
}

}  // namespace

extern "C" {

// A second TableShow over the same control replaces the contents of the
// table already shown there.
BOOL WINAPI TableShow(HWND window, int controlId, const TableSpec *settings) {
    HWND control = window ? GetDlgItem(window, controlId) : nullptr;
    if (!control || !settings) return FALSE;
    std::optional<host::TableData> data = host::copyTable(*settings);
    if (!data) return FALSE;
    if (ShownTable *shown = findByControl(control); shown && IsWindow(shown->table)) {
        shown->data = std::move(*data);
        fitToControl(shown->table, control);
        InvalidateRect(shown->table, nullptr, FALSE);
        return TRUE;
    }
    RECT client{};
    GetClientRect(control, &client);
    HWND table = CreateWindowExA(0, tableClass(), "", WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                                 client.bottom, control, nullptr, nullptr, nullptr);
    if (!table) return FALSE;
    // A table destroyed behind TableClose's back left the control subclassed.
    const ShownTable *stale = findByControl(control);
    WNDPROC previous = stale ? stale->previous : subclass(control);
    shownTables()[control] = ShownTable{table, previous, std::move(*data)};
    return TRUE;
}

// The control gets its own procedure back (unless someone subclassed it
// since) and is repainted, so that what it shows comes back.
BOOL WINAPI TableClose(HWND control) {
    auto it = shownTables().find(control);
    if (it == shownTables().end()) return FALSE;
    if (GetWindowLongPtrA(control, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(controlProc))
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous));
    HWND table = it->second.table;
    shownTables().erase(it);
    if (IsWindow(table)) DestroyWindow(table);
    InvalidateRect(control, nullptr, TRUE);
    return TRUE;
}

}  // extern "C"

namespace host {

void closeAllTables() {
    std::vector<HWND> controls;
    for (const auto &[control, shown] : shownTables()) controls.push_back(control);
    for (HWND control : controls) TableClose(control);
}

}  // namespace host
