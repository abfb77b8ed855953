/*
 * Range marks on the image. In the range/area statistics mode the chart's two
 * range markers are shown on the live geometry as well: a tick across it at
 * each marker's sample, the first a full tick through the geometry, the
 * second a half tick ending on it. A tick is a green stroke between a black
 * and a white one, so that it shows on any image. Like the rest of the
 * overlay the marks are never stored as pixels: they are drawn after the host
 * has painted the image and taken off by invalidating their areas.
 */
#include "overlay/range_marks.h"

#include <stdlib.h>

#include <pixbuf32.h>
#include <roikit32.h>

#include "frame/profile_record.h"
#include "host/host_services.h"
#include "overlay/geometry.h"

#define MARK_GREEN 65280

/* One mark ready to draw: the first of a pair gets the full tick, the second the half tick. */
struct RangeMark {
    POINT at;
    struct MarkTick tick;
    BOOL shown;
};

static POINT Pt(LONG x, LONG y) {
    POINT p = {x, y};
    return p;
}

/* Rounds halves away from zero. */
static LONG RoundAway(double value) {
    return (LONG)(value < 0 ? value - 0.5 : value + 0.5);
}

BOOL MarkTickShape(LONG dx, LONG dy, struct MarkTick *tick) {
    double fx = dx, fy = dy;
    if (dx == 0 && dy == 0) return FALSE;
    /* The main axis shrinks from 10 pixels toward 6 as the direction turns off the axes, so that a
     * slanted tick comes out about as long as a straight one. */
    if (labs(dy) < labs(dx)) {
        tick->v = 10 - labs((LONG)(4 * fy / fx));
        tick->u = RoundAway(tick->v * fy / fx);
        tick->sx = 1, tick->sy = 0;
    } else {
        tick->u = 10 - labs((LONG)(4 * fx / fy));
        tick->v = RoundAway(tick->u * fx / fy);
        tick->sx = 0, tick->sy = 1;
    }
    return TRUE;
}

static void Stroke(HDC hdc, const struct RangeMark *mark, BOOL full, LONG shift) {
    const struct MarkTick *t = &mark->tick;
    LONG x = mark->at.x + shift * t->sx, y = mark->at.y + shift * t->sy;
    MoveToEx(hdc, x - t->u, y + t->v, 0);
    if (full)
        LineTo(hdc, x + t->u, y - t->v);
    else
        LineTo(hdc, x, y);
}

/* Each colour goes over both marks before the next, so that where two marks meet the black and
 * white strokes of one never cover the green of the other. */
static void DrawMarkPair(HDC hdc, const struct RangeMark *marks) {
    static const LONG shifts[3] = {0, 1, -1};
    HPEN green = CreatePen(PS_SOLID, 1, MARK_GREEN);
    HGDIOBJ old;
    int pass, i;
    if (!green) return;
    old = SelectObject(hdc, green);
    for (pass = 0; pass < 3; pass++) {
        if (pass == 1) SelectObject(hdc, GetStockObject(BLACK_PEN));
        if (pass == 2) SelectObject(hdc, GetStockObject(WHITE_PEN));
        for (i = 0; i < 2; i++)
            if (marks[i].shown) Stroke(hdc, &marks[i], i == 0, shifts[pass]);
    }
    SelectObject(hdc, old);
    DeleteObject(green);
}

/* The marks on a segment taken from its left end, at the markers' fractions of the profile; one
 * tick shape serves both. FALSE for a segment of no length, which gets no marks. */
static BOOL LineMarkPositions(const struct ProfileRecord *record, POINT a, POINT b, struct RangeMark *marks) {
    struct MarkTick tick;
    LONG dx, dy;
    double steps;
    int i;
    OrderPointsByX(&a, &b);
    dx = b.x - a.x, dy = b.y - a.y;
    if (record->sampleCount < 2 || !MarkTickShape(dx, dy, &tick)) return FALSE;
    steps = record->sampleCount - 1;
    for (i = 0; i < 2; i++) {
        double m = record->rangeMarkers[i];
        marks[i].at = Pt(a.x + (LONG)(m * dx / steps), a.y + (LONG)(m * dy / steps));
        marks[i].tick = tick;
        marks[i].shown = TRUE;
    }
    return TRUE;
}

