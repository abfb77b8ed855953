/* The profile window's frame: its layout, sizing and moving with their statements, painting, and the
 * statistics column's mode. */
#ifndef VOPROF32_WINDOW_WINDOW_LAYOUT_H
#define VOPROF32_WINDOW_WINDOW_LAYOUT_H

#include <windows.h>

struct ProfileRecord;

/* The window's screen rectangle in the parent's client coordinates. */
void GetChildRect(HWND window, HWND parent, RECT *rect);
/* Lets the chart area follow the window's bottom-right corner. */
void LayoutProfileWindow(HWND window);
/* Mode 0 no statistics, 1 statistics, 2 range/area. */
void SetStatsMode(HWND window, struct ProfileRecord *record, WORD mode);
/* The "Statistics" and "Range/Area" items; 1 when the id is one of them. */
int OnStatsModeCommand(HWND window, struct ProfileRecord *record, WORD id);

INT_PTR OnProfileSize(HWND window, WPARAM kind);
INT_PTR OnProfileMove(HWND window);
INT_PTR OnProfileMinMaxInfo(MINMAXINFO *info);
INT_PTR OnProfileSysCommand(HWND window, WPARAM command);
INT_PTR OnProfilePaint(HWND window);

#endif /* VOPROF32_WINDOW_WINDOW_LAYOUT_H */
