/* The profile window (dialog 100) and the updates that show new samples in it. */
#ifndef VOPROF32_WINDOW_PROFILE_WINDOW_H
#define VOPROF32_WINDOW_PROFILE_WINDOW_H

#include <windows.h>

struct ProfileRecord;

struct ProfileRecord *ProfileFromWindow(HWND window);
void RefreshProfileView(HWND window, int rebuild);
/* Reads the profile again and shows it: statistics, chart or table, statistics column. */
void ProfileReadAndShow(struct ProfileRecord *record);

#endif /* VOPROF32_WINDOW_PROFILE_WINDOW_H */
