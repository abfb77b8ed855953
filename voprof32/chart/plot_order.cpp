/*
 * The plot order dialog (dialog 200): the three channel plots listed front to
 * back; on OK the plot sequence is rebuilt so that the top row's plot comes
 * third (drawn in front, followed by the statistics) and the frozen plots are
 * drawn over the live ones in the same order.
 */
#include <string.h>

#include <chartw32.h>
#include <miscfn32.h>

#include "frame/exports.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"

#define IDC_ORDER_LIST 201

static void OrderUpdateButtons(HWND dialog, LRESULT row) {
    if (row < 0 || row > 2) return;
    EnableWindow(GetDlgItem(dialog, IDC_ORDER_UP), row != 0);
    EnableWindow(GetDlgItem(dialog, IDC_ORDER_DOWN), row != 2);
}

static HPLOT ProfileFindPlot(struct ProfileRecord *record, const char *name) {
    const DWORD *lists[2] = {record->livePlots, record->frozenPlots};
    char plotName[136];
    int list, i;
    for (list = 0; list < 2; list++) {
        for (i = 0; i < 3; i++) {
            if (!lists[list][i]) continue;
            plotName[0] = 0;
            PlotAttr(lists[list][i], PLOTATTR_NAME, 0, 0, plotName);
            if (lstrcmpA(plotName, name) == 0) return lists[list][i];
        }
    }
    return 0;
}

static void OnInit(HWND dialog, struct ProfileRecord *record) {
    HWND list = GetDlgItem(dialog, IDC_ORDER_LIST);
    HPLOT plot = 0;
    char name[136];
    int step;
    SetWindowLongPtrA(dialog, DWLP_USER, (LONG_PTR)record);
    for (step = 0; step < 3; step++) {
        ChartAttr(record->chartHandle, CHARTATTR_NEXTPLOT, plot, 0, &plot);
        name[0] = 0;
        PlotAttr(plot, PLOTATTR_NAME, 0, 0, name);
        SendMessageA(list, LB_INSERTSTRING, 0, (LPARAM)name);
    }
    EnableWindow(GetDlgItem(dialog, IDC_ORDER_UP), FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_ORDER_DOWN), FALSE);
    RestoreWindowPos(dialog, hostWindow, "LineProfile", "OrderWinPos");
}

static void MoveRow(HWND dialog, int by) {
    HWND list = GetDlgItem(dialog, IDC_ORDER_LIST);
    LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
    char text[136];
    if (row == LB_ERR || row + by < 0 || row + by > 2) return;
    SendMessageA(list, LB_GETTEXT, (WPARAM)row, (LPARAM)text);
    SendMessageA(list, LB_DELETESTRING, (WPARAM)row, 0);
    SendMessageA(list, LB_INSERTSTRING, (WPARAM)(row + by), (LPARAM)text);
    SendMessageA(list, LB_SETCURSEL, (WPARAM)(row + by), 0);
    OrderUpdateButtons(dialog, row + by);
}

/* Frozen plots first, then the live ones, each row to the head in turn. */
static void ApplyOrder(HWND dialog, struct ProfileRecord *record) {
    HWND list = GetDlgItem(dialog, IDC_ORDER_LIST);
    char text[160];
    int pass, row;
    for (pass = 0; pass < 2; pass++) {
        for (row = 0; row < 3; row++) {
            HPLOT plot;
            text[0] = 0;
            SendMessageA(list, LB_GETTEXT, (WPARAM)row, (LPARAM)text);
            if (pass == 0) strncat(text, LoadResString(IDS_FREEZE_SUFFIX), sizeof text - strlen(text) - 1);
            plot = ProfileFindPlot(record, text);
            if (plot) ChartAttr(record->chartHandle, CHARTATTR_SET | CHARTATTR_TOHEAD, plot, 0, 0);
        }
    }
}

VOPROF_EXPORT INT_PTR CALLBACK ProfileOrderDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    struct ProfileRecord *record = (struct ProfileRecord *)GetWindowLongPtrA(dialog, DWLP_USER);
    switch (message) {
        case WM_INITDIALOG:
            OnInit(dialog, (struct ProfileRecord *)lParam);
            return 1;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_ORDER_LIST:
                    if (HIWORD(wParam) == LBN_SELCHANGE)
                        OrderUpdateButtons(dialog,
                                           SendDlgItemMessageA(dialog, IDC_ORDER_LIST, LB_GETCURSEL, 0, 0));
                    if (HIWORD(wParam) == LBN_SELCANCEL) {
                        EnableWindow(GetDlgItem(dialog, IDC_ORDER_UP), FALSE);
                        EnableWindow(GetDlgItem(dialog, IDC_ORDER_DOWN), FALSE);
                    }
                    return 1;
                case IDC_ORDER_UP:
                    MoveRow(dialog, -1);
                    return 1;
                case IDC_ORDER_DOWN:
                    MoveRow(dialog, 1);
                    return 1;
                case IDOK:
                    if (record) ApplyOrder(dialog, record);
                    SaveWindowPos(dialog, hostWindow, "LineProfile", "OrderWinPos");
                    EndDialog(dialog, 1);
                    return 1;
                case IDCANCEL:
                    SaveWindowPos(dialog, hostWindow, "LineProfile", "OrderWinPos");
                    EndDialog(dialog, 0);
                    return 1;
                default:
                    return 0;
            }
        default:
            return 0;
    }
}
