/*
 * Dragging the range markers of the range/area mode across the chart. The chart
 * control is a plain static, so the mouse messages over it reach the profile
 * window; positions are in the window's client coordinates. While a marker is
 * dragged the mouse is captured and confined to the plot area, and the
 * marker's mark on the image is off until the button is released.
 */
#include "window/range_marker_drag.h"

#include <chartw32.h>

#include "chart/profile_chart.h"
#include "frame/profile_record.h"
#include "overlay/range_marks.h"
#include "sampling/statistics.h"
#include "sampling/stats_display.h"
#include "window/window_layout.h"

/* The plot area relative to the chart control and the chart control in the window's client coordinates. */
struct ChartPlace {
    LONG plot[4];
    RECT control;
};

static struct ProfileRecord *DraggableProfile(HWND window) {
    struct ProfileRecord *record = ProfileFromWindow(window);
    if (!record || !record->chartHandle || record->tableOn || record->statsMode != 2) return 0;
    /* With fewer than two samples the markers have nowhere to go. */
    if (record->sampleCount < 2) return 0;
    return record;
}

static BOOL GetChartPlace(HWND window, struct ProfileRecord *record, struct ChartPlace *place) {
    ChartAttr(record->chartHandle, CHARTATTR_PLOTAREA, 0, 0, place->plot);
    GetChildRect(GetDlgItem(window, IDC_CHART), window, &place->control);
    return place->plot[2] > place->plot[0];
}

static void MoveMarker(HWND window, struct ProfileRecord *record, const struct ChartPlace *place, LONG x) {
    HWND chart = GetDlgItem(window, IDC_CHART);
    int which = markerHit - 1;
    LONG last = record->sampleCount - 1;
    LONG width = place->plot[2] - place->plot[0];
    LONG index = (LONG)((double)last * (x - place->control.left - place->plot[0]) / width + 0.5);
    HDC hdc = GetDC(chart);
    ProfileDrawRangeMarker(hdc, record, which);
    if (index < 0) index = 0;
    if (index > last) index = last;
    record->rangeMarkers[which] = (DWORD)index;
    ProfileDrawRangeMarker(hdc, record, which);
    ReleaseDC(chart, hdc);
    ProfileRangeArea(record, ProfileShownChannel(record), &record->rangeStats);
    ProfileShowStats(window);
}

static void FindMarker(struct ProfileRecord *record, const struct ChartPlace *place, LONG x, LONG y) {
    LONG width = place->plot[2] - place->plot[0];
    LONG top = place->control.top + place->plot[1], bottom = place->control.top + place->plot[3];
    int i;
    markerHit = 0;
    if (y < top || y > bottom) return;
    for (i = 0; i < 2; i++) {
        LONG mx = place->plot[0] +
                  (LONG)((double)width * record->rangeMarkers[i] / (record->sampleCount - 1) + 0.5) +
                  place->control.left;
        if (x >= mx - 5 && x <= mx + 5) {
            markerHit = (WORD)(i + 1);
            return;
        }
    }
}

INT_PTR OnMarkerMouseMove(HWND window, LPARAM position) {
    struct ProfileRecord *record = DraggableProfile(window);
    struct ChartPlace place;
    /* Read unsigned, as the 16-bit host did; the confinement keeps a drag from going negative. */
    LONG x = LOWORD(position), y = HIWORD(position);
    if (!record || !GetChartPlace(window, record, &place)) {
        /* A marker found before the mode or the view changed is no longer under the mouse; left
         * set it would keep the sizing cursor over the whole window. */
        if (!markerDragging) markerHit = 0;
        return 1;
    }
    if (markerDragging && (markerHit == 1 || markerHit == 2))
        MoveMarker(window, record, &place, x);
    else
        FindMarker(record, &place, x, y);
    return 1;
}

INT_PTR OnMarkerButtonDown(HWND window) {
    struct ProfileRecord *record = DraggableProfile(window);
    struct ChartPlace place;
    POINT corners[2];
    RECT clip;
    if (markerHit == 0 || !record || !GetChartPlace(window, record, &place)) return 1;
    SetCapture(window);
    corners[0].x = place.control.left + place.plot[0], corners[0].y = place.control.top + place.plot[1];
    corners[1].x = place.control.left + place.plot[2], corners[1].y = place.control.top + place.plot[3];
    ClientToScreen(window, &corners[0]);
    ClientToScreen(window, &corners[1]);
    /* One pixel wider so that the pointer can reach the plot's last column, where the last sample
     * lies. */
    SetRect(&clip, corners[0].x, corners[0].y, corners[1].x + 1, corners[1].y);
    ClipCursor(&clip);
    markerDragging = 1;
    InvalidateImageMarks(record, markerHit);
    return 1;
}

INT_PTR OnMarkerButtonUp(HWND window) {
    struct ProfileRecord *record = ProfileFromWindow(window);
    if (!markerDragging) return 1;
    if (record) ProfileDrawImageMarks(record);
    ReleaseCapture();
    ClipCursor(0);
    markerDragging = 0;
    return 1;
}

INT_PTR OnMarkerSetCursor(HWND window) {
    if (markerHit == 0 && !markerDragging) return 0;
    SetCursor(LoadCursorA(0, IDC_SIZEWE));
    /* Over the chart control the static asks its parent first and sets its own cursor unless told the
     * parent has set one. */
    SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
    return 1;
}
