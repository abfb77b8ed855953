/* Geometry helpers, hit tests and clamps. Rectangles in the hit tests are
 * half-open: (px, py) lies in (left, top, right, bottom) when left <= px < right
 * and top <= py < bottom. Integer divisions truncate toward zero. */
#include "overlay/geometry.h"

#include <stdlib.h>

#include "frame/profile_record.h"
#include "frame/resource_strings.h"
#include "host/host_services.h"

LONG hitTolerance = 1;

void NormaliseRect(LONG *rect) {
    LONG t;
    if (rect[2] < rect[0]) {
        t = rect[0];
        rect[0] = rect[2];
        rect[2] = t;
    }
    if (rect[1] > rect[3]) {
        t = rect[1];
        rect[1] = rect[3];
        rect[3] = t;
    }
}

void OrderPointsByX(POINT *p, POINT *q) {
    if (q->x < p->x) {
        POINT t = *p;
        *p = *q;
        *q = t;
    }
}

static LONG MinLong(LONG a, LONG b) {
    return a < b ? a : b;
}

/* The tolerance grows with the geometry's extent in window pixels: a quarter
 * of it, at least 1 and at most 8, the larger of the two directions. */
static void ComputeHitTolerance(const LONG *r) {
    LONG a = labs(r[2] - r[0]) / 4, b = labs(r[3] - r[1]) / 4;
    if (a < 1) a = 1;
    if (b < 1) b = 1;
    a = MinLong(a, 8);
    b = MinLong(b, 8);
    hitTolerance = a > b ? a : b;
}

static BOOL InHalfOpen(LONG left, LONG top, LONG right, LONG bottom, POINT p) {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
}

WORD HitTestLine(const LONG *windowRect, POINT point, WORD thickMode) {
    LONG r[4] = {windowRect[0], windowRect[1], windowRect[2], windowRect[3]};
    LONG t;
    ComputeHitTolerance(windowRect);
    t = hitTolerance;
    NormaliseRect(r);
    if (!InHalfOpen(r[0] - t, r[1] - t, r[2] + t, r[3] + t, point)) return HIT_NONE;
    switch (thickMode) {
        case 0:
            return HitTestLineNormal(windowRect, point);
        case 1:
            return HitTestBandHorz(windowRect, point);
        case 2:
            return HitTestBandVert(windowRect, point);
        default:
            return HIT_NONE;
    }
}

WORD HitTestLineNormal(const LONG *r, POINT p) {
    LONG t = hitTolerance;
    double dx, dy, d;
    if (labs(p.x - r[0]) <= t && labs(p.y - r[1]) <= t) return 3; /* the start point wins */
    if (labs(p.x - r[2]) <= t && labs(p.y - r[3]) <= t) return 12;
    dx = (double)(r[2] - r[0]);
    dy = (double)(r[3] - r[1]);
    if (dy == 0.0) {
        d = (double)(p.y - r[1] + 1);
    } else if (dx == 0.0) {
        d = (double)(p.x - r[0] + 1);
    } else {
        /* Horizontal distance in the point's row; where the line is too flat
         * for that to tell, the vertical distance in the point's column. */
        d = (dx / dy) * (double)(p.y - r[1]) + (double)r[0] - (double)p.x;
        if (d < -t || d > t) d = (dy / dx) * (double)(p.x - r[0]) + (double)r[1] - (double)p.y;
    }
    return (-t < d && d < t) ? HIT_ALL : HIT_NONE;
}

/* The margin shrinks the first edge's zone on a thin band, so that its middle
 * still grabs the whole band. */
static LONG BandMargin(LONG t, LONG extent) {
    if (2 * t > extent) return t;
    if (3 * t > extent) return t / 2;
    return 0;
}

WORD HitTestBandHorz(const LONG *r, POINT p) {
    LONG t = hitTolerance, m = BandMargin(t, r[3] - r[1] + 1);
    if (r[0] - t <= p.x && p.x <= r[0] + t) return 1;
    if (r[2] - t <= p.x && p.x <= r[2] + t) return 4;
    if (r[1] - t <= p.y && p.y <= r[1] + t - m) return 2;
    if (p.y < r[3] - t + m) return HIT_ALL;
    if (p.y <= r[3] + t) return 8;
    return HIT_ALL;
}

WORD HitTestBandVert(const LONG *r, POINT p) {
    LONG t = hitTolerance, m = BandMargin(t, r[2] - r[0] + 1);
    if (r[1] - t <= p.y && p.y <= r[1] + t) return 2;
    if (r[3] - t <= p.y && p.y <= r[3] + t) return 8;
    if (r[0] - t <= p.x && p.x <= r[0] + t - m) return 1;
    if (p.x < r[2] - t + m) return HIT_ALL;
    if (p.x <= r[2] + t) return 4;
    return HIT_ALL;
}

