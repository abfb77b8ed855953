/*
 * Macro command execution: each recorded profile statement reaches the module
 * as a command code with its arguments when the host plays a macro back, and
 * repeats what the user did on the current profile.
 */
#include <stdio.h>
#include <string.h>

#include <chartw32.h>
#include <roikit32.h>
#include <tablew32.h>

#include "chart/profile_chart.h"
#include "export/clipboard_export.h"
#include "export/data_file.h"
#include "frame/exports.h"
#include "frame/macro_codes.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"
#include "host/host_services.h"
#include "overlay/geometry.h"
#include "overlay/overlay.h"
#include "sampling/profile_prepare.h"
#include "sampling/profile_sampling.h"
#include "sampling/statistics.h"
#include "sampling/stats_display.h"
#include "window/geometry_commands.h"
#include "window/profile_view.h"
#include "window/reference_freeze.h"
#include "window/view_options.h"
#include "window/window_layout.h"

#define ARG(i) ((LONG)args[i])
#define ARG16(i) ((LONG)(WORD)args[i])

static LONG CreateProfile(HWND host, LONG *extra) {
    LONG aoi[4] = {0, 0, 0, 0};
    LONG imageId = (LONG)HostQueryCall(QueryActiveImage, 0), area;
    if (imageId < 0) return -1000;
    HostQueryCall(QueryImageAoi, (LPARAM)aoi);
    area = AoiForImage(imageId, 1, aoi);
    if (!InterfaceFunction(0, host, 0, area, 0, 0, extra ? *extra : 0)) return -1;
    return currentIndex;
}

static LONG LineMove(struct ProfileRecord *record, int interactive) {
    LONG r[4];
    RECT client;
    POINT corners[2];
    int visible = 1;
    if (!record->imageWnd) return -6;
    if (interactive) {
        GetClientRect(record->imageWnd, &client);
        memcpy(corners, lastGeometry, sizeof corners);
        ImageToWindow(record->imageWnd, corners, corners, 2);
        r[0] = corners[0].x, r[1] = corners[0].y, r[2] = corners[1].x, r[3] = corners[1].y;
        NormaliseRect(r);
        if (r[0] < client.left || r[2] > client.right || r[1] < client.top || r[3] > client.bottom) {
            /* Not fully visible: the user places the line instead. */
            memcpy(lastGeometry, record->geometry, sizeof lastGeometry);
            visible = 0;
        }
    }
    if (visible) {
        RECT old;
        memcpy(corners, record->geometry, sizeof corners);
        ImageToWindow(record->imageWnd, corners, corners, 2);
        r[0] = corners[0].x, r[1] = corners[0].y, r[2] = corners[1].x, r[3] = corners[1].y;
        NormaliseRect(r);
        SetRect(&old, r[0] - 10, r[1] - 10, r[2] + 10, r[3] + 10);
        InvalidateRect(record->imageWnd, &old, FALSE);
    }
    memcpy(r, lastGeometry, sizeof r);
    if (!ProfilePrepare(record, r)) return -1000;
    record->overlayHidden = 0;
    ProfileDrawOverlay(record);
    ProfileReread(record->profileWnd, record, 0, 1);
    if (interactive) HostShowPrompt(LoadResString(IDS_POSITION_PROFILE));
    return 0;
}

/* A played-back polyline: its vertices become the finished free-form geometry.
 * When the profile is already free-form the new polyline is adopted and read
 * here, since switching to the type it already has changes nothing. */
