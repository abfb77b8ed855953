/*
 * The profile window's frame: the chart area following the window's size, the
 * statements that let a macro repeat the user's sizing and moving, the minimum
 * size, painting (the minimised icon too), and the statistics column's mode
 * with the range markers that belong to it.
 */
#include "window/window_layout.h"

#include <stdio.h>

#include <miscfn32.h>
#include <tablew32.h>

#include "chart/profile_chart.h"
#include "frame/profile_record.h"
#include "host/host_services.h"
#include "overlay/range_marks.h"
#include "sampling/stats_display.h"

void GetChildRect(HWND window, HWND parent, RECT *rect) {
    POINT corners[2];
    GetWindowRect(window, rect);
    corners[0].x = rect->left, corners[0].y = rect->top;
    corners[1].x = rect->right, corners[1].y = rect->bottom;
    ScreenToClient(parent, &corners[0]);
    ScreenToClient(parent, &corners[1]);
    rect->left = corners[0].x, rect->top = corners[0].y;
    rect->right = corners[1].x, rect->bottom = corners[1].y;
}

void LayoutProfileWindow(HWND window) {
    struct ProfileRecord *record = ProfileFromWindow(window);
    HWND chart = GetDlgItem(window, IDC_CHART);
    RECT client, area;
    LONG dx, dy;
    if (!record) return;
    GetClientRect(window, &client);
    dx = record->clientRect[2] - client.right;
    dy = record->clientRect[3] - client.bottom;
    record->clientRect[0] = client.left, record->clientRect[1] = client.top;
    record->clientRect[2] = client.right, record->clientRect[3] = client.bottom;
    if (record->tableOn) {
        SendMessageA(chart, TABLE_FIT, 0, 0);
        return;
    }
    GetChildRect(chart, window, &area);
    area.right -= dx;
    area.bottom -= dy;
    SetWindowPos(chart, 0, 0, 0, area.right - area.left, area.bottom - area.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, 0, TRUE);
}

static void DrawChartMarkers(HWND window, struct ProfileRecord *record) {
    HWND chart = GetDlgItem(window, IDC_CHART);
    HDC hdc = GetDC(chart);
    ProfileDrawRangeMarker(hdc, record, 0);
    ProfileDrawRangeMarker(hdc, record, 1);
    ReleaseDC(chart, hdc);
}

void SetStatsMode(HWND window, struct ProfileRecord *record, WORD mode) {
    WORD old = record->statsMode;
    int id;
    /* A mode from an edited settings file that does not exist shows range/area, the default. */
    if (mode > 2) mode = 2;
    record->statsMode = mode;
    statsModeDefault = mode;
    ShowWindow(GetDlgItem(window, IDC_CHANNEL),
               mode != 0 && record->imageClass == IMAGECLASS_RGB ? SW_SHOW : SW_HIDE);
    for (id = IDC_LABEL1; id <= IDC_VALUE5; id++)
        ShowWindow(GetDlgItem(window, id), mode != 0 ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(window, IDC_LABEL6), mode == 2 ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(window, IDC_VALUE6), mode == 2 ? SW_SHOW : SW_HIDE);
    if (mode != 0) {
        ProfileStatsLabels(window);
        ProfileShowStats(window);
    }
    /* The markers are XOR strokes: between statistics and range/area one more drawing shows or
     * removes them without repainting the chart. */
    if (mode != 0 && old != 0 && mode != old && !record->tableOn) DrawChartMarkers(window, record);
    if (mode != 2)
        InvalidateImageMarks(record, MARK_BOTH);
    else
        ProfileDrawImageMarks(record);
    if (mode == 0) return;
    if (record->tableOn)
        SendMessageA(GetDlgItem(window, IDC_CHART), TABLE_FIT, 0, 0);
    else
        InvalidateRect(window, 0, TRUE);
}

static void RecordPair(const char *name, LONG a, LONG b) {
    char statement[64];
    snprintf(statement, sizeof statement, "%s(%d, %d)", name, (int)a, (int)b);
    HostRecordStatement(statement);
}

