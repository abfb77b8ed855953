/*
 * The mouse and the arrow keys on the image window.
 *
 * A hovering move hit-tests the live geometry and keeps the hit code; a press
 * on something starts a drag of a copy of the geometry (dragGeometry), drawn
 * inverted at each step so the image is never repainted during the drag; the
 * release adopts the copy, reads the profile again and records the move.
 * A free-form polyline is entered vertex by vertex: presses and moves with
 * the button held add vertices, moves with the button up show a rubber
 * segment, a double-click finishes it. Mouse positions arrive in window
 * coordinates and are turned into image coordinates, packed x low, y high.
 */
#include "overlay/mouse.h"

#include <stdio.h>
#include <string.h>

#include <miscfn32.h>

#include "chart/profile_chart.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"
#include "host/host_services.h"
#include "overlay/geometry.h"
#include "overlay/overlay.h"
#include "sampling/profile_prepare.h"
#include "sampling/profile_sampling.h"
#include "window/profile_view.h"

static int ShiftDown(void) {
    return GetKeyState(VK_SHIFT) < 0;
}

static POINT Unpack(DWORD point) {
    POINT p = {(LONG)LOWORD(point), (LONG)HIWORD(point)};
    return p;
}

/* The mouse is kept inside the image window from a press to its release, so
 * that every move and the release of a drag reach the hook. */
