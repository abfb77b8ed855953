/* The range marks on the image: ticks across the live geometry at the two range markers. */
#ifndef VOPROF32_OVERLAY_RANGE_MARKS_H
#define VOPROF32_OVERLAY_RANGE_MARKS_H

#include <windows.h>

struct ProfileRecord;

#define MARK_FIRST 1
#define MARK_SECOND 2
#define MARK_BOTH 3

/* A tick at right angles to a direction (dx, dy) in window pixels. At a mark's position (x, y) the
 * full tick runs from (x - u, y + v) to (x + u, y - v), the half tick from (x - u, y + v) to (x, y);
 * the black stroke lies one pixel off at (+sx, +sy), the white one at (-sx, -sy). */
struct MarkTick {
    LONG u;
    LONG v;
    LONG sx;
    LONG sy;
};

/* FALSE for the direction (0, 0), which has no tick. */
BOOL MarkTickShape(LONG dx, LONG dy, struct MarkTick *tick);

void ProfileDrawImageMarks(struct ProfileRecord *record);
void InvalidateImageMarks(struct ProfileRecord *record, int which);

/* Both marks on the segment a-b, on the ellipse inscribed in the rectangle a-b (window pixels),
 * or on the live polyline. */
void DrawLineMarks(struct ProfileRecord *record, HDC hdc, POINT a, POINT b);
void DrawCircleMarks(struct ProfileRecord *record, HDC hdc, POINT a, POINT b);
void DrawFreeformMarks(struct ProfileRecord *record, HDC hdc);
void InvalidateLineMarks(struct ProfileRecord *record, POINT a, POINT b, int which);

/* Lists the pixels along a polyline of count points, each segment without its end point (the next
 * segment starts there), the polyline's last point not at all; a segment whose ends coincide lists
 * its point once. A segment is started only while fewer than limit points are listed, and out has
 * room for 2 x limit points, where listing stops. Returns the number listed. */
LONG RasterisePolyline(POINT *out, const POINT *points, LONG limit, LONG count);

#endif /* VOPROF32_OVERLAY_RANGE_MARKS_H */
