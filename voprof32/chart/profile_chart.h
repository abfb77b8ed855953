/* The profile's chart: its plots, their names, and the data callback. */
#ifndef VOPROF32_CHART_PROFILE_CHART_H
#define VOPROF32_CHART_PROFILE_CHART_H

#include <windows.h>

#include <chartw32.h>

struct ProfileRecord;

/* The module-wide templates, their texts refilled at every creation. */
extern ChartSpec chartTemplate;
extern PlotSpec plotTemplates[3];

void ProfileSetUpTemplates(void);
int ProfileChartCreate(struct ProfileRecord *record);
void ProfileChartDestroy(struct ProfileRecord *record);
void ProfilePlotNames(struct ProfileRecord *record);
/* Range marker 0 or 1 over the plot area of the chart, by XOR. */
void ProfileDrawRangeMarker(HDC hdc, struct ProfileRecord *record, int which);

#include "frame/exports.h"

VOPROF_EXPORT PlotDataReply *CALLBACK ProfileDataProc(LONG kind, HPLOT plot, PlotDataReply *reply);

#endif /* VOPROF32_CHART_PROFILE_CHART_H */