void DrawLineMarks(struct ProfileRecord *record, HDC hdc, POINT a, POINT b) {
    struct RangeMark marks[2];
    if (LineMarkPositions(record, a, b, marks)) DrawMarkPair(hdc, marks);
}

/* A mark at point k of a chain, turned along the chain as seen from three points back; the first
 * points have too little behind them, so they take the direction from point 0 to point 2. */
static void ChainMark(const POINT *chain, LONG k, struct RangeMark *mark) {
    POINT p = k <= 2 ? chain[2] : chain[k], q = k <= 2 ? chain[0] : chain[k - 3];
    mark->at = p;
    /* A chain can come back onto itself (a polyline that doubles back): no direction, no mark. */
    mark->shown = MarkTickShape(p.x - q.x, p.y - q.y, &mark->tick);
}

/* The outline of the ellipse inscribed in a-b (a the left corner) from the host, in window pixels,
 * from the end of its major axis clockwise; null when it has fewer than 3 points. */
static POINT *EllipseOutline(POINT a, POINT b, LONG *count) {
    EllipseDescriptor d;
    LONG w = b.x - a.x + 1, h = b.y - a.y + 1, c;
    HAOISHAPE shape;
    POINT *outline = 0;
    d.centreX = (a.x + b.x) / 2, d.centreY = (a.y + b.y) / 2;
    if (h > w)
        d.major = h, d.minor = w, d.angle = 1.57;
    else
        d.major = w, d.minor = h, d.angle = 0;
    shape = AoiCreateShape(&d, 0, AOISHAPE_ELLIPSE);
    if (!shape) return 0;
    c = AoiGetShapeInfo(shape, AOISHAPEINFO_COUNT, 0);
    if (c >= 3) outline = (POINT *)MemAllocBlock(MEMBLOCK_ZEROINIT, (DWORD)c * sizeof(POINT));
    if (outline && AoiGetShapeInfo(shape, AOISHAPEINFO_POINTS, outline) != c) {
        MemFreeBlock(outline);
        outline = 0;
    }
    AoiDestroyShape(shape);
    *count = c;
    return outline;
}

void DrawCircleMarks(struct ProfileRecord *record, HDC hdc, POINT a, POINT b) {
    struct RangeMark marks[2];
    POINT *outline;
    LONG c = 0;
    int i;
    if (record->sampleCount < 1) return;
    OrderPointsByX(&a, &b);
    outline = EllipseOutline(a, b, &c);
    if (!outline) return;
    for (i = 0; i < 2; i++) {
        /* m * c / n rather than m / n * c, so that exact multiples stay exact. */
        double k = (double)record->rangeMarkers[i] * c / record->sampleCount;
        ChainMark(outline, k < c - 1 ? (LONG)k : c - 1, &marks[i]);
    }
    DrawMarkPair(hdc, marks);
    MemFreeBlock(outline);
}

/* The pixel s steps from p toward q, counted along the segment's longer extent. */
static POINT SegmentStep(POINT p, POINT q, LONG s) {
    LONG ax = labs(q.x - p.x), ay = labs(q.y - p.y);
    LONG sx = q.x < p.x ? -1 : 1, sy = q.y < p.y ? -1 : 1;
    LONG major = ay >= ax ? ay : ax, minor = ay >= ax ? ax : ay;
    /* trunc(s * minor / major + 0.5), in integers so that no rounding error can move a half. */
    LONG across = (LONG)((2LL * s * minor + major) / (2LL * major));
    return ay >= ax ? Pt(p.x + sx * across, p.y + sy * s) : Pt(p.x + sx * s, p.y + sy * across);
}