static void TakeMouse(HWND window) {
    RECT client;
    POINT corners[2];
    SetCapture(window);
    GetClientRect(window, &client);
    corners[0].x = client.left, corners[0].y = client.top;
    corners[1].x = client.right, corners[1].y = client.bottom;
    ClientToScreen(window, &corners[0]);
    ClientToScreen(window, &corners[1]);
    SetRect(&client, corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    ClipCursor(&client);
}

static void FreeMouse(void) {
    ClipCursor(0);
    ReleaseCapture();
}

void ProfileRecordLineMove(struct ProfileRecord *record) {
    char statement[96];
    snprintf(statement, sizeof statement, "VoProfLineMove(%d, %d, %d, %d)", (int)record->geometry[0],
             (int)record->geometry[1], (int)record->geometry[2], (int)record->geometry[3]);
    HostRecordStatement(statement);
}

/* ---- hovering and drag steps ---- */

static void HoverHitTest(struct ProfileRecord *record, POINT imagePoint, POINT windowPoint) {
    POINT c[2] = {{record->geometry[0], record->geometry[1]}, {record->geometry[2], record->geometry[3]}};
    LONG rect[4];
    ImageToWindow(record->imageWnd, c, c, 2);
    rect[0] = c[0].x, rect[1] = c[0].y, rect[2] = c[1].x, rect[3] = c[1].y;
    if (record->geometryCtlId == GEOMETRY_LINE)
        record->hitCode = HitTestLine(rect, windowPoint, record->thickMode);
    else if (record->geometryCtlId == GEOMETRY_CIRCLE)
        record->hitCode = HitTestCircle(rect, windowPoint);
    else if (record->geometryCtlId == GEOMETRY_FREEFORM)
        record->hitCode = HitTestFreeform(record->geometry, imagePoint, record->freeformState);
}

/* One step of a circle drag. Handles 1 to 4 are the corners top-left,
 * top-right, bottom-left, bottom-right, 5 to 8 the sides left, right, top,
 * bottom; with Shift a corner keeps the rectangle square, its width being the
 * measure. */
static void StepCircle(LONG *g, WORD hitCode, LONG dx, LONG dy, int square) {
    /* Which of x1, y1, x2, y2 follow the mouse for each handle. */
    static const BYTE follows[9][4] = {{0, 0, 0, 0}, {1, 1, 0, 0}, {0, 1, 1, 0}, {1, 0, 0, 1}, {0, 0, 1, 1},
                                       {1, 0, 0, 0}, {0, 0, 1, 0}, {0, 1, 0, 0}, {0, 0, 0, 1}};
    const BYTE *f;
    if (hitCode == HIT_ALL) {
        g[0] += dx, g[1] += dy, g[2] += dx, g[3] += dy;
        return;
    }
    if (hitCode > 8) return;
    f = follows[hitCode];
    g[0] += f[0] * dx, g[2] += f[2] * dx;
    if (square && hitCode <= 4) {
        if (f[1])
            g[1] = g[3] - (g[2] - g[0]);
        else
            g[3] = g[1] + (g[2] - g[0]);
    } else {
        g[1] += f[1] * dy, g[3] += f[3] * dy;
    }
}

static void StepLine(LONG *g, WORD hitCode, LONG dx, LONG dy) {
    if (hitCode & 1) g[0] += dx;
    if (hitCode & 2) g[1] += dy;
    if (hitCode & 4) g[2] += dx;
    if (hitCode & 8) g[3] += dy;
}

static void DragStepShape(struct ProfileRecord *record, LONG dx, LONG dy) {
    DrawDragShape(record);
    if (record->geometryCtlId == GEOMETRY_LINE) {
        /* With Shift a band only moves or grows across the profile. */
        if (ShiftDown() && record->thickMode == 1) dx = 0;
        if (ShiftDown() && record->thickMode == 2) dy = 0;
        StepLine(record->dragGeometry, record->hitCode, dx, dy);
    } else {
        StepCircle(record->dragGeometry, record->hitCode, dx, dy, ShiftDown());
    }
    ClampDragGeometry(record);
    DrawDragShape(record);
}

static void MoveFinishedPolyline(struct ProfileRecord *record, LONG dx, LONG dy) {
    WORD i;
    DrawDragShape(record);
    ClampFreeformShift(record, &dx, &dy);
    for (i = 0; i < record->freeformCount; i++) {
        record->freeformPoints[i].x += dx;
        record->freeformPoints[i].y += dy;
    }
    DrawDragShape(record);
}

static void AppendVertex(struct ProfileRecord *record, POINT p) {
    if (record->freeformCount < FREEFORM_ENTRY_LIMIT) record->freeformPoints[record->freeformCount++] = p;
}

static void FreeformStep(struct ProfileRecord *record, DWORD point, LONG dx, LONG dy) {
    HDC hdc = GetDC(record->imageWnd);
    if (!hdc) return;
    if (record->freeformButtonDown && record->freeformState != 1) {
        MoveFinishedPolyline(record, dx, dy);
        record->lastMousePos = point;
        record->freeformAnchor = record->freeformCursor;
    } else if (record->freeformButtonDown) {
        /* Drawing with the button held: the rubber segment becomes a fixed red one. */
        DrawFreeformSegment(record->imageWnd, hdc, record->freeformAnchor, record->freeformCursor, 0);
        record->freeformCursor = Unpack(point);
        DrawFreeformSegment(record->imageWnd, hdc, record->freeformAnchor, record->freeformCursor, 1);
        AppendVertex(record, record->freeformCursor);
        record->freeformAnchor = record->freeformCursor;
    } else if (record->freeformCount != 0 && record->freeformState != 2) {
        if (record->freeformRubberShown)
            DrawFreeformSegment(record->imageWnd, hdc, record->freeformAnchor, record->freeformCursor, 0);
        record->freeformCursor = Unpack(point);
        DrawFreeformSegment(record->imageWnd, hdc, record->freeformAnchor, record->freeformCursor, 0);
        record->freeformRubberShown = 1;
    }
    ReleaseDC(record->imageWnd, hdc);
}

LRESULT ProfileMouseMove(struct ProfileRecord *record, DWORD point, LONG windowX, LONG windowY) {
    LONG dx, dy;
    if (!record->dragging) {
        POINT windowPoint = {windowX, windowY};
        HoverHitTest(record, Unpack(point), windowPoint);
        return 0; /* the host goes on with its own handling of the move */
    }
    dx = (LONG)LOWORD(point) - (LONG)LOWORD(record->lastMousePos);
    dy = (LONG)HIWORD(point) - (LONG)HIWORD(record->lastMousePos);
    if (record->geometryCtlId == GEOMETRY_FREEFORM) {
        FreeformStep(record, point, dx, dy);
        return 1;
    }
    DragStepShape(record, dx, dy);
    record->lastMousePos = point;
    return 1;
}

/* ---- press, release, double-click ---- */

static void BeginShapeDrag(struct ProfileRecord *record, DWORD point) {
    record->lastMousePos = point;
    record->dragging = 1;
    record->overlayHidden = 1;
    ProfileHideLiveOverlay(record);
    memcpy(record->dragGeometry, record->geometry, sizeof record->dragGeometry);
    DrawDragShape(record);
}

static LRESULT FreeformDown(struct ProfileRecord *record, DWORD point) {
    POINT p = Unpack(point);
    record->freeformCursor = p;
    if (record->freeformState == 0) {
        record->freeformButtonDown = 1, record->dragging = 1;
        record->freeformState = 1;
        record->freeformCount = 1;
        record->freeformPoints[0] = p;
    } else if (record->freeformState == 1) {
        HDC hdc = GetDC(record->imageWnd);
        record->freeformButtonDown = 1, record->dragging = 1;
        if (hdc) {
            DrawFreeformSegment(record->imageWnd, hdc, record->freeformAnchor, p, 1);
            ReleaseDC(record->imageWnd, hdc);
        }
        AppendVertex(record, p);
    } else {
        if (record->hitCode == HIT_NONE) {
            FreeMouse();
            return 0;
        }
        record->freeformButtonDown = 1, record->dragging = 1;
        record->overlayHidden = 1;
        InvalidateRect(record->imageWnd, 0, FALSE);
        ProfileHideLiveOverlay(record);
        DrawDragShape(record);
    }
    record->lastMousePos = point;
    record->freeformAnchor = p;
    record->freeformRubberShown = 1;
    return 1;
}

LRESULT ProfileMouseDown(struct ProfileRecord *record, DWORD point) {
    TakeMouse(record->imageWnd);
    if (record->geometryCtlId == GEOMETRY_FREEFORM) return FreeformDown(record, point);
    if (record->hitCode == HIT_NONE) {
        FreeMouse();
        return 0; /* the host handles a press on nothing */
    }
    BeginShapeDrag(record, point);
    return 1;
}

static void OrderRect(LONG *g) {
    LONG t;
    if (g[3] < g[1]) t = g[1], g[1] = g[3], g[3] = t;
    if (g[2] < g[0]) t = g[0], g[0] = g[2], g[2] = t;
}

static LRESULT ShapeUp(struct ProfileRecord *record) {
    record->dragging = 0;
    if (record->hitCode == HIT_NONE) return 0;
    DrawDragShape(record);
    FreeMouse();
    if (record->geometryCtlId == GEOMETRY_CIRCLE) OrderRect(record->dragGeometry);
    /* A refused geometry leaves the old one, which is read, drawn and recorded all the same. */
    ProfilePrepare(record, record->dragGeometry);
    record->overlayHidden = 0;
    ProfileDrawOverlay(record);
    ProfileReadAndShow(record);
    ProfileRecordLineMove(record);
    return 1;
}

LRESULT ProfileMouseUp(struct ProfileRecord *record, DWORD point) {
    (void)point;
    if (!record->dragging && !record->freeformButtonDown) return 0;
    record->freeformButtonDown = 0;
    if (record->geometryCtlId != GEOMETRY_FREEFORM) return ShapeUp(record);
    record->overlayHidden = 0;
    FreeMouse();
    if (record->freeformState == 2) {
        /* A move of the finished polyline ends: the host repaints and the overlay follows. */
        record->dragging = 0;
        ProfilePrepare(record, record->dragGeometry);
        ProfileReadAndShow(record);
        InvalidateRect(record->imageWnd, 0, FALSE);
        ProfileRecordPoints(record);
    }
    return 1;
}

LRESULT ProfileMouseDoubleClick(struct ProfileRecord *record) {
    if (record->geometryCtlId != GEOMETRY_FREEFORM) return 0;
    if (record->freeformState != 1) return 1;
    record->freeformState = 2;
    record->dragging = 0;
    ProfileChartCreate(record);
    ProfilePrepare(record, record->dragGeometry);
    ProfileReadAndShow(record);
    EnableWindow(GetDlgItem(record->profileWnd, IDC_DELETE_FREEFORM), TRUE);
    InvalidateRect(record->imageWnd, 0, FALSE);
    HostShowStatus("");
    ProfileRecordPoints(record);
    return 1;
}

LRESULT ProfileMouse(struct ProfileRecord *record, LPARAM lParam, UINT message) {
    LONG x = (LONG)LOWORD(lParam), y = (LONG)HIWORD(lParam);
    POINT p = {x, y};
    DWORD packed;
    WindowToImage(record->imageWnd, &p, &p, 1);
    packed = (DWORD)(p.x & 0xFFFF) | ((DWORD)(p.y & 0xFFFF) << 16);
    switch (message) {
        case WM_MOUSEMOVE:
            return ProfileMouseMove(record, packed, x, y);
        case WM_LBUTTONDOWN:
            return ProfileMouseDown(record, packed);
        case WM_LBUTTONUP:
            return ProfileMouseUp(record, packed);
        case WM_LBUTTONDBLCLK:
            return ProfileMouseDoubleClick(record);
        default:
            return 0;
    }
}

/* ---- cursor, keys, recording ---- */

static void SystemCursor(LONG id) {
    SetCursor(LoadCursorA(0, MAKEINTRESOURCEA(id)));
}

LRESULT ProfileSetCursor(WORD thickMode, WORD hitCode, DWORD dragging, WORD geometryCtlId) {
    if (hitCode == HIT_NONE) return 0; /* the host shows its own cursor */
    if (dragging) return 1;
    if (hitCode == HIT_ALL) {
        SystemCursor(MoveCursorId());
    } else if (geometryCtlId == GEOMETRY_LINE) {
        if (thickMode == 0 && (hitCode == 3 || hitCode == 12)) SetCursor(endPointCursor);
        if (thickMode != 0 && (hitCode == 1 || hitCode == 4)) SystemCursor(32644);
        if (thickMode != 0 && (hitCode == 2 || hitCode == 8)) SystemCursor(32645);
    } else if (geometryCtlId == GEOMETRY_CIRCLE) {
        static const LONG sizing[9] = {0, 32642, 32643, 32643, 32642, 32644, 32644, 32645, 32645};
        if (hitCode <= 8) SystemCursor(sizing[hitCode]);
    }
    return 1;
}

/* Slides the pair (lo, hi) back onto 0..max, keeping its extent. */
static void NudgeAxis(LONG *lo, LONG *hi, LONG max) {
    if (*lo < 0) *hi -= *lo, *lo = 0;
    if (*lo > max) *hi += max - *lo, *lo = max;
    if (*hi < 0) *lo -= *hi, *hi = 0;
    if (*hi > max) *lo += max - *hi, *hi = max;
}

void ProfileNudge(struct ProfileRecord *record, LONG dx, LONG dy) {
    LONG *g = record->geometry;
    InvalidateGeometry(record->imageWnd, g, record->thickMode, 0);
    g[0] += dx, g[2] += dx;
    g[1] += dy, g[3] += dy;
    NudgeAxis(&g[0], &g[2], (LONG)record->imageWidth - 1);
    NudgeAxis(&g[1], &g[3], (LONG)record->imageHeight - 1);
    /* A shift keeps the number of samples: reading and recording wait for the key's release. */
    ProfileDrawOverlay(record);
}

/* Ten vertices per statement keep each list well inside 127 characters. */
static WORD PointList(const struct ProfileRecord *record, WORD first, char *list, size_t size) {
    WORD i, end = first + 10 < record->freeformCount ? (WORD)(first + 10) : record->freeformCount;
    size_t used = 0;
    list[0] = 0;
    for (i = first; i < end; i++)
        used += (size_t)snprintf(list + used, size - used, i == first ? "%d %d" : " %d %d",
                                 (int)record->freeformPoints[i].x, (int)record->freeformPoints[i].y);
    return end;
}

void ProfileRecordPoints(struct ProfileRecord *record) {
    char list[128], statement[512];
    WORD next = PointList(record, 0, list, sizeof list);
    snprintf(statement, sizeof statement, "VoListPts(Pts(0), \"%s\")", list);
    HostRecordStatement(statement);
    while (next < record->freeformCount) {
        next = PointList(record, next, list, sizeof list);
        snprintf(statement, sizeof statement, "VoMorePts(\"%s\")", list);
        HostRecordStatement(statement);
    }
    HostRecordStatement("VoProfSetAttr(LINEGEOMETRY, PROFTYPE_FREEFORM)");
}
