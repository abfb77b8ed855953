/* Drawing the geometry over the image window and erasing it. */
#ifndef VOPROF32_OVERLAY_OVERLAY_H
#define VOPROF32_OVERLAY_OVERLAY_H

#include <windows.h>

struct ProfileRecord;

/* Instances and their pen styles: 0 live (solid), 1 reference (dashed), 2 frozen (dotted). */
void ProfileDrawOverlay(struct ProfileRecord *record);
void ProfileEraseOverlay(struct ProfileRecord *record);
void ProfileHideLiveOverlay(struct ProfileRecord *record);
void InvalidateGeometry(HWND window, const LONG *geometry, WORD thickMode, int instance);
void InvalidateSegment(HWND window, POINT a, POINT b, int instance);
void DrawLineGeometry(struct ProfileRecord *record, HDC hdc, const LONG *geometry, WORD thickMode,
                      int instance);
void DrawCircleGeometry(struct ProfileRecord *record, HDC hdc, const LONG *geometry, int instance);
void DrawFreeformGeometry(struct ProfileRecord *record, HDC hdc, const POINT *vertices, int instance);
void DrawOutlinedSegment(HDC hdc, POINT a, POINT b, int style);
void DrawOutlinedEllipse(HDC hdc, POINT a, POINT b, int style);
void DrawDragShape(struct ProfileRecord *record);
void DrawFreeformSegment(HWND window, HDC hdc, POINT a, POINT b, int fixed);

#endif /* VOPROF32_OVERLAY_OVERLAY_H */
