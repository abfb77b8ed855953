/*
 * The File menu: saving data or statistics through the Save dialog (whose
 * hook adds the Header, Legend and X-Axis boxes), data to the clipboard and
 * to the spreadsheet link, the chart to the clipboard; and the Table switch.
 * Each records the statement that repeats it.
 */
#include "window/file_commands.h"

#include <stdio.h>
#include <string.h>

#include <chartw32.h>
#include <tablew32.h>

#include "export/clipboard_export.h"
#include "export/data_file.h"
#include "frame/exports.h"
#include "frame/macro_codes.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"
#include "host/host_services.h"
#include "window/profile_view.h"

#define SAVE_DIALOG_FLAGS                                                                            \
    (OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLEHOOK | OFN_PATHMUSTEXIST | \
     OFN_NOREADONLYRETURN | OFN_NONETWORKBUTTON)
#define OPTIONS_TEXT 64
#define STATEMENT_TEXT (MAX_PATH + OPTIONS_TEXT + 16)

/* The Save dialog; 1 with the chosen path in path, 0 when cancelled. */
static int AskSavePath(HWND window, int data, char *path) {
    OPENFILENAMEA ofn;
    char title[64];
    BOOL chosen;
    strncpy(title, LoadResString(data ? IDS_SAVE_PROFILE : IDS_SAVE_STATISTICS), sizeof title - 1);
    title[sizeof title - 1] = 0;
    strcpy(path, data ? "profile" : "profstat");
    memset(&ofn, 0, sizeof ofn);
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = window;
    ofn.hInstance = moduleInstance;
    ofn.lpstrFilter = "ASCII File (*.HST)\0*.hst\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = ".";
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = "HST";
    ofn.Flags = SAVE_DIALOG_FLAGS;
    ofn.lpfnHook = dlgFileProfOptions;
    EnableWindow(window, FALSE);
    chosen = GetSaveFileNameA(&ofn);
    EnableWindow(window, TRUE);
    return chosen != 0;
}

/* "+S_DATA+S_APPEND+..." with its first "+" made a blank, as the statement shows it. */
static void SaveOptionsText(WORD flags, char *text) {
    text[0] = 0;
    strcat(text, (flags & S_STATS) ? "+S_STATS" : "+S_DATA");
    if (flags & S_APPEND) strcat(text, "+S_APPEND");
    if (flags & S_HEADER) strcat(text, "+S_HEADER");
    if (flags & S_LEGEND) strcat(text, "+S_LEGEND");
    if ((flags & S_X_AXIS) && !(flags & S_STATS)) strcat(text, "+S_X_AXIS");
    if (text[0] == '+') text[0] = ' ';
}

static INT_PTR SaveToFile(HWND window, struct ProfileRecord *record, WORD id) {
    int data = id == IDM_DATA_TO_FILE || id == IDM_APPEND_DATA;
    int append = id == IDM_APPEND_DATA || id == IDM_APPEND_STATS;
    char path[MAX_PATH], options[OPTIONS_TEXT], statement[STATEMENT_TEXT];
    WORD flags;
    saveKindIsData = data ? 1 : 0;
    if (!AskSavePath(window, data, path)) return -1;
    flags = (WORD)((data ? S_DATA : S_STATS) | (append ? S_APPEND : 0) | saveOptions);
    if (data)
        ProfileSaveData(record->hostWnd, path, record, flags);
    else
        ProfileSaveStats(record->hostWnd, path, record, flags);
    SaveOptionsText(flags, options);
    snprintf(statement, sizeof statement, "VoProfSave(\"%s\", %s)", path, options);
    HostRecordStatement(statement);
    return 1;
}

static void GraphToClipboard(HWND window, struct ProfileRecord *record) {
    RECT rect;
    if (!record->chartHandle) return;
    GetClientRect(GetDlgItem(window, IDC_CHART), &rect);
    ChartCopyToClipboard(record->chartHandle, window, &rect);
}

INT_PTR OnFileCommand(HWND window, struct ProfileRecord *record, WORD id) {
    char statement[32];
    switch (id) {
        case IDM_DATA_TO_FILE:
        case IDM_APPEND_DATA:
        case IDM_STATS_TO_FILE:
        case IDM_APPEND_STATS:
            return SaveToFile(window, record, id);
        case IDM_LOAD:
            HostRecordStatement("VoProfLoad(? FileName ?)");
            return 1;
        case IDM_PRINT:
            HostRecordStatement("VoProfPrint()");
            return 1;
        case IDM_CLOSE:
            DestroyWindow(window);
            return 1;
        case IDM_CLIPBOARD:
            ProfileDataToClipboard(window, record, 0);
            HostRecordStatement("VoProfSave(\"\", S_CLIPBOARD)");
            return 1;
        case IDM_DDE:
            ProfileDataToClipboard(window, record, 0);
            TableDdeSend();
            HostRecordStatement("VoProfSave(\"\", S_DDE)");
            return 1;
        case IDM_DDE_OPTIONS:
            EnableWindow(window, FALSE);
            TableDdeOptions(hostWindow);
            EnableWindow(window, TRUE);
            return 1;
        case IDM_GRAPH_TO_CLIPBOARD:
            GraphToClipboard(window, record);
            return 1;
        case IDM_TABLE:
            if (!record->chartHandle) return 1;
            ProfileSwitchTable(window, record, !record->tableOn);
            snprintf(statement, sizeof statement, "VoProfSetAttr(GRID, %d)", (int)record->tableOn);
            HostRecordStatement(statement);
            return 1;
        default:
            return 0;
    }
}
