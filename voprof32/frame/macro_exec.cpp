/*
 * Macro command execution: each recorded profile statement reaches the module
 * as a command code with its arguments when the host plays a macro back, and
 * repeats what the user did on the current profile.
 */
#include <stdio.h>
#include <string.h>

#include <chartw32.h>
#include <roikit32.h>

#include "chart/profile_chart.h"
#include "frame/exports.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"
#include "host/host_services.h"
#include "overlay/geometry.h"
#include "overlay/overlay.h"
#include "sampling/profile_sampling.h"
#include "sampling/statistics.h"
#include "sampling/stats_display.h"
#include "window/geometry_commands.h"
#include "window/profile_window.h"
#include "window/window_layout.h"

#define ARG(i) ((LONG)args[i])
#define ARG16(i) ((LONG)(WORD)args[i])

static struct ProfileRecord *CurrentProfile(void) {
    struct ProfileRecord *record;
    if (currentIndex < 0 || currentIndex >= PROFILE_SLOTS) return 0;
    record = profileSlots[currentIndex];
    return record && record->profileWnd ? record : 0;
}

static void Replot(struct ProfileRecord *record, int rebuild) {
    ProfileStatistics(record);
    RefreshProfileView(record->profileWnd, rebuild);
    ProfileShowStats(record->profileWnd);
}

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
    ProfileRead(record);
    Replot(record, 1);
    if (interactive) HostShowPrompt(LoadResString(7));
    return 0;
}

/* A played-back polyline: its vertices become the finished free-form geometry.
 * When the profile is already free-form the new polyline is adopted and read
 * here, since switching to the type it already has changes nothing. */
static LONG SetFreeformPoints(struct ProfileRecord *record, const POINT *points, LONG count) {
    WORD n = (WORD)count, i;
    if (n > FREEFORM_MAX_POINTS) n = FREEFORM_MAX_POINTS;
    if (n && !points) return -5;
    record->freeformCount = n;
    record->freeformState = 2;
    record->dragging = 0;
    for (i = 0; i < n; i++) record->freeformPoints[i] = points[i];
    if (record->geometryCtlId != GEOMETRY_FREEFORM) {
        SetGeometryType(record->profileWnd, record, GEOMETRY_FREEFORM);
        return 0;
    }
    ProfileChartCreate(record);
    EnableWindow(GetDlgItem(record->profileWnd, 1019), TRUE);
    ProfilePrepare(record, record->geometry);
    ProfileRead(record);
    Replot(record, 1);
    InvalidateRect(record->imageWnd, 0, FALSE);
    return 0;
}

static LONG SetAttribute(struct ProfileRecord *record, const LONG_PTR *args) {
    LONG attribute = ARG16(1), value = ARG16(2);
    switch (attribute) {
        case 102:
            record->autoUpdate = (DWORD)value;
            if (value) {
                ProfileRead(record);
                ProfileDistances(record);
                Replot(record, 1);
            }
            return 0;
        case 106:
            if (value <= 2) {
                SetThickMode(record->profileWnd, record, (WORD)value);
                return 0;
            }
            if (record->thickFunction == value) return 0;
            record->thickFunction = (WORD)value;
            ProfileRead(record);
            Replot(record, 1);
            return 0;
        case 112:
            record->fullScale = (DWORD)value;
            RefreshProfileView(record->profileWnd, 0);
            return 0;
        case 114:
            ProfileSetReference(record, (DWORD)value, 0);
            ProfileRead(record);
            Replot(record, 1);
            return 0;
        case 115:
            ProfileSetFreeze(record, (DWORD)value, 0);
            ProfileRead(record);
            Replot(record, 0);
            return 0;
        case 120:
        case 121:
        case 122:
            if (record->livePlots[attribute - 120])
                PlotAttr(record->livePlots[attribute - 120], 0x8008, value, 0, 0);
            RefreshProfileView(record->profileWnd, 0);
            return 0;
        case 127:
            if (value == GEOMETRY_FREEFORM)
                return SetFreeformPoints(record, (const POINT *)args[3], ARG16(4));
            SetGeometryType(record->profileWnd, record, (WORD)value);
            return 0;
        case 111:
            SetStatsMode(record->profileWnd, record, (WORD)value);
            return 0;
        case 100:
        case 103:
        case 104:
        case 113:
            return -5; /* colour model, calibrations and the table come with their menu commands */
        default:
            return 0;
    }
}

VOPROF_EXPORT LONG WINAPI MacroExecFunction(HWND host, WORD code, LONG_PTR *args, LONG *extra) {
    struct ProfileRecord *record;
    int interactive;
    hostWindow = host;
    if (code == 18020) {
        lastGeometry[0] = ARG16(1), lastGeometry[1] = ARG16(2), lastGeometry[2] = ARG16(3),
        lastGeometry[3] = ARG16(4);
    }
    record = CurrentProfile();
    if (code != 18000 && !(code == 18160 && ARG(1) == 109) && !record) return -1000;
    interactive = (WORD)HostQueryCall(QueryInteractive, 0) != 0;
    switch (code) {
        case 18000:
            return CreateProfile(host, extra);
        case 18010:
            SendMessageA(record->profileWnd, WM_CLOSE, 0, 0);
            return 0;
        case 18020:
            return LineMove(record, interactive);
        case 18050:
            ShowWindow(record->profileWnd, 3);
            return 0;
        case 18060:
            ShowWindow(record->profileWnd, 2);
            return 0;
        case 18070:
            SetWindowPos(record->profileWnd, 0, ARG16(1), ARG16(2), 0, 0, 0x15);
            return 0;
        case 18080:
            return 0;
        case 18090:
            ShowWindow(record->profileWnd, 9);
            return 0;
        case 18110: {
            LONG slot = ARG16(1);
            if (slot > 19) return -7;
            if (!profileSlots[slot] || !profileSlots[slot]->profileWnd) return -2;
            currentIndex = slot;
            SetActiveWindow(profileSlots[slot]->profileWnd);
            return 0;
        }
        case 18120:
            return SetAttribute(record, args);
        case 18140:
            SetWindowPos(record->profileWnd, 0, 0, 0, ARG16(1), ARG16(2), 0x16);
            return 0;
        case 18150:
            ProfileRead(record);
            ProfileDistances(record);
            Replot(record, 1);
            if (!IsIconic(record->profileWnd)) UpdateWindow(record->profileWnd);
            return 0;
        case 18160:
            /* Query 109 needs no profile; the others have one by now. */
            return ProfileGetData(record, ARG(1), ARG(2), (void *)args[3]);
        default:
            return -5;
    }
}
