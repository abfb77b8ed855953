/*
 * The overlay over the image window: the live geometry with its handle marks,
 * the reference and frozen geometries, and during a drag the inverted shape.
 * The module owns no pixels of the image window: it draws after the host has
 * painted the image, and erases by invalidating small areas so that the host
 * paints the image there again and the paint hook draws what should remain.
 * Drag feedback is drawn with an XOR or NOT mix and taken off by drawing it
 * again. The range marks of the statistics range are the last layer.
 */
#include "overlay/overlay.h"

#include <stdlib.h>

#include <pixbuf32.h>

#include "frame/profile_record.h"
#include "host/host_services.h"
#include "overlay/geometry.h"
#include "overlay/range_marks.h"

static const int kPenStyles[3] = {PS_SOLID, PS_DASH, PS_DOT};

static void Corners(HWND window, const LONG *geometry, POINT *corners) {
    corners[0].x = geometry[0], corners[0].y = geometry[1];
    corners[1].x = geometry[2], corners[1].y = geometry[3];
    ImageToWindow(window, corners, corners, 2);
}

static POINT Pt(LONG x, LONG y) {
    POINT p = {x, y};
    return p;
}

static void Segment(HDC hdc, POINT a, POINT b) {
    MoveToEx(hdc, a.x, a.y, 0);
    LineTo(hdc, b.x, b.y);
}

static void HandleSquare(HDC hdc, LONG x, LONG y) {
    HGDIOBJ brush = SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    HGDIOBJ pen = SelectObject(hdc, GetStockObject(BLACK_PEN));
    Rectangle(hdc, x - 3, y - 3, x + 4, y + 4);
    SelectObject(hdc, pen);
    SelectObject(hdc, brush);
}

/* A white pen of the instance's style over an opaque black background, so the
 * gaps of a dashed or dotted line come out black. */
static HPEN SelectWhiteStyledPen(HDC hdc, int style) {
    HPEN pen = CreatePen(kPenStyles[style], 1, 0xFFFFFF);
    SelectObject(hdc, GetStockObject(NULL_BRUSH));
    SelectObject(hdc, pen);
    SetBkMode(hdc, OPAQUE);
    SetBkColor(hdc, 0);
    return pen;
}

void DrawOutlinedSegment(HDC hdc, POINT a, POINT b, int style) {
    HPEN pen;
    OrderPointsByX(&a, &b);
    if (style == 0) HandleSquare(hdc, a.x, a.y);
    pen = SelectWhiteStyledPen(hdc, style);
    Segment(hdc, a, b);
    SelectObject(hdc, GetStockObject(WHITE_PEN));
    DeleteObject(pen);
    /* Black flanks on both sides make the white line visible on any image. */
    SelectObject(hdc, GetStockObject(BLACK_PEN));
    if (labs(b.x - a.x) > labs(b.y - a.y)) {
        Segment(hdc, Pt(a.x, a.y - 1), Pt(b.x, b.y - 1));
        Segment(hdc, Pt(a.x, a.y + 1), Pt(b.x, b.y + 1));
    } else {
        Segment(hdc, Pt(a.x - 1, a.y), Pt(b.x - 1, b.y));
        Segment(hdc, Pt(a.x + 1, a.y), Pt(b.x + 1, b.y));
    }
}

static void Chevron(HDC hdc, LONG x, LONG ym, int dir) {
    /* Two black strokes and two white ones between them, each of three points. */
    static const int offsets[4] = {9, 12, 10, 11};
    int k;
    for (k = 0; k < 4; k++) {
        int o = offsets[k];
        POINT stroke[3] = {{x - 6, ym + dir * o}, {x, ym + dir * (o - 6)}, {x + 7, ym + dir * (o + 1)}};
        SelectObject(hdc, GetStockObject(k < 2 ? BLACK_PEN : WHITE_PEN));
        Polyline(hdc, stroke, 3);
    }
}

void DrawOutlinedEllipse(HDC hdc, POINT a, POINT b, int style) {
    HPEN pen;
    LONG ym, hx;
    OrderPointsByX(&a, &b);
    pen = SelectWhiteStyledPen(hdc, style);
    Ellipse(hdc, a.x, a.y, b.x, b.y);
    SelectObject(hdc, GetStockObject(WHITE_PEN));
    DeleteObject(pen);
    SelectObject(hdc, GetStockObject(NULL_BRUSH));
    SelectObject(hdc, GetStockObject(BLACK_PEN));
    Ellipse(hdc, a.x - 1, a.y - 1, b.x + 1, b.y + 1);
    Ellipse(hdc, a.x + 1, a.y + 1, b.x - 1, b.y - 1);
    ym = a.y + (b.y - a.y) / 2;
    hx = (b.y - a.y + 1) > (b.x - a.x + 1) ? a.x : b.x;
    HandleSquare(hdc, hx, ym);
    if (style != 0) return;
    /* Chevrons show the outline's clockwise direction: up on the left, down on the right. */
    Chevron(hdc, a.x, ym, 1);
    Chevron(hdc, b.x - 1, ym, -1);
}

