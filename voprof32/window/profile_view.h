/* Showing new samples in the profile window: the chart (or table) and the statistics column. */
#ifndef VOPROF32_WINDOW_PROFILE_VIEW_H
#define VOPROF32_WINDOW_PROFILE_VIEW_H

#include <windows.h>

struct ProfileRecord;

/* Invalidates the chart control so that it asks for the points again. */
void RefreshProfileView(HWND window, int rebuild);
/* Reads the profile again and shows it: statistics, chart or table, statistics column. */
/* Statistics, view and statistics column after a new reading. */
void ProfileReplot(HWND window, struct ProfileRecord *record, int rebuild);
/* The profile read again (with its distances when they may have changed) and re-plotted. */
void ProfileReread(HWND window, struct ProfileRecord *record, int distances, int rebuild);
void ProfileReadAndShow(struct ProfileRecord *record);
/* The table over the chart on or off; nothing when it already is. */
void ProfileSwitchTable(HWND window, struct ProfileRecord *record, int on);

#endif /* VOPROF32_WINDOW_PROFILE_VIEW_H */