static LONG SetFreeformPoints(struct ProfileRecord *record, const POINT *points, LONG count) {
    WORD n = (WORD)count, i, oldCount = record->freeformCount;
    POINT *old;
    if (n > FREEFORM_MAX_POINTS) n = FREEFORM_MAX_POINTS;
    if (n && !points) return -5;
    /* A polyline whose profile would not fit is refused and the previous one kept. */
    old = (POINT *)MemAllocBlock(MEMBLOCK_MOVEABLE, (DWORD)(oldCount + 1) * sizeof(POINT));
    if (!old) return -1000;
    memcpy(old, record->freeformPoints, (size_t)oldCount * sizeof(POINT));
    for (i = 0; i < n; i++) record->freeformPoints[i] = points[i];
    record->freeformCount = n;
    if (n && !ProfileFreeformFits(record)) {
        memcpy(record->freeformPoints, old, (size_t)oldCount * sizeof(POINT));
        record->freeformCount = oldCount;
        MemFreeBlock(old);
        return -1000;
    }
    MemFreeBlock(old);
    record->freeformState = 2;
    record->dragging = 0;
    if (record->geometryCtlId != GEOMETRY_FREEFORM) {
        SetGeometryType(record->profileWnd, record, GEOMETRY_FREEFORM);
        return 0;
    }
    ProfileChartCreate(record);
    EnableWindow(GetDlgItem(record->profileWnd, IDC_DELETE_FREEFORM), TRUE);
    ProfilePrepare(record, record->geometry);
    ProfileReread(record->profileWnd, record, 0, 1);
    InvalidateRect(record->imageWnd, 0, FALSE);
    return 0;
}

static LONG SetAttribute(struct ProfileRecord *record, const LONG_PTR *args) {
    LONG attribute = ARG16(1), value = ARG16(2);
    switch (attribute) {
        case ATTR_AUTOUPDATE:
            record->autoUpdate = (DWORD)value;
            if (value) {
                ProfileReread(record->profileWnd, record, 1, 1);
            }
            return 0;
        case ATTR_LINETYPE:
            if (value <= 2) {
                SetThickMode(record->profileWnd, record, (WORD)value);
                return 0;
            }
            /* Values that are neither a thick mode nor a thick function change nothing. */
            if (record->thickFunction == value || value > 4) return 0;
            record->thickFunction = (WORD)value;
            ProfileReread(record->profileWnd, record, 0, 1);
            return 0;
        case ATTR_ORIGIN:
            record->fullScale = (DWORD)value;
            RefreshProfileView(record->profileWnd, 0);
            return 0;
        case ATTR_REFERENCE:
            ProfileSetReference(record, (DWORD)value, 0);
            ProfileReread(record->profileWnd, record, 0, 1);
            return 0;
        case ATTR_FREEZE:
            ProfileSetFreeze(record, (DWORD)value, 0);
            ProfileReread(record->profileWnd, record, 0, 0);
            return 0;
        case ATTR_CHANNEL1:
        case ATTR_CHANNEL2:
        case ATTR_CHANNEL3:
            if (record->livePlots[attribute - ATTR_CHANNEL1])
                PlotAttr(record->livePlots[attribute - ATTR_CHANNEL1], CHARTATTR_SET | PLOTATTR_SHOWN, value,
                         0, 0);
            RefreshProfileView(record->profileWnd, 0);
            return 0;
        case ATTR_LINEGEOMETRY:
            if (value == GEOMETRY_FREEFORM)
                return SetFreeformPoints(record, (const POINT *)args[3], ARG16(4));
            SetGeometryType(record->profileWnd, record, (WORD)value);
            return 0;
        case ATTR_STATISTICS:
            if (value <= 2) SetStatsMode(record->profileWnd, record, (WORD)value);
            return 0;
        case ATTR_GRID:
            ProfileSwitchTable(record->profileWnd, record, value != 0);
            return 0;
        case ATTR_COLORMODEL:
            SetColorModel(record->profileWnd, record, (DWORD)value + 1);
            return 0;
        case ATTR_SCAL:
            SetSpatialCal(record->profileWnd, record, (DWORD)value);
            return 0;
        case ATTR_ICAL:
            SetIntensityCal(record->profileWnd, record, (DWORD)value);
            return 0;
        default:
            return 0;
    }
}

