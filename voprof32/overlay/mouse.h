/*
 * The mouse and the arrow keys on the image window: dragging the ends, edges
 * or body of a line, band or circle, entering and moving a free-form
 * polyline, the cursor over the geometry, and nudging it with the keys.
 */
#ifndef VOPROF32_OVERLAY_MOUSE_H
#define VOPROF32_OVERLAY_MOUSE_H

#include <windows.h>

struct ProfileRecord;

/* Interactive entry keeps one vertex free of the record's 4,096. */
#define FREEFORM_ENTRY_LIMIT 4095

LRESULT ProfileMouse(struct ProfileRecord *record, LPARAM lParam, UINT message);
LRESULT ProfileMouseMove(struct ProfileRecord *record, DWORD point, LONG windowX, LONG windowY);
LRESULT ProfileMouseDown(struct ProfileRecord *record, DWORD point);
LRESULT ProfileMouseUp(struct ProfileRecord *record, DWORD point);
LRESULT ProfileMouseDoubleClick(struct ProfileRecord *record);
LRESULT ProfileSetCursor(WORD thickMode, WORD hitCode, DWORD dragging, WORD geometryCtlId);
void ProfileNudge(struct ProfileRecord *record, LONG dx, LONG dy);
void ProfileRecordPoints(struct ProfileRecord *record);
void ProfileRecordLineMove(struct ProfileRecord *record);

#endif /* VOPROF32_OVERLAY_MOUSE_H */
