/*
 * The profile window's procedure: initialisation, the chart painted into its
 * control, activation, keys handed on to the image, closing and
 * destruction with everything the window owns. The frame's messages are in
 * window_layout.cpp, the range-marker drag in range_marker_drag.cpp.
 */
#include <stdio.h>
#include <string.h>

#include <chartw32.h>
#include <miscfn32.h>
#include <pixbuf32.h>
#include <tablew32.h>

#include "chart/profile_chart.h"
#include "frame/exports.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"
#include "frame/settings.h"
#include "host/host_services.h"
#include "overlay/overlay.h"
#include "sampling/profile_sampling.h"
#include "sampling/statistics.h"
#include "sampling/stats_display.h"
#include "window/file_commands.h"
#include "window/geometry_commands.h"
#include "window/menu_state.h"
#include "window/profile_view.h"
#include "window/range_marker_drag.h"
#include "window/view_options.h"
#include "window/window_layout.h"

static void SetCaption(HWND window) {
    char caption[256], title[129];
    HWND image = (HWND)HostQueryCall(QueryImageWindow, 0);
    title[0] = 0;
    if (image) GetWindowTextA(image, title, sizeof title);
    snprintf(caption, sizeof caption, "%s - ", LoadResString(IDS_LINE_PROFILE));
    strncat(caption, title, sizeof caption - strlen(caption) - 1);
    SetWindowTextA(window, caption);
}

static void OnInitDialog(HWND window, struct ProfileRecord *record) {
    RECT client;
    /* Creation's own moves and sizes (RestoreWindowPos below among them) are not the user's. */
    suppressSizeMacro = suppressMoveMacro = 1;
    GetWindowRect(window, &initialWindowRect);
    markerDragging = 0;
    SetWindowLongPtrA(window, DWLP_USER, (LONG_PTR)record);
    SetCaption(window);
    CheckRadioButton(window, GEOMETRY_LINE, GEOMETRY_FREEFORM, record->geometryCtlId);
    EnableWindow(GetDlgItem(window, IDC_DELETE_FREEFORM), FALSE);
    for (int i = 0; i < FREEFORM_CLEARED_AT_INIT; i++)
        record->freeformPoints[i].x = record->freeformPoints[i].y = 0;
    record->chartCtlProc = (WNDPROC)GetWindowLongPtrA(GetDlgItem(window, IDC_CHART), GWLP_WNDPROC);
    if (record->imageClass != IMAGECLASS_RGB)
        EnableMenuItem(GetMenu(window), MENUPOS_COLOR, MF_BYPOSITION | MF_GRAYED);
    record->fullScale = 1;
    record->statsMode = 0;
    SetStatsMode(window, record, statsModeDefault);
    RefreshProfileView(window, 0);
    ProfileShowStats(window);
    if (record->geometryCtlId == GEOMETRY_FREEFORM) {
        if (record->tableOn) {
            record->tableOn = 0;
            TableClose(GetDlgItem(window, IDC_CHART));
        }
        HostShowStatus(LoadResString(IDS_FREEFORM_PROMPT));
    }
    GetClientRect(window, &client);
    record->clientRect[0] = client.left, record->clientRect[1] = client.top;
    record->clientRect[2] = client.right, record->clientRect[3] = client.bottom;
    RestoreWindowPos(window, hostWindow, "LineProfile", "MainWinPos");
}

static void OnDestroy(HWND window) {
    struct ProfileRecord *record = ProfileFromWindow(window);
    char statement[64];
    int slot;
    HostQueryCall(QueryNoteActiveWindow, 0);
    if (record) {
        snprintf(statement, sizeof statement, "VoProfSelect(%d)", record->slotIndex);
        HostRecordStatement(statement);
        HostRecordStatement("VoProfDestroy()");
        if (currentIndex == record->slotIndex) currentIndex = -1;
        SaveProfileSettings(hostWindow, record);
        if (record->tableOn) TableClose(GetDlgItem(window, IDC_CHART));
        if (record->chartCtlProc)
            SetWindowLongPtrA(GetDlgItem(window, IDC_CHART), GWLP_WNDPROC, (LONG_PTR)record->chartCtlProc);
        record->overlayHidden = 1;
        ProfileEraseOverlay(record);
        record->overlayHidden = 0;
        if (record->samples) MemFreeBlock(record->samples);
        if (record->distances) MemFreeBlock(record->distances);
        if (record->referenceSamples) MemFreeBlock(record->referenceSamples);
        if (record->frozenSamples) MemFreeBlock(record->frozenSamples);
        ProfileChartDestroy(record);
        MemFreeBlock(record);
    }
    SetWindowLongPtrA(window, DWLP_USER, 0);
    for (slot = 0; slot < PROFILE_SLOTS; slot++)
        if (record && profileSlots[slot] == record) profileSlots[slot] = 0;
    SaveWindowPos(window, hostWindow, "LineProfile", "MainWinPos");
}

