/*
 * The end of the update chain: after a new reading the chart control is
 * invalidated (it asks the data callback for the points when it paints) and
 * the statistics column is filled again. While the table is shown over the
 * chart, the table is rebuilt instead. Only the chart is invalidated: the
 * panel and the buttons do not change with a reading, and the statistics
 * fields repaint themselves when their text is set.
 */
#include "window/profile_view.h"

#include <tablew32.h>

#include "export/table_view.h"
#include "frame/profile_record.h"
#include "sampling/profile_sampling.h"
#include "sampling/statistics.h"
#include "sampling/stats_display.h"

void RefreshProfileView(HWND window, int rebuild) {
    struct ProfileRecord *record = ProfileFromWindow(window);
    if (!record) return;
    if (record->tableOn) {
        /* The table shows a copy of the samples: only a rebuild brings new ones. */
        if (rebuild) ProfileShowTable(window, record);
        return;
    }
    InvalidateRect(GetDlgItem(window, IDC_CHART), 0, FALSE);
}

void ProfileReplot(HWND window, struct ProfileRecord *record, int rebuild) {
    ProfileStatistics(record);
    RefreshProfileView(window, rebuild);
    ProfileShowStats(window);
}

void ProfileReread(HWND window, struct ProfileRecord *record, int distances, int rebuild) {
    ProfileRead(record);
    if (distances) ProfileDistances(record);
    ProfileReplot(window, record, rebuild);
}

void ProfileReadAndShow(struct ProfileRecord *record) {
    ProfileReread(record->profileWnd, record, 0, 1);
}

void ProfileSwitchTable(HWND window, struct ProfileRecord *record, int on) {
    if (on && !record->tableOn) {
        record->tableOn = 1;
        ProfileShowTable(window, record);
    } else if (!on && record->tableOn) {
        record->tableOn = 0;
        TableClose(GetDlgItem(window, IDC_CHART));
        /* What the table covered is all painted again, not just the chart. */
        InvalidateRect(window, 0, FALSE);
        RefreshProfileView(window, 0);
    }
}
