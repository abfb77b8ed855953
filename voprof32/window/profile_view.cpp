/*
 * The end of the update chain: after a new reading the chart control is
 * invalidated (it asks the data callback for the points when it paints) and
 * the statistics column is filled again.
 */
#include "window/profile_view.h"

#include "frame/profile_record.h"
#include "sampling/profile_sampling.h"
#include "sampling/statistics.h"
#include "sampling/stats_display.h"

void RefreshProfileView(HWND window, int rebuild) {
    struct ProfileRecord *record = ProfileFromWindow(window);
    (void)rebuild; /* the table view, rebuilt here when shown, comes with the table work */
    if (!record || record->tableOn) return;
    InvalidateRect(GetDlgItem(window, IDC_CHART), 0, FALSE);
    InvalidateRect(window, 0, FALSE);
}

void ProfileReadAndShow(struct ProfileRecord *record) {
    ProfileRead(record);
    ProfileStatistics(record);
    RefreshProfileView(record->profileWnd, 1);
    ProfileShowStats(record->profileWnd);
}