/* The menu command that saves with these flags through the Save dialog. */
static WORD SaveCommand(WORD flags) {
    if (flags & S_DATA) return (flags & S_APPEND) ? IDM_APPEND_DATA : IDM_DATA_TO_FILE;
    return (flags & S_APPEND) ? IDM_APPEND_STATS : IDM_STATS_TO_FILE;
}

/* The clipboard and the spreadsheet link take data; a file takes data unless
 * the flags ask for statistics (or say not to add the data bit). */
static LONG SaveProfile(HWND host, struct ProfileRecord *record, const char *path, WORD flags,
                        int interactive) {
    if (flags & (S_CLIPBOARD | S_DDE)) {
        ProfileDataToClipboard(record->profileWnd, record, flags);
        if (flags & S_DDE) TableDdeSend();
        return 0;
    }
    if (!(flags & (S_STATS | S_NODEFAULT))) flags |= S_DATA;
    if (interactive) {
        SendMessageA(record->profileWnd, WM_COMMAND, SaveCommand(flags), 0);
        return 0;
    }
    if (!path) return 0;
    if (flags & S_DATA)
        ProfileSaveData(host, path, record, flags);
    else
        ProfileSaveStats(host, path, record, flags);
    return 0;
}

VOPROF_EXPORT LONG WINAPI MacroExecFunction(HWND host, WORD code, LONG_PTR *args, LONG *extra) {
    struct ProfileRecord *record;
    int interactive;
    hostWindow = host;
    if (code == PROFCMD_LINEMOVE) {
        lastGeometry[0] = ARG16(1), lastGeometry[1] = ARG16(2), lastGeometry[2] = ARG16(3),
        lastGeometry[3] = ARG16(4);
    }
    record = CurrentProfile();
    if (code != PROFCMD_CREATE && !(code == PROFCMD_GETDATA && ARG(1) == PROFDATA_CURRENT) && !record)
        return -1000;
    interactive = (WORD)HostQueryCall(QueryInteractive, 0) != 0;
    switch (code) {
        case PROFCMD_CREATE:
            return CreateProfile(host, extra);
        case PROFCMD_DESTROY:
            SendMessageA(record->profileWnd, WM_CLOSE, 0, 0);
            return 0;
        case PROFCMD_LINEMOVE:
            return LineMove(record, interactive);
        case PROFCMD_MAXIMIZE:
            ShowWindow(record->profileWnd, SW_SHOWMAXIMIZED);
            return 0;
        case PROFCMD_MINIMIZE:
            ShowWindow(record->profileWnd, SW_SHOWMINIMIZED);
            return 0;
        case PROFCMD_MOVE:
            SetWindowPos(record->profileWnd, 0, ARG16(1), ARG16(2), 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        case PROFCMD_NOTHING:
            return 0;
        case PROFCMD_RESTORE:
            ShowWindow(record->profileWnd, SW_RESTORE);
            return 0;
        case PROFCMD_SAVE:
            return SaveProfile(host, record, (const char *)args[1], (WORD)ARG16(2), interactive);
        case PROFCMD_SELECT: {
            LONG slot = ARG16(1);
            if (slot >= PROFILE_SLOTS) return -7;
            if (!profileSlots[slot] || !profileSlots[slot]->profileWnd) return -2;
            currentIndex = slot;
            SetActiveWindow(profileSlots[slot]->profileWnd);
            return 0;
        }
        case PROFCMD_SETATTR:
            return SetAttribute(record, args);
        case PROFCMD_SIZE:
            SetWindowPos(record->profileWnd, 0, 0, 0, ARG16(1), ARG16(2),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        case PROFCMD_UPDATE:
            ProfileReread(record->profileWnd, record, 1, 1);
            if (!IsIconic(record->profileWnd)) UpdateWindow(record->profileWnd);
            return 0;
        case PROFCMD_GETDATA:
            /* PROFDATA_CURRENT needs no profile; the others have one by now. */
            return ProfileGetData(record, ARG(1), ARG(2), (void *)args[3]);
        default:
            return -5;
    }
}