WORD HitTestCircle(const LONG *windowRect, POINT p) {
    LONG r[4] = {windowRect[0], windowRect[1], windowRect[2], windowRect[3]};
    LONG t, L, T, R, B, qx, qy;
    int i;
    ComputeHitTolerance(windowRect);
    t = hitTolerance;
    NormaliseRect(r);
    L = r[0] - t;
    T = r[1] - t;
    R = r[2] + t;
    B = r[3] + t;
    if (!InHalfOpen(L, T, R, B, p)) return HIT_NONE;
    qx = (R - L) / 4;
    qy = (B - T) / 4;
    {
        /* A three-by-three grid over R: the centre, the four sides, the four corners. */
        const LONG zones[9][5] = {
            {L + qx, T + qy, R - qx, B - qy, HIT_ALL}, {L + qx, T - qy, R - qx, T + qy, 7},
            {L + qx, B - qy, R - qx, B + qy, 8},       {L - qx, T + qy, L + qx, B - qy, 5},
            {R - qx, T + qy, R + qx, B - qy, 6},       {L - qx, T - qy, L + qx, T + qy, 1},
            {R - qx, T - qy, R + qx, T + qy, 2},       {L - qx, B - qy, L + qx, B + qy, 3},
            {R - qx, B - qy, R + qx, B + qy, 4},
        };
        for (i = 0; i < 9; i++)
            if (InHalfOpen(zones[i][0], zones[i][1], zones[i][2], zones[i][3], p)) return (WORD)zones[i][4];
    }
    return HIT_NONE;
}

WORD HitTestFreeform(const LONG *geometry, POINT imagePoint, WORD freeformState) {
    LONG r[4] = {geometry[0], geometry[1], geometry[2], geometry[3]};
    if (freeformState == 2) {
        NormaliseRect(r);
        return InHalfOpen(r[0], r[1], r[2], r[3], imagePoint) ? HIT_ALL : HIT_NONE;
    }
    /* No polyline yet: every hovering move refreshes the entry prompt. */
    HostShowStatus(LoadResString(IDS_FREEFORM_PROMPT));
    return HIT_NONE;
}

/* Steps 1 to 4 of the clamp on one axis: the pair slides back onto 0..max,
 * keeping its extent when it can. */
static void ClampAxis(LONG *a, LONG *b, LONG max) {
    if (*a < 0) {
        *b -= *a;
        *a = 0;
    }
    if (*a > max) {
        *b -= *a - max;
        *a = max;
    }
    if (*b < 0) {
        *a -= *b;
        *b = 0;
        if (*a > max) *a = max;
    }
    if (*b > max) {
        *a -= *b - max;
        *b = max;
        if (*a < 0) *a = 0;
    }
}

void ClampDragGeometry(struct ProfileRecord *record) {
    LONG *g = record->dragGeometry;
    ClampAxis(&g[0], &g[2], (LONG)record->imageWidth - 1);
    ClampAxis(&g[1], &g[3], (LONG)record->imageHeight - 1);
    switch (record->thickMode) {
        case 0: /* a line is never a single point */
            if (g[0] == g[2] && g[1] == g[3]) {
                g[0] = g[2] - 1;
                if (g[0] < 0) {
                    g[0] = 0;
                    g[2] += 1;
                }
            }
            break;
        case 1:
            if (g[2] <= g[0]) {
                g[0] = g[2] - 1;
                if (g[0] < 0) {
                    g[0] += 1;
                    g[2] += 1;
                }
            }
            if (g[3] < g[1]) g[1] = g[3];
            break;
        case 2:
            if (g[3] <= g[1]) {
                g[1] = g[3] - 1;
                if (g[1] < 0) {
                    g[1] += 1;
                    g[3] += 1;
                }
            }
            if (g[2] < g[0]) g[0] = g[2];
            break;
        default:
            break;
    }
}

void ClampFreeformShift(struct ProfileRecord *record, LONG *dx, LONG *dy) {
    LONG xm = (LONG)record->imageWidth - 1, ym = (LONG)record->imageHeight - 1;
    WORD i;
    for (i = 0; i < record->freeformCount; i++) {
        LONG x = record->freeformPoints[i].x, y = record->freeformPoints[i].y;
        if (x + *dx < 0) *dx = -x;
        if (x + *dx > xm) *dx = xm - x;
        if (y + *dy < 0) *dy = -y;
        if (y + *dy > ym) *dy = ym - y;
    }
}
