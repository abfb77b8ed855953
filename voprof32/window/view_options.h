/* The colour model and the calibration switches, from the menu and from macros. */
#ifndef VOPROF32_WINDOW_VIEW_OPTIONS_H
#define VOPROF32_WINDOW_VIEW_OPTIONS_H

#include <windows.h>

struct ProfileRecord;

void SetColorModel(HWND window, struct ProfileRecord *record, DWORD model);
void SetSpatialCal(HWND window, struct ProfileRecord *record, DWORD on);
void SetIntensityCal(HWND window, struct ProfileRecord *record, DWORD on);
/* 1 when the command is one of these menu items (and has been carried out). */
int OnViewOptionCommand(HWND window, struct ProfileRecord *record, WORD id);

#endif /* VOPROF32_WINDOW_VIEW_OPTIONS_H */
