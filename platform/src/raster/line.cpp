// One-pixel lines and dash patterns.
#include "raster/line.h"

#include <algorithm>

#include <windows.h>

namespace plat::raster {

namespace {

// Runs of (on, off, on, off, ...) pixels, packed into bits.
constexpr DashPattern makePattern(std::initializer_list<int> runs) {
    DashPattern p;
    bool on = true;
    for (int run : runs) {
        for (int i = 0; i < run; ++i, ++p.length)
            if (on) p.bits |= 1u << p.length;
        on = !on;
    }
    return p;
}

int64_t floorDiv(int64_t a, int64_t b) {  // b > 0
    int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

int64_t ceilDiv(int64_t a, int64_t b) {
    return -floorDiv(-a, b);
}

}  // namespace

// The period lengths and runs of the cosmetic pens of Windows.
DashPattern dashPatternForStyle(int style) {
    switch (style) {
        case PS_DASH:
            return makePattern({18, 6});
        case PS_DOT:
            return makePattern({3, 3});
        case PS_DASHDOT:
            return makePattern({9, 6, 3, 6});
        case PS_DASHDOTDOT:
            return makePattern({9, 3, 3, 3, 3, 3});
        default:
            return {};
    }
}

LineGeometry lineGeometry(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    int64_t dx = x1 - x0, dy = y1 - y0;
    int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    LineGeometry g{x0, y0, 0, 0, adx >= ady, 1, 1};
    if (g.xMajor) {
        g.dMajor = adx;
        g.dMinor = ady;
        g.sMajor = dx < 0 ? -1 : 1;
        g.sMinor = dy < 0 ? -1 : 1;
    } else {
        g.dMajor = ady;
        g.dMinor = adx;
        g.sMajor = dy < 0 ? -1 : 1;
        g.sMinor = dx < 0 ? -1 : 1;
    }
    return g;
}

void LineStepper::start(int64_t i) {
    if (major == 0) return;
    // k = ceil((2im - M) / 2M) going the positive way, floor((2im + M) / 2M) the other.
    k = positive ? ceilDiv(2 * i * minor - major, 2 * major) : floorDiv(2 * i * minor + major, 2 * major);
    e = 2 * i * minor - 2 * major * k;
}

void lineStepRange(const LineGeometry &g, int64_t count, const Box &bounds, int64_t &first, int64_t &last) {
    first = 0;
    last = count;
    if (bounds.empty() || count <= 0) {
        last = 0;
        return;
    }
    // Along the major axis the coordinate is exact.
    int64_t a0 = g.xMajor ? g.x0 : g.y0;
    int64_t lo = g.xMajor ? bounds.left : bounds.top;
    int64_t hi = (g.xMajor ? bounds.right : bounds.bottom) - 1;
    int64_t iLo = g.sMajor > 0 ? lo - a0 : a0 - hi;
    int64_t iHi = g.sMajor > 0 ? hi - a0 : a0 - lo;
    first = std::max(first, iLo);
    last = std::min(last, iHi + 1);
    if (g.dMinor == 0 || first >= last) return;
    // Along the minor axis, k stays within one pixel of i * minor / major.
    int64_t b0 = g.xMajor ? g.y0 : g.x0;
    int64_t mlo = g.xMajor ? bounds.top : bounds.left;
    int64_t mhi = (g.xMajor ? bounds.bottom : bounds.right) - 1;
    int64_t kLo = g.sMinor > 0 ? mlo - b0 : b0 - mhi;
    int64_t kHi = g.sMinor > 0 ? mhi - b0 : b0 - mlo;
    if (kHi < 0) {
        last = first;
        return;
    }
    first = std::max(first, floorDiv((kLo - 1) * g.dMajor, g.dMinor));
    last = std::min(last, ceilDiv((kHi + 1) * g.dMajor, g.dMinor) + 1);
}

namespace {

// A solid line whose end points both lie in the clip: every pixel between
// them does too, so neither the step range nor each pixel needs the clip.
// Short lines like these make up a plot, so they go the shortest way.
void drawSolidInside(const Canvas &canvas, const LineGeometry &g, const RopMasks &pen) {
    const int64_t width = canvas.surface->width;
    const int64_t majorStep = g.xMajor ? g.sMajor : g.sMajor * width;
    const int64_t minorStep = g.xMajor ? g.sMinor * width : g.sMinor;
    // LineStepper's steps from 0, with its rounding rule (a minor step when
    // e > major going positive, e >= major going negative) folded into one
    // bound.
    const int64_t bound = g.dMajor + (g.sMinor > 0 ? 1 : 0);
    int64_t e = 0;
    uint32_t *p = canvas.pixel(g.x0, g.y0);
    for (int64_t i = 0; i < g.dMajor; ++i) {
        *p = applyRop(*p, pen);
        p += majorStep;
        e += 2 * g.dMinor;
        if (e >= bound) {
            p += minorStep;
            e -= 2 * g.dMajor;
        }
    }
}

}  // namespace

void drawThinLine(const Canvas &canvas, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                  const LineStyle &style, int64_t &phase) {
    LineGeometry g = lineGeometry(x0, y0, x1, y1);
    if (style.dash.solid() && canvas.clip.contains(x0, y0) && canvas.clip.contains(x1, y1)) {
        drawSolidInside(canvas, g, style.pen);
        return;
    }
    int64_t start = phase;
    forEachLinePixel(g, g.dMajor, canvas.clip, [&](int64_t x, int64_t y, int64_t i) {
        uint32_t *p = canvas.pixel(x, y);
        if (style.dash.on(start + i))
            *p = applyRop(*p, style.pen);
        else if (style.fillGaps)
            *p = applyRop(*p, style.background);
    });
    if (!style.dash.solid()) phase = (phase + g.dMajor) % style.dash.length;
}

void drawThinPath(const Canvas &canvas, const POINT *points, size_t count, int64_t originX, int64_t originY,
                  const LineStyle &style, int64_t &phase) {
    const bool solid = style.dash.solid();
    for (size_t i = 0; i + 1 < count; ++i) {
        const int64_t x0 = points[i].x + originX, y0 = points[i].y + originY;
        const int64_t x1 = points[i + 1].x + originX, y1 = points[i + 1].y + originY;
        if (solid && canvas.clip.contains(x0, y0) && canvas.clip.contains(x1, y1))
            drawSolidInside(canvas, lineGeometry(x0, y0, x1, y1), style.pen);
        else
            drawThinLine(canvas, x0, y0, x1, y1, style, phase);
    }
}

}  // namespace plat::raster
