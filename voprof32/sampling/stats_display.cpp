/* The statistics column of the profile window (being written). */
#include "sampling/stats_display.h"

void ProfileStatsLabels(HWND window) {
    (void)window;
}

void ProfileShowStats(HWND window) {
    (void)window;
}
