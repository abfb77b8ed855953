/* The statistics column of the profile window: labels, values and the channel button. */
#ifndef VOPROF32_SAMPLING_STATS_DISPLAY_H
#define VOPROF32_SAMPLING_STATS_DISPLAY_H

#include <windows.h>

void ProfileStatsLabels(HWND window);
void ProfileShowStats(HWND window);

#endif /* VOPROF32_SAMPLING_STATS_DISPLAY_H */
