/* Dragging the two range markers across the chart with the left button. */
#ifndef VOPROF32_WINDOW_RANGE_MARKER_DRAG_H
#define VOPROF32_WINDOW_RANGE_MARKER_DRAG_H

#include <windows.h>

/* Mouse positions are in the profile window's client coordinates. */
INT_PTR OnMarkerMouseMove(HWND window, LPARAM position);
INT_PTR OnMarkerButtonDown(HWND window);
INT_PTR OnMarkerButtonUp(HWND window);
INT_PTR OnMarkerSetCursor(HWND window);

#endif /* VOPROF32_WINDOW_RANGE_MARKER_DRAG_H */