LONG RasterisePolyline(POINT *out, const POINT *points, LONG limit, LONG count) {
    long long room = 2LL * limit;
    LONG k = 0, j, s;
    for (j = 0; j + 1 < count && k < limit; j++) {
        POINT p = points[j], q = points[j + 1];
        LONG ax = labs(q.x - p.x), ay = labs(q.y - p.y), steps = ay >= ax ? ay : ax;
        if (steps == 0) {
            if (k >= room) return k;
            out[k++] = p;
        }
        for (s = 0; s < steps; s++) {
            if (k >= room) return k;
            out[k++] = SegmentStep(p, q, s);
        }
    }
    return k;
}

/*
 * The trace runs in window pixels while the markers count samples taken in
 * image pixels, so the two agree only at one window pixel per image pixel. To
 * keep the marks on the chart's positions at any zoom, the whole polyline is
 * traced and a marker's index is scaled by the ratio of the trace's steps to
 * the profile's (sampleCount - 1); at zoom 1 the two are equal and the index is
 * used unchanged. The polyline's end point, where the last sample lies but
 * which the trace does not list, is put after the trace so that a marker on
 * the last sample has a place too.
 */
void DrawFreeformMarks(struct ProfileRecord *record, HDC hdc) {
    LONG n = record->freeformCount, i, k;
    long long steps = 0, length = 0, bytes;
    POINT *vertices, *trace = 0;
    struct RangeMark marks[2];
    if (n < 2 || record->sampleCount < 2) return;
    vertices = (POINT *)MemAllocBlock(MEMBLOCK_ZEROINIT, (DWORD)n * sizeof(POINT));
    if (!vertices) return;
    for (i = 0; i < n; i++) vertices[i] = record->freeformPoints[i];
    ImageToWindow(record->imageWnd, vertices, vertices, n);
    for (i = 1; i < n; i++) {
        LONG ax = labs(vertices[i].x - vertices[i - 1].x), ay = labs(vertices[i].y - vertices[i - 1].y);
        LONG extent = ay >= ax ? ay : ax;
        steps += extent;
        length += extent ? extent : 1; /* a repeated vertex is listed once */
    }
    /* With the limit at the full length every segment is traced; the room beyond holds the end. */
    bytes = 2 * length * (long long)sizeof(POINT);
    if (bytes <= 0x7FFFFFFF) trace = (POINT *)MemAllocBlock(MEMBLOCK_ZEROINIT, (DWORD)bytes);
    if (trace) {
        k = RasterisePolyline(trace, vertices, (LONG)length, n);
        trace[k] = vertices[n - 1];
        if (k >= 3) {
            for (i = 0; i < 2; i++) {
                long long index = (long long)record->rangeMarkers[i] * steps / (record->sampleCount - 1);
                ChainMark(trace, index < k ? (LONG)index : k, &marks[i]);
            }
            DrawMarkPair(hdc, marks);
        }
        MemFreeBlock(trace);
    }
    MemFreeBlock(vertices);
}

static void LiveCorners(struct ProfileRecord *record, POINT *c) {
    c[0] = Pt(record->geometry[0], record->geometry[1]);
    c[1] = Pt(record->geometry[2], record->geometry[3]);
    ImageToWindow(record->imageWnd, c, c, 2);
}

/* The segments of a live line that carry marks: the line itself, or both edges of a band, at the
 * same fraction of the band's length. Returns how many. */