void DrawLineGeometry(struct ProfileRecord *record, HDC hdc, const LONG *geometry, WORD thickMode,
                      int instance) {
    POINT c[2];
    Corners(record->imageWnd, geometry, c);
    if (thickMode == 0) {
        DrawOutlinedSegment(hdc, c[0], c[1], instance);
    } else if (thickMode == 1) {
        DrawOutlinedSegment(hdc, Pt(c[0].x, c[0].y), Pt(c[1].x, c[0].y), instance);
        DrawOutlinedSegment(hdc, Pt(c[0].x, c[1].y), Pt(c[1].x, c[1].y), instance);
    } else if (thickMode == 2) {
        DrawOutlinedSegment(hdc, Pt(c[0].x, c[0].y), Pt(c[0].x, c[1].y), instance);
        DrawOutlinedSegment(hdc, Pt(c[1].x, c[0].y), Pt(c[1].x, c[1].y), instance);
    }
}

void DrawCircleGeometry(struct ProfileRecord *record, HDC hdc, const LONG *geometry, int instance) {
    POINT c[2];
    Corners(record->imageWnd, geometry, c);
    DrawOutlinedEllipse(hdc, c[0], c[1], instance);
}

void DrawFreeformGeometry(struct ProfileRecord *record, HDC hdc, const POINT *vertices, int instance) {
    WORD n = record->freeformCount, i;
    POINT *points;
    HPEN wide, thin;
    if (!vertices || n < 2) return;
    points = (POINT *)MemAllocBlock(MEMBLOCK_MOVEABLE, (DWORD)n * sizeof(POINT));
    if (!points) return;
    for (i = 0; i < n; i++) points[i] = vertices[i];
    ImageToWindow(record->imageWnd, points, points, n);
    if (instance == 0) HandleSquare(hdc, points[0].x, points[0].y);
    SelectObject(hdc, GetStockObject(NULL_BRUSH));
    if (record->freeformState == 2) {
        wide = CreatePen(kPenStyles[instance], 2, 0);
        SelectObject(hdc, wide);
        SetBkMode(hdc, OPAQUE);
        SetBkColor(hdc, 0);
        Polyline(hdc, points, n);
        thin = CreatePen(kPenStyles[instance], 1, 0xFFFFFF);
        SelectObject(hdc, thin);
        Polyline(hdc, points, n);
    } else {
        wide = 0;
        thin = CreatePen(kPenStyles[instance], 1, 255);
        SelectObject(hdc, thin);
        Polyline(hdc, points, n);
    }
    SelectObject(hdc, GetStockObject(WHITE_PEN));
    if (wide) DeleteObject(wide);
    DeleteObject(thin);
    MemFreeBlock(points);
}

static void DrawInstance(struct ProfileRecord *record, HDC hdc, const LONG *geometry, WORD thickMode,
                         const POINT *points, int instance) {
    if (record->geometryCtlId == GEOMETRY_LINE) DrawLineGeometry(record, hdc, geometry, thickMode, instance);
    if (record->geometryCtlId == GEOMETRY_CIRCLE) DrawCircleGeometry(record, hdc, geometry, instance);
    if (record->geometryCtlId == GEOMETRY_FREEFORM) DrawFreeformGeometry(record, hdc, points, instance);
}

static void DrawCopies(struct ProfileRecord *record, HDC hdc) {
    if (record->referenceOn)
        DrawInstance(record, hdc, record->referenceGeometry, record->referenceThickMode,
                     record->referencePoints, 1);
    if (record->frozenOn)
        DrawInstance(record, hdc, record->frozenGeometry, record->frozenThickMode, record->frozenPoints, 2);
}

void ProfileDrawOverlay(struct ProfileRecord *record) {
    HDC hdc;
    if (record->overlayHidden || !record->imageWnd) return;
    if (record->geometryCtlId == GEOMETRY_FREEFORM && record->freeformCount < 2) return;
    hdc = GetDC(record->imageWnd);
    if (!hdc) return;
    DrawInstance(record, hdc, record->geometry, record->thickMode, record->freeformPoints, 0);
    DrawCopies(record, hdc);
    ReleaseDC(record->imageWnd, hdc);
    ProfileDrawImageMarks(record);
}