static INT_PTR OnChartColour(HWND window, HDC hdc, HWND control) {
    struct ProfileRecord *record = ProfileFromWindow(window);
    RECT rect;
    if (GetDlgCtrlID(control) != IDC_CHART) return 0;
    GetClientRect(control, &rect);
    if (record && record->chartHandle && !record->tableOn) {
        ChartDraw(record->chartHandle, hdc, &rect, 0, 1);
        if (record->statsMode == 2) {
            ProfileDrawRangeMarker(hdc, record, 0);
            ProfileDrawRangeMarker(hdc, record, 1);
        }
    } else if (record && !record->chartHandle) {
        FillRect(hdc, &rect, (HBRUSH)GetStockObject(WHITE_BRUSH));
        PaintPanel(hdc, &rect, 6, 15);
    }
    return (INT_PTR)GetStockObject(NULL_BRUSH);
}

/* The arrow keys move the geometry on the image wherever the focus is. */
static INT_PTR OnProfileKey(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND image = (HWND)HostQueryCall(QueryImageWindow, 0);
    if (image) SendMessageA(image, message, wParam, lParam);
    return 1;
}

VOPROF_EXPORT INT_PTR CALLBACK ProfileMainDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    struct ProfileRecord *record;
    char statement[64];
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(window, (struct ProfileRecord *)lParam);
            return 1;
        case WM_ACTIVATE:
            record = ProfileFromWindow(window);
            if (wParam == WA_CLICKACTIVE && record) {
                snprintf(statement, sizeof statement, "VoProfSelect(%d)", record->slotIndex);
                HostRecordStatement(statement);
                currentIndex = record->slotIndex;
            }
            HostQueryCall(QueryNoteActiveWindow, (LPARAM)window);
            return 1;
        case WM_SIZE:
            return OnProfileSize(window, wParam);
        case WM_MOVE:
            return OnProfileMove(window);
        case WM_GETMINMAXINFO:
            return OnProfileMinMaxInfo((MINMAXINFO *)lParam);
        case WM_SYSCOMMAND:
            return OnProfileSysCommand(window, wParam);
        case WM_PAINT:
            return OnProfilePaint(window);
        case WM_SETCURSOR:
            return OnMarkerSetCursor(window);
        case WM_MOUSEMOVE:
            return OnMarkerMouseMove(window, lParam);
        case WM_LBUTTONDOWN:
            return OnMarkerButtonDown(window);
        case WM_LBUTTONUP:
            return OnMarkerButtonUp(window);
        case WM_KEYDOWN:
        case WM_KEYUP:
            return OnProfileKey(message, wParam, lParam);
        case WM_INITMENUPOPUP:
            return UpdateProfileMenu(window, message, (HMENU)wParam, lParam);
        case WM_CTLCOLORSTATIC:
            return OnChartColour(window, (HDC)wParam, (HWND)lParam);
        case WM_COMMAND: {
            INT_PTR result;
            record = ProfileFromWindow(window);
            if (!record) return 0;
            result = OnFileCommand(window, record, LOWORD(wParam));
            if (result) return result;
            return OnGeometryCommand(window, record, LOWORD(wParam)) ||
                   OnStatsModeCommand(window, record, LOWORD(wParam)) ||
                   OnViewOptionCommand(window, record, LOWORD(wParam));
        }
        case WM_CLOSE:
            DestroyWindow(window);
            return 1;
        case WM_DESTROY:
            OnDestroy(window);
            return 0;
        default:
            return 0;
    }
}
