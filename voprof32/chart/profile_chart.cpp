/*
 * The chart of a profile: one plot per channel of the live profile and one per
 * channel of the frozen profile. Plots never hold data: the chart control
 * calls ProfileDataProc whenever it needs a plot's points or ranges, so a
 * repaint is all it takes to show new samples.
 */
#include "chart/profile_chart.h"

#include <string.h>

#include "frame/profile_record.h"
#include "frame/resource_strings.h"

ChartSpec chartTemplate;
PlotSpec plotTemplates[3];

static const COLORREF kLiveColours[3] = {0x0000FF, 0x00FF00, 0xFF0000};
static const COLORREF kFrozenColours[3] = {0xFF00FF, 0x008000, 0xFFFF00};

/* String ids of the live and frozen names of each colour model, by channel. */
static const WORD kLiveNames[4][3] = {{IDS_RED, IDS_GREEN, IDS_BLUE},
                                      {IDS_HUE, IDS_SATURATION, IDS_INTENSITY},
                                      {IDS_HUE, IDS_SATURATION, IDS_VALUE},
                                      {IDS_YIQ_Y, IDS_YIQ_I, IDS_YIQ_Q}};
static const WORD kFrozenNames[4][3] = {{IDS_RED_FREEZE, IDS_GREEN_FREEZE, IDS_BLUE_FREEZE},
                                        {IDS_HUE_FREEZE, IDS_SATURATION_FREEZE, IDS_INTENSITY_FREEZE},
                                        {IDS_HUE_FREEZE, IDS_SATURATION_FREEZE, IDS_VALUE_FREEZE},
                                        {IDS_Y_FREEZE, IDS_I_FREEZE, IDS_Q_FREEZE}};

static void CopyText(char *to, size_t size, WORD id) {
    strncpy(to, LoadResString(id), size - 1);
    to[size - 1] = 0;
}

void ProfileSetUpTemplates(void) {
    int i;
    CopyText(chartTemplate.title, sizeof chartTemplate.title, IDS_LINE_PROFILE);
    CopyText(chartTemplate.xAxisLabel, sizeof chartTemplate.xAxisLabel, IDS_PIXEL);
    CopyText(chartTemplate.yAxisLabel, sizeof chartTemplate.yAxisLabel, IDS_COUNT);
    CopyText(chartTemplate.legendTitle, sizeof chartTemplate.legendTitle, IDS_LEGEND);
    for (i = 0; i < 3; i++) {
        PlotSpec *t = &plotTemplates[i];
        CopyText(t->name, sizeof t->name, (WORD)(200 + i));
        t->colour = kLiveColours[i];
        t->dataProc = ProfileDataProc;
        t->userValue = (DWORD)i;
        t->shown = 1;
        t->shown2 = 1;
    }
}

static HPLOT AddFrozenPlot(struct ProfileRecord *record, int channel) {
    PlotSpec spec = plotTemplates[channel];
    CopyText(spec.name, sizeof spec.name, (WORD)(1 + channel));
    spec.colour = (channel == 0 && record->imageClass != IMAGECLASS_RGB) ? 0xFF0000 : kFrozenColours[channel];
    spec.style |= PLOTSTYLE_FROZEN;
    spec.userValue |= 0x8000;
    spec.shown = 0;
    spec.shown2 = 0;
    return ChartAddPlot(record->chartHandle, &spec);
}

int ProfileChartCreate(struct ProfileRecord *record) {
    int i, channels = record->imageClass == IMAGECLASS_RGB ? 3 : 1;
    if (record->chartHandle) return 1;
    record->chartHandle = ChartCreate(&chartTemplate);
    if (!record->chartHandle) return 0;
    ChartAttr(record->chartHandle, CHARTATTR_SET | CHARTATTR_RECORD, 0, (LONG_PTR)record, 0);
    for (i = 0; i < channels; i++)
        record->livePlots[i] = ChartAddPlot(record->chartHandle, &plotTemplates[i]);
    for (i = 0; i < channels; i++) record->frozenPlots[i] = AddFrozenPlot(record, i);
    for (i = 0; i < channels; i++) {
        if (!record->livePlots[i] || !record->frozenPlots[i]) {
            ChartDestroy(record->chartHandle);
            record->chartHandle = 0;
            return 0;
        }
    }
    ProfilePlotNames(record);
    return 1;
}

