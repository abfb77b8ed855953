// TABLEW32: TableShow, TableClose and the table window.
//
// The table is a child window of class "VoTable" of the control it covers,
// filling the control's client area, so it paints after the control and
// stays over it until TableClose. While a table is shown the control's
// procedure is subclassed to answer TABLE_FIT, which the owner sends after
// a layout change: the table is fitted to the control's client area again.
// The table scrolls by whole rows: its scroll bar (arrows, track, a thumb to
// drag), the mouse wheel, and the Up, Down, PageUp, PageDown, Home and End
// keys once a click has given it the focus.
#include "chart/table_window.h"

#include <algorithm>
#include <map>
#include <vector>

#include "chart/gdi_scope.h"
#include "core/host_reset.h"

namespace {

constexpr const char *kTableClass = "VoTable";
constexpr int kWheelDelta = 120;
constexpr int kRowsPerWheelNotch = 3;

struct ShownTable {
    HWND table = nullptr;
    WNDPROC previous = nullptr;  // the control's procedure before the table
    host::TableData data;
    size_t firstRow = 0;
    bool dragging = false;  // the scroll bar's thumb is held
    int grabOffset = 0;     // from the thumb's top to the pointer while dragged
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

host::GridGeometry geometryOf(HWND window, const host::TableData &data) {
    RECT client{};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    host::SavedDc saved(dc);
    host::selectTableFont(dc);
    host::GridGeometry grid = host::measureGrid(dc, client, data);
    ReleaseDC(window, dc);
    return grid;
}

void scrollTo(HWND window, ShownTable &shown, long long firstRow) {
    size_t row = host::clampFirstRow(shown.data, geometryOf(window, shown.data), firstRow);
    if (row == shown.firstRow) return;
    shown.firstRow = row;
    InvalidateRect(window, nullptr, FALSE);
}

void keyDown(HWND window, ShownTable &shown, WPARAM key) {
    const long long first = static_cast<long long>(shown.firstRow);
    const long long page =
        std::max<long long>(1, static_cast<long long>(geometryOf(window, shown.data).visibleRows) - 1);
    switch (key) {
        case VK_UP:
            return scrollTo(window, shown, first - 1);
        case VK_DOWN:
            return scrollTo(window, shown, first + 1);
        case VK_PRIOR:
            return scrollTo(window, shown, first - page);
        case VK_NEXT:
            return scrollTo(window, shown, first + page);
        case VK_HOME:
            return scrollTo(window, shown, 0);
        case VK_END:
            return scrollTo(window, shown, static_cast<long long>(shown.data.rows));
        default:
            return;
    }
}

void mouseDown(HWND window, ShownTable &shown, POINT at) {
    SetFocus(window);
    const host::GridGeometry grid = geometryOf(window, shown.data);
    const host::ScrollBarParts parts = host::scrollBarParts(shown.data, grid, shown.firstRow);
    const long long first = static_cast<long long>(shown.firstRow);
    const long long page = std::max<long long>(1, static_cast<long long>(grid.visibleRows) - 1);
    switch (host::scrollPartAt(parts, grid.scrollBar, at)) {
        case host::ScrollPart::LineUp:
            return scrollTo(window, shown, first - 1);
        case host::ScrollPart::LineDown:
            return scrollTo(window, shown, first + 1);
        case host::ScrollPart::PageUp:
            return scrollTo(window, shown, first - page);
        case host::ScrollPart::PageDown:
            return scrollTo(window, shown, first + page);
        case host::ScrollPart::Thumb:
            shown.dragging = true;
            shown.grabOffset = at.y - parts.thumb.top;
            SetCapture(window);
            return;
        case host::ScrollPart::None:
            return;
    }
}

void dragThumb(HWND window, ShownTable &shown, int y) {
    const host::GridGeometry grid = geometryOf(window, shown.data);
    const host::ScrollBarParts parts = host::scrollBarParts(shown.data, grid, shown.firstRow);
    scrollTo(window, shown,
             static_cast<long long>(host::firstRowForThumb(shown.data, grid, parts, y - shown.grabOffset)));
}

LRESULT CALLBACK tableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ShownTable *shown = findByControl(GetParent(window));
    if (shown && shown->table != window) shown = nullptr;
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers the whole client area
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(window, &ps);
            RECT client{};
            GetClientRect(window, &client);
            if (shown) host::paintTable(dc, client, shown->data, shown->firstRow);
            EndPaint(window, &ps);
            return 0;
        }
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (shown) keyDown(window, *shown, wParam);
            return 0;
        case WM_MOUSEWHEEL:
            if (shown) {
                const int notches = static_cast<short>(HIWORD(wParam)) / kWheelDelta;
                scrollTo(window, *shown,
                         static_cast<long long>(shown->firstRow) - notches * kRowsPerWheelNotch);
            }
            return 0;
        case WM_LBUTTONDOWN:
            if (shown) mouseDown(window, *shown, at);
            return 0;
        case WM_MOUSEMOVE:
            if (shown && shown->dragging) dragThumb(window, *shown, at.y);
            return 0;
        case WM_LBUTTONUP:
            if (shown && shown->dragging) ReleaseCapture();
            return 0;
        case WM_CAPTURECHANGED:
            if (shown) shown->dragging = false;
            return 0;
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
// table already shown there and keeps its place in the rows where it can.
BOOL WINAPI TableShow(HWND window, int controlId, const TableSpec *settings) {
    HWND control = window ? GetDlgItem(window, controlId) : nullptr;
    if (!control || !settings) return FALSE;
    std::optional<host::TableData> data = host::copyTable(*settings);
    if (!data) return FALSE;
    if (ShownTable *shown = findByControl(control); shown && IsWindow(shown->table)) {
        shown->data = std::move(*data);
        fitToControl(shown->table, control);
        shown->firstRow = host::clampFirstRow(shown->data, geometryOf(shown->table, shown->data),
                                              static_cast<long long>(shown->firstRow));
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

const TableData *tableShownIn(HWND window) {
    for (const auto &[control, shown] : shownTables())
        if (window && IsWindow(shown.table) && IsChild(window, control)) return &shown.data;
    return nullptr;
}

std::optional<size_t> tableFirstRow(HWND control) {
    const ShownTable *shown = findByControl(control);
    return shown ? std::optional<size_t>(shown->firstRow) : std::nullopt;
}

}  // namespace host
