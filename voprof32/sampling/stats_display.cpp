/*
 * The statistics column of the profile window: the labels and values of the
 * whole-profile statistics or of the range between the markers, and on a
 * colour image the name of the channel that they describe.
 */
#include "sampling/stats_display.h"

#include <stdio.h>

#include "export/format_number.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"
#include "sampling/statistics.h"

/* Labels and values alternate down the column, one pair per row; the sixth
 * row is the range percentage, which has a fixed label. */
static const WORD labelControls[5] = {IDC_LABEL1, IDC_LABEL2, IDC_LABEL3, IDC_LABEL4, IDC_LABEL5};
static const WORD valueControls[6] = {IDC_VALUE1, IDC_VALUE2, IDC_VALUE3, IDC_VALUE4, IDC_VALUE5, IDC_VALUE6};
static const WORD statsLabelStrings[5] = {IDS_MEAN, IDS_STDDEV, IDS_Y_MIN, IDS_Y_MAX, IDS_SUM};
static const WORD rangeLabelStrings[5] = {IDS_X1, IDS_Y1, IDS_X2, IDS_Y2, IDS_AREA_LABEL};

void ProfileStatsLabels(HWND window) {
    struct ProfileRecord *record = ProfileFromWindow(window);
    const WORD *strings;
    int i;
    if (!record || record->statsMode == 0) return;
    strings = record->statsMode == 1 ? statsLabelStrings : rangeLabelStrings;
    for (i = 0; i < 5; i++) SetDlgItemTextA(window, labelControls[i], LoadResString(strings[i]));
}

static void ShowChannelName(HWND window, struct ProfileRecord *record) {
    HWND button = GetDlgItem(window, IDC_CHANNEL);
    char name[256];
    LONG model;
    WORD channel;
    if (record->imageClass != IMAGECLASS_RGB) {
        ShowWindow(button, SW_HIDE);
        return;
    }
    ShowWindow(button, SW_SHOW);
    channel = ProfileShownChannel(record);
    /* A model of 0 (never chosen, or an old settings file) reads as RGB. */
    model = (LONG)record->colorModel - 1;
    if (model < 0) model = 0;
    /* Copied out of the shared string buffer before anything else can load a string. */
    snprintf(name, sizeof name, "%s", LoadResString((WORD)(IDS_CHANNEL_NAMES + model * 3 + channel)));
    SetWindowTextA(button, name);
}

void ProfileShowStats(HWND window) {
    struct ProfileRecord *record = ProfileFromWindow(window);
    double values[6];
    char text[32];
    int count, i;
    if (!record || record->statsMode == 0) return;
    /* A free-form line still being drawn has nothing to describe yet; the
     * column keeps the figures of the last finished profile. */
    if (record->geometryCtlId == GEOMETRY_FREEFORM && record->freeformCount < 2) return;
    if (record->statsMode == 1) {
        /* stats holds sum, minimum, maximum, standard deviation, mean */
        values[0] = record->stats[4];
        values[1] = record->stats[3];
        values[2] = record->stats[1];
        values[3] = record->stats[2];
        values[4] = record->stats[0];
        count = 5;
    } else {
        values[0] = record->rangeStats.x1;
        values[1] = record->rangeStats.y1;
        values[2] = record->rangeStats.x2;
        values[3] = record->rangeStats.y2;
        values[4] = record->rangeStats.area;
        values[5] = record->rangeStats.percent;
        count = 6;
    }
    for (i = 0; i < count; i++) SetDlgItemTextA(window, valueControls[i], FormatNumber(values[i], text, 9));
    ShowChannelName(window, record);
}