void ProfileChartDestroy(struct ProfileRecord *record) {
    if (!record->chartHandle) return;
    ChartDestroy(record->chartHandle);
    record->chartHandle = 0;
}

void ProfilePlotNames(struct ProfileRecord *record) {
    int i, model = (int)record->colorModel - 1;
    char name[136];
    if (model < 0 || model > 3 || !record->chartHandle) return;
    for (i = 0; i < 3; i++) {
        if (record->livePlots[i]) {
            CopyText(name, sizeof name, kLiveNames[model][i]);
            PlotAttr(record->livePlots[i], CHARTATTR_SET | PLOTATTR_NAME, 0, 0, name);
        }
        if (record->frozenPlots[i]) {
            CopyText(name, sizeof name, kFrozenNames[model][i]);
            PlotAttr(record->frozenPlots[i], CHARTATTR_SET | PLOTATTR_NAME, 0, 0, name);
        }
    }
}

static void MinMax(const double *values, WORD n, double *low, double *high) {
    WORD i;
    if (n == 0) return;
    *low = *high = values[0];
    for (i = 1; i < n; i++) {
        if (values[i] < *low) *low = values[i];
        if (values[i] > *high) *high = values[i];
    }
}

static void FillSeries(PlotSeries *series, const double *data) {
    series->type = data ? PLOTSERIES_DOUBLES : 0;
    series->data = data;
    series->first = 0;
    series->stride = data ? 8 : 0;
    series->reserved[0] = 0.0;
    series->reserved[1] = 0.0;
}

VOPROF_EXPORT PlotDataReply *CALLBACK ProfileDataProc(LONG kind, HPLOT plot, PlotDataReply *reply) {
    HCHART chart = (HCHART)PlotAttr(plot, PLOTATTR_CHART, 0, 0, 0);
    struct ProfileRecord *record = (struct ProfileRecord *)ChartAttr(chart, CHARTATTR_RECORD, 0, 0, 0);
    DWORD user = (DWORD)PlotAttr(plot, PLOTATTR_USER, 0, 0, 0);
    const double *values;
    WORD n;
    if (!record || !reply) return reply;
    n = record->sampleCount;
    reply->count = n;
    values = (user & 0x8000) ? record->frozenSamples : record->samples;
    if (values) values += (size_t)(user & 0x7FFF) * n;
    if (record->distances) MinMax(record->distances, n, &reply->xMin, &reply->xMax);
    if (record->fullScale == 1) {
        reply->yMin = record->valueRangeMin;
        reply->yMax = record->valueRangeMax;
    } else if (values) {
        MinMax(values, n, &reply->yMin, &reply->yMax);
    }
    reply->zero[0] = 0.0;
    reply->zero[1] = 0.0;
    if (kind != PLOTDATA_SERIES) return reply;
    FillSeries(&reply->x, record->distances);
    FillSeries(&reply->y, values);
    FillSeries(&reply->third, 0);
    return reply;
}

/* A range marker is drawn by XOR, so drawing it again at the same index takes
 * it off. Marker 0 always lies on an odd column and marker 1 on an even one,
 * so the two never cancel each other when they meet. */
void ProfileDrawRangeMarker(HDC hdc, struct ProfileRecord *record, int which) {
    LONG area[4] = {0, 0, 0, 0};
    LONG x, right;
    HPEN pen;
    HGDIOBJ old;
    int mix;
    if (!record->chartHandle || record->sampleCount < 2) return;
    ChartAttr(record->chartHandle, CHARTATTR_PLOTAREA, 0, 0, area);
    x = area[0] +
        (LONG)((double)(area[2] - area[0]) * record->rangeMarkers[which] / (record->sampleCount - 1) + 0.5);
    x &= ~1L;
    if (which == 0) x += 1;
    right = which == 0 ? x + 7 : x + 2;
    mix = SetROP2(hdc, R2_XORPEN);
    pen = CreatePen(PS_SOLID, 1, 0xFF00FF);
    old = SelectObject(hdc, pen);
    MoveToEx(hdc, x - 1, area[1], 0);
    LineTo(hdc, x - 1, area[3] + 5);
    MoveToEx(hdc, x + 2, area[1], 0);
    LineTo(hdc, x + 2, area[3] + 5);
    MoveToEx(hdc, x - 6, area[1], 0);
    LineTo(hdc, right, area[1]);
    SelectObject(hdc, old);
    DeleteObject(pen);
    SetROP2(hdc, mix);
}
