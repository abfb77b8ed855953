/*
 * The profile geometry model: rectangle and point helpers, the hit tests that
 * decide which part of a geometry lies under the mouse, and the clamps that
 * keep a dragged or shifted geometry on the image.
 *
 * Hit codes. For the line in every thick mode the code is a bit mask of the
 * coordinates that follow the mouse: 1 x1, 2 y1, 4 x2, 8 y2 (3 the start
 * point, 12 the end point, 15 everything). For the circle 1 to 8 are handle
 * numbers (corners top-left, top-right, bottom-left, bottom-right, then sides
 * left, right, top, bottom) and 15 the whole circle; for the free-form
 * polyline 15 is the whole polyline. 0 is nothing.
 */
#ifndef VOPROF32_OVERLAY_GEOMETRY_H
#define VOPROF32_OVERLAY_GEOMETRY_H

#include <windows.h>

struct ProfileRecord;

#define HIT_NONE 0
#define HIT_ALL 15

/* Set by every line or circle hit test and read by its sub-tests (pixels, 1 to 8). */
extern LONG hitTolerance;

void NormaliseRect(LONG *rect);
void OrderPointsByX(POINT *p, POINT *q);

WORD HitTestLine(const LONG *windowRect, POINT point, WORD thickMode);
WORD HitTestLineNormal(const LONG *windowRect, POINT point);
WORD HitTestBandHorz(const LONG *windowRect, POINT point);
WORD HitTestBandVert(const LONG *windowRect, POINT point);
WORD HitTestCircle(const LONG *windowRect, POINT point);
WORD HitTestFreeform(const LONG *geometry, POINT imagePoint, WORD freeformState);

void ClampDragGeometry(struct ProfileRecord *record);
void ClampFreeformShift(struct ProfileRecord *record, LONG *dx, LONG *dy);

#endif /* VOPROF32_OVERLAY_GEOMETRY_H */