static int MarkedSegments(const struct ProfileRecord *record, const POINT *c, POINT (*segments)[2]) {
    if (record->thickMode == 0) {
        segments[0][0] = c[0], segments[0][1] = c[1];
        return 1;
    }
    if (record->thickMode == 1) {
        segments[0][0] = Pt(c[0].x, c[0].y), segments[0][1] = Pt(c[1].x, c[0].y);
        segments[1][0] = Pt(c[0].x, c[1].y), segments[1][1] = Pt(c[1].x, c[1].y);
        return 2;
    }
    if (record->thickMode == 2) {
        segments[0][0] = Pt(c[0].x, c[0].y), segments[0][1] = Pt(c[0].x, c[1].y);
        segments[1][0] = Pt(c[1].x, c[0].y), segments[1][1] = Pt(c[1].x, c[1].y);
        return 2;
    }
    return 0;
}

void ProfileDrawImageMarks(struct ProfileRecord *record) {
    POINT c[2], segments[2][2];
    HDC hdc;
    int i, count;
    if (record->overlayHidden || record->statsMode != 2 || !record->imageWnd) return;
    hdc = GetDC(record->imageWnd);
    if (!hdc) return;
    LiveCorners(record, c);
    if (record->geometryCtlId == GEOMETRY_LINE) {
        count = MarkedSegments(record, c, segments);
        for (i = 0; i < count; i++) DrawLineMarks(record, hdc, segments[i][0], segments[i][1]);
    } else if (record->geometryCtlId == GEOMETRY_CIRCLE) {
        DrawCircleMarks(record, hdc, c[0], c[1]);
    } else if (record->geometryCtlId == GEOMETRY_FREEFORM) {
        DrawFreeformMarks(record, hdc);
    }
    ReleaseDC(record->imageWnd, hdc);
}

static void InvalidateTick(HWND window, const struct RangeMark *mark, BOOL full) {
    const struct MarkTick *t = &mark->tick;
    LONG r[4] = {mark->at.x - t->u, mark->at.y + t->v, mark->at.x, mark->at.y};
    RECT area;
    if (full) r[2] = mark->at.x + t->u, r[3] = mark->at.y - t->v;
    NormaliseRect(r);
    /* The black and white strokes lie a pixel beside the green one, and a pixel is kept to spare;
     * the right and bottom edges, which a rectangle leaves out, go one further. */
    SetRect(&area, r[0] - 2, r[1] - 2, r[2] + 3, r[3] + 3);
    InvalidateRect(window, &area, FALSE);
}

void InvalidateLineMarks(struct ProfileRecord *record, POINT a, POINT b, int which) {
    struct RangeMark marks[2];
    if (!LineMarkPositions(record, a, b, marks)) return;
    if (which & MARK_FIRST) InvalidateTick(record->imageWnd, &marks[0], TRUE);
    if (which & MARK_SECOND) InvalidateTick(record->imageWnd, &marks[1], FALSE);
}

void InvalidateImageMarks(struct ProfileRecord *record, int which) {
    WORD statsMode = record->statsMode;
    POINT c[2], segments[2][2];
    int i, count;
    if (!record->imageWnd) return;
    /* The repaint below runs the paint hook, which must draw the overlay without the marks. */
    record->statsMode = 0;
    LiveCorners(record, c);
    if (record->geometryCtlId == GEOMETRY_LINE) {
        count = MarkedSegments(record, c, segments);
        for (i = 0; i < count; i++) InvalidateLineMarks(record, segments[i][0], segments[i][1], which);
    } else if (record->geometryCtlId == GEOMETRY_CIRCLE || record->geometryCtlId == GEOMETRY_FREEFORM) {
        LONG r[4] = {c[0].x, c[0].y, c[1].x, c[1].y};
        RECT area;
        /* Marks on an outline or a polyline stay inside its box; their ticks reach 10 pixels out
         * and draw their first pixel, which the rectangle must still hold on the right and below. */
        NormaliseRect(r);
        SetRect(&area, r[0] - 10, r[1] - 10, r[2] + 11, r[3] + 11);
        InvalidateRect(record->imageWnd, &area, FALSE);
    }
    UpdateWindow(record->imageWnd);
    record->statsMode = statsMode;
}
