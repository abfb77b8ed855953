/*
 * The colour model and the calibration switches. Each reads the profile
 * again (the values or the distances change) and rebuilds the view; the
 * menu items record the statement that repeats them.
 */
#include "window/view_options.h"

#include <stdio.h>

#include <chartw32.h>

#include "chart/profile_chart.h"
#include "frame/profile_record.h"
#include "host/host_services.h"
#include "sampling/profile_sampling.h"
#include "sampling/statistics.h"
#include "sampling/stats_display.h"
#include "window/profile_view.h"

/* The chart's axes that show calibrated units. */
#define AXIS_VALUE 0
#define AXIS_DISTANCE 1

static void ReadAndReplot(HWND window, struct ProfileRecord *record) {
    ProfileRead(record);
    ProfileDistances(record);
    ProfileStatistics(record);
    RefreshProfileView(window, 1);
    ProfileShowStats(window);
}

void SetColorModel(HWND window, struct ProfileRecord *record, DWORD model) {
    if (model == record->colorModel) return;
    record->colorModel = model;
    ProfilePlotNames(record);
    ProfileRead(record);
    ProfileStatistics(record);
    RefreshProfileView(window, 1);
    ProfileShowStats(window);
}

void SetSpatialCal(HWND window, struct ProfileRecord *record, DWORD on) {
    record->spatialCalOn = on;
    if (record->chartHandle)
        ChartAttr(record->chartHandle, CHARTATTR_SET | CHARTATTR_CALIBRATED, AXIS_DISTANCE, on ? 1 : 0, 0);
    ReadAndReplot(window, record);
}

void SetIntensityCal(HWND window, struct ProfileRecord *record, DWORD on) {
    record->intensityCalOn = on;
    if (record->chartHandle)
        ChartAttr(record->chartHandle, CHARTATTR_SET | CHARTATTR_CALIBRATED, AXIS_VALUE, on ? 1 : 0, 0);
    ReadAndReplot(window, record);
}

static void RecordSetting(const char *keyword, DWORD value) {
    char statement[64];
    snprintf(statement, sizeof statement, "VoProfSetAttr(%s, %d)", keyword, (int)value);
    HostRecordStatement(statement);
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
        case IDM_SPATIAL_CAL:
            if (!record->chartHandle) return 1;
            SetSpatialCal(window, record, !record->spatialCalOn);
            RecordSetting("SCAL", record->spatialCalOn);
            return 1;
        case IDM_INTENSITY_CAL:
            if (!record->chartHandle) return 1;
            SetIntensityCal(window, record, !record->intensityCalOn);
            RecordSetting("ICAL", record->intensityCalOn);
            return 1;
        default:
            return 0;
    }
}
