/*
 * The profile as a table over the chart control: a "Point" column, the
 * distance and one value column per channel, drawn by the host's table
 * control until it is closed.
 */
#ifndef VOPROF32_EXPORT_TABLE_VIEW_H
#define VOPROF32_EXPORT_TABLE_VIEW_H

#include <windows.h>

struct ProfileRecord;

void ProfileShowTable(HWND window, struct ProfileRecord *record);

#endif /* VOPROF32_EXPORT_TABLE_VIEW_H */