INT_PTR OnProfileSize(HWND window, WPARAM kind) {
    RECT rect;
    if (kind != SIZE_RESTORED && kind != SIZE_MAXIMIZED) return 0;
    sizeNesting++;
    /* A move that follows a size (the next step of a drag by the left or top edge, or a layout after
     * maximising) is taken for part of that size and not recorded on its own. */
    suppressMoveMacro = 1;
    LayoutProfileWindow(window);
    sizeNesting--;
    /* Laying out can size the window again from inside; only the outermost size is the user's. */
    if (sizeNesting != 0) return 1;
    /* The sizes Windows sends while the dialog is being made, before it has its record, are
     * creation's, not the user's. */
    if (!ProfileFromWindow(window)) return 1;
    GetChildRect(window, GetParent(window), &rect);
    if (suppressSizeMacro)
        suppressSizeMacro = 0;
    else
        RecordPair("VoProfSize", rect.right - rect.left + 1, rect.bottom - rect.top + 1);
    return 1;
}

INT_PTR OnProfileMove(HWND window) {
    RECT rect;
    if (IsIconic(window) || !ProfileFromWindow(window)) return 1;
    GetChildRect(window, GetParent(window), &rect);
    if (suppressMoveMacro)
        suppressMoveMacro = 0;
    else
        RecordPair("VoProfMove", rect.left, rect.top);
    return 1;
}

INT_PTR OnProfileMinMaxInfo(MINMAXINFO *info) {
    /* No profile window has opened yet while the first one is being made: Windows' own minimum
     * stays. */
    if (initialWindowRect.right <= initialWindowRect.left) return 1;
    info->ptMinTrackSize.x = initialWindowRect.right - initialWindowRect.left;
    info->ptMinTrackSize.y = initialWindowRect.bottom - initialWindowRect.top;
    return 1;
}

INT_PTR OnProfileSysCommand(HWND window, WPARAM command) {
    struct ProfileRecord *record = ProfileFromWindow(window);
    char statement[64];
    /* Windows keeps the low four bits of a system command for itself. */
    switch (command & 0xFFF0) {
        case SC_MINIMIZE:
            /* Without a class icon Windows asks the minimised window to paint itself. */
            SetClassLongPtrA(window, GCLP_HICON, 0);
            HostRecordStatement("VoProfMinimize()");
            break;
        case SC_MAXIMIZE:
            HostRecordStatement("VoProfMaximize()");
            suppressSizeMacro = suppressMoveMacro = 1;
            break;
        case SC_RESTORE:
            if (record) {
                snprintf(statement, sizeof statement, "VoProfSelect(%d)", record->slotIndex);
                HostRecordStatement(statement);
            }
            HostRecordStatement("VoProfRestore()");
            suppressSizeMacro = suppressMoveMacro = 1;
            break;
        default:
            break;
    }
    return 0;
}

INT_PTR OnProfilePaint(HWND window) {
    struct ProfileRecord *record = ProfileFromWindow(window);
    PAINTSTRUCT paint;
    RECT rect;
    HDC hdc = BeginPaint(window, &paint);
    if (IsIconic(window)) {
        DrawIcon(hdc, 0, 0, LoadIconA(moduleInstance, "PROFICON"));
    } else {
        GetClientRect(window, &rect);
        PaintPanel(hdc, &rect, 6, 2);
        if (record && !record->chartHandle) {
            GetChildRect(GetDlgItem(window, IDC_CHART), window, &rect);
            FillRect(hdc, &rect, (HBRUSH)GetStockObject(WHITE_BRUSH));
            PaintPanel(hdc, &rect, 6, 15);
        }
    }
    EndPaint(window, &paint);
    return 1;
}

/* The two items exclude each other; choosing the item of the mode shown turns
 * the statistics off. */
int OnStatsModeCommand(HWND window, struct ProfileRecord *record, WORD id) {
    char statement[48];
    WORD mine, other, mode;
    if (id != IDM_STATISTICS && id != IDM_RANGE_AREA) return 0;
    mine = id == IDM_STATISTICS ? 1 : 2;
    other = id == IDM_STATISTICS ? IDM_RANGE_AREA : IDM_STATISTICS;
    mode = mine;
    if (record->statsMode == mine)
        mode = 0;
    else if (record->statsMode != 0)
        CheckMenuItem(GetMenu(window), other, MF_BYCOMMAND | MF_UNCHECKED);
    SetStatsMode(window, record, mode);
    wsprintfA(statement, "VoProfSetAttr(STATISTICS, %d)", (int)record->statsMode);
    HostRecordStatement(statement);
    return 1;
}
