/*
 * The Color and Report menus' options: the colour model and the channels
 * shown, the plot order, the calibration switches, freezing, the band's
 * function, full scale and updating. Each changes the record, reads the
 * profile again where the values change, and records the statement that
 * repeats it. Commands that act on the chart do nothing while there is none
 * (a free-form profile before its polyline is finished).
 */
#include "window/view_options.h"

#include <stdio.h>

#include <chartw32.h>

#include "chart/profile_chart.h"
#include "frame/exports.h"
#include "frame/profile_record.h"
#include "sampling/profile_prepare.h"
#include "host/host_services.h"
#include "sampling/profile_sampling.h"
#include "sampling/statistics.h"
#include "sampling/stats_display.h"
#include "window/profile_view.h"
#include "window/reference_freeze.h"

/* The chart's axes that show calibrated units. */
#define AXIS_VALUE 0
#define AXIS_DISTANCE 1

void SetColorModel(HWND window, struct ProfileRecord *record, DWORD model) {
    if (model == record->colorModel) return;
    record->colorModel = model;
    ProfilePlotNames(record);
    ProfileReread(window, record, 0, 1);
}

void SetSpatialCal(HWND window, struct ProfileRecord *record, DWORD on) {
    record->spatialCalOn = on;
    if (record->chartHandle)
        ChartAttr(record->chartHandle, CHARTATTR_SET | CHARTATTR_CALIBRATED, AXIS_DISTANCE, on ? 1 : 0, 0);
    ProfileReread(window, record, 1, 1);
}

void SetIntensityCal(HWND window, struct ProfileRecord *record, DWORD on) {
    record->intensityCalOn = on;
    if (record->chartHandle)
        ChartAttr(record->chartHandle, CHARTATTR_SET | CHARTATTR_CALIBRATED, AXIS_VALUE, on ? 1 : 0, 0);
    ProfileReread(window, record, 1, 1);
}

static void RecordSetting(const char *keyword, DWORD value) {
    char statement[64];
    snprintf(statement, sizeof statement, "VoProfSetAttr(%s, %d)", keyword, (int)value);
    HostRecordStatement(statement);
}

/* Channel k shown or hidden: the statement names CHANNEL1 to CHANNEL3. */
static void ToggleChannel(HWND window, struct ProfileRecord *record, int k) {
    char statement[64];
    HPLOT plot = record->livePlots[k];
    LONG_PTR shown = plot ? !PlotAttr(plot, PLOTATTR_SHOWN, 0, 0, 0) : 0;
    snprintf(statement, sizeof statement, "VoProfSetAttr(CHANNEL%d, %d)", k + 1, (int)shown);
    HostRecordStatement(statement);
    if (plot) PlotAttr(plot, CHARTATTR_SET | PLOTATTR_SHOWN, shown, 0, 0);
    RefreshProfileView(window, 0);
}

/* Adopts the geometry again (the image may have changed under it); recorded only when it could be. */
static void Update(HWND window, struct ProfileRecord *record) {
    if (!ProfilePrepare(record, record->geometry)) return;
    ProfileReread(window, record, 1, 1);
    HostRecordStatement("VoProfUpdate()");
}

static void ToggleAutoUpdate(HWND window, struct ProfileRecord *record) {
    record->autoUpdate = !record->autoUpdate;
    if (record->autoUpdate) {
        ProfileReread(window, record, 1, 1);
    }
    RecordSetting("AUTOUPDATE", record->autoUpdate);
}

static void ToggleFreeze(HWND window, struct ProfileRecord *record) {
    ProfileSetFreeze(record, !record->frozenOn, 0);
    ProfileReread(window, record, 0, 0);
    RecordSetting("FREEZE", record->frozenOn);
}

/* The band's function: 3 average, 4 standard deviation of each column or row. */
static void SetThickFunction(HWND window, struct ProfileRecord *record, WORD function) {
    HostRecordStatement(function == 3 ? "VoProfSetAttr(LINETYPE, THICKAVG)"
                                      : "VoProfSetAttr(LINETYPE, THICKSTDDEV)");
    if (record->thickFunction == function) return;
    record->thickFunction = function;
    ProfileReread(window, record, 0, 1);
}

static void ShowPlotOrder(HWND window, struct ProfileRecord *record) {
    if (DialogBoxParamA(moduleInstance, MAKEINTRESOURCEA(IDD_ORDER), window, ProfileOrderDlgProc,
                        (LPARAM)record) == IDOK)
        ProfileReplot(window, record, 0);
}

static int NeedsChart(WORD id) {
    return id == IDM_ORDER || id == IDM_FREEZE || (id >= IDM_AVERAGE && id <= IDM_FULL_SCALE);
}

static void OnChartOptionCommand(HWND window, struct ProfileRecord *record, WORD id) {
    switch (id) {
        case IDM_ORDER:
            ShowPlotOrder(window, record);
            break;
        case IDM_FREEZE:
            ToggleFreeze(window, record);
            break;
        case IDM_AVERAGE:
        case IDM_STD_DEV:
            SetThickFunction(window, record, id == IDM_AVERAGE ? 3 : 4);
            break;
        case IDM_SPATIAL_CAL:
            SetSpatialCal(window, record, !record->spatialCalOn);
            RecordSetting("SCAL", record->spatialCalOn);
            break;
        case IDM_INTENSITY_CAL:
            SetIntensityCal(window, record, !record->intensityCalOn);
            RecordSetting("ICAL", record->intensityCalOn);
            break;
        case IDM_FULL_SCALE:
            record->fullScale = !record->fullScale;
            RefreshProfileView(window, 0);
            RecordSetting("ORIGIN", record->fullScale);
            break;
        default:
            break;
    }
}

int OnViewOptionCommand(HWND window, struct ProfileRecord *record, WORD id) {
    static const char *const models[] = {"CM_RGB", "CM_HSI", "CM_HSV", "CM_YIQ"};
    char statement[64];
    switch (id) {
        case IDM_RGB:
        case IDM_HSI:
        case IDM_HSV:
        case IDM_YIQ:
            if (record->chartHandle) SetColorModel(window, record, (DWORD)(id - IDM_RGB + 1));
            snprintf(statement, sizeof statement, "VoProfSetAttr(COLORMODEL, %s)", models[id - IDM_RGB]);
            HostRecordStatement(statement);
            return 1;
        case IDM_CHANNEL0:
        case IDM_CHANNEL1:
        case IDM_CHANNEL2:
            ToggleChannel(window, record, id - IDM_CHANNEL0);
            return 1;
        case IDM_UPDATE:
            Update(window, record);
            return 1;
        case IDM_AUTO_UPDATE:
            ToggleAutoUpdate(window, record);
            return 1;
        default:
            if (!NeedsChart(id)) return 0;
            if (record->chartHandle) OnChartOptionCommand(window, record, id);
            return 1;
    }
}