void InvalidateSegment(HWND window, POINT a, POINT b, int instance) {
    LONG r[4] = {a.x, a.y, b.x, b.y};
    RECT area;
    if (instance == 0) {
        SetRect(&area, a.x - 3, a.y - 3, a.x + 4, a.y + 4);
        InvalidateRect(window, &area, FALSE);
        SetRect(&area, b.x - 3, b.y - 3, b.x + 4, b.y + 4);
        InvalidateRect(window, &area, FALSE);
    }
    NormaliseRect(r);
    SetRect(&area, r[0] - 8, r[1] - 8, r[2] + 8, r[3] + 8);
    InvalidateRect(window, &area, FALSE);
}

void InvalidateGeometry(HWND window, const LONG *geometry, WORD thickMode, int instance) {
    POINT c[2];
    Corners(window, geometry, c);
    if (thickMode == 0) {
        InvalidateSegment(window, c[0], c[1], instance);
    } else if (thickMode == 1) {
        InvalidateSegment(window, Pt(c[0].x, c[0].y), Pt(c[1].x, c[0].y), instance);
        InvalidateSegment(window, Pt(c[0].x, c[1].y), Pt(c[1].x, c[1].y), instance);
    } else if (thickMode == 2) {
        InvalidateSegment(window, Pt(c[0].x, c[0].y), Pt(c[0].x, c[1].y), instance);
        InvalidateSegment(window, Pt(c[1].x, c[0].y), Pt(c[1].x, c[1].y), instance);
    }
}

void ProfileEraseOverlay(struct ProfileRecord *record) {
    if (!record->imageWnd) return;
    InvalidateGeometry(record->imageWnd, record->geometry, record->thickMode, 0);
    InvalidateGeometry(record->imageWnd, record->referenceGeometry, record->referenceThickMode, 1);
    InvalidateGeometry(record->imageWnd, record->frozenGeometry, record->frozenThickMode, 2);
    /* Taking the marks off has the host repaint at once; the paint hook then
     * draws the overlay as it now stands. */
    InvalidateImageMarks(record, MARK_BOTH);
    UpdateWindow(record->imageWnd);
}

void ProfileHideLiveOverlay(struct ProfileRecord *record) {
    HDC hdc;
    if (!record->imageWnd) return;
    InvalidateGeometry(record->imageWnd, record->geometry, record->thickMode, 0);
    InvalidateImageMarks(record, MARK_BOTH);
    UpdateWindow(record->imageWnd);
    hdc = GetDC(record->imageWnd);
    if (!hdc) return;
    DrawCopies(record, hdc);
    ReleaseDC(record->imageWnd, hdc);
}

void DrawDragShape(struct ProfileRecord *record) {
    HDC hdc = GetDC(record->imageWnd);
    POINT c[2];
    if (!hdc) return;
    SetROP2(hdc, R2_XORPEN);
    SelectObject(hdc, GetStockObject(WHITE_PEN));
    SelectObject(hdc, GetStockObject(NULL_BRUSH));
    if (record->geometryCtlId == GEOMETRY_FREEFORM) {
        WORD n = record->freeformCount, i;
        POINT *points = (POINT *)MemAllocBlock(MEMBLOCK_ZEROINIT, (DWORD)n * sizeof(POINT));
        if (points) {
            for (i = 0; i < n; i++) points[i] = record->freeformPoints[i];
            ImageToWindow(record->imageWnd, points, points, n);
            Polyline(hdc, points, n);
            MemFreeBlock(points);
        }
    } else {
        Corners(record->imageWnd, record->dragGeometry, c);
        if (record->geometryCtlId == GEOMETRY_CIRCLE) {
            Ellipse(hdc, c[0].x, c[0].y, c[1].x, c[1].y);
        } else if (record->thickMode == 0) {
            Segment(hdc, c[0], c[1]);
        } else if (record->thickMode == 1) {
            Segment(hdc, Pt(c[0].x, c[0].y), Pt(c[1].x, c[0].y));
            Segment(hdc, Pt(c[0].x, c[1].y), Pt(c[1].x, c[1].y));
        } else if (record->thickMode == 2) {
            Segment(hdc, Pt(c[0].x, c[0].y), Pt(c[0].x, c[1].y));
            Segment(hdc, Pt(c[1].x, c[0].y), Pt(c[1].x, c[1].y));
        }
    }
    ReleaseDC(record->imageWnd, hdc);
}

void DrawFreeformSegment(HWND window, HDC hdc, POINT a, POINT b, int fixed) {
    POINT p[2] = {a, b};
    ImageToWindow(window, p, p, 2);
    if (fixed) {
        HPEN red = CreatePen(PS_SOLID, 1, 255);
        HGDIOBJ old = SelectObject(hdc, red);
        Segment(hdc, p[0], p[1]);
        SelectObject(hdc, old);
        DeleteObject(red);
    } else {
        int mix = SetROP2(hdc, R2_NOT);
        Segment(hdc, p[0], p[1]);
        SetROP2(hdc, mix);
    }
}
