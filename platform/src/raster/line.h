// Lines: the pixels of a one-pixel line, cosmetic dash patterns, and wide
// lines made of round pen stamps.
//
// The pixel rule (a Bresenham variant, exact in integers): a line from
// (x0, y0) to (x1, y1) steps along its major axis (x when |dx| >= |dy|, so
// diagonals are x-major) and lights one pixel per step, the end point
// excluded as GDI excludes it. At step i the minor coordinate is the exact
// value i * minor / major rounded to the nearest pixel; a tie (exactly half
// way) goes to the smaller coordinate, whatever the direction of drawing, so
// a line and its reverse light the same pixels apart from their end points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "raster/canvas.h"
#include "raster/rop.h"

namespace plat::raster {

// A cosmetic dash pattern: bit i of `bits` says whether pixel i of a period
// is drawn. length 0 means solid.
struct DashPattern {
    uint32_t bits = 0;
    int length = 0;

    bool solid() const { return length == 0; }
    bool on(int64_t phase) const { return solid() || ((bits >> (phase % length)) & 1u) != 0; }
};

// The pattern of a PS_ style (PS_SOLID and unknown styles: solid).
DashPattern dashPatternForStyle(int style);

struct LineStyle {
    RopMasks pen;           // pen colour through the ROP2
    RopMasks background;    // background colour through the ROP2
    bool fillGaps = false;  // OPAQUE background mode: gaps take the background
    DashPattern dash;
};

struct LineGeometry {
    int64_t x0, y0;  // start
    int64_t dMajor;  // steps along the major axis (the pixel count, end excluded)
    int64_t dMinor;
    bool xMajor;
    int sMajor, sMinor;  // +1 or -1
};

LineGeometry lineGeometry(int64_t x0, int64_t y0, int64_t x1, int64_t y1);

// Calls visit(x, y, i) for the pixels i in [0, count) of the line that lie in
// bounds, in order; count is dMajor for a GDI line, dMajor + 1 to include
// the end point. Pixels outside bounds are skipped without being walked.
template <typename Visit>
void forEachLinePixel(const LineGeometry &g, int64_t count, const Box &bounds, Visit &&visit);

// Draws a one-pixel line, end point excluded. phase is the position in the
// dash pattern of the first pixel; it is advanced past the line's pixels
// (clipped ones included) so that the pattern runs on into the next line.
void drawThinLine(const Canvas &canvas, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                  const LineStyle &style, int64_t &phase);
// The segments between consecutive points (offset by origin into surface
// coordinates), each drawn as drawThinLine draws it, the pattern running on.
void drawThinPath(const Canvas &canvas, const POINT *points, size_t count, int64_t originX, int64_t originY,
                  const LineStyle &style, int64_t &phase);

// ---- implementation of the template --------------------------------------------

// Minor offset k at step i (see the header comment), with its error term e =
// 2*i*minor - 2*major*k kept in (-major, major] (positive minor direction) or
// [-major, major) (negative), which is what puts ties on the smaller side.
struct LineStepper {
    int64_t k = 0, e = 0, major = 0, minor = 0;
    bool positive = true;

    void start(int64_t i);
    void step() {
        e += 2 * minor;
        if (positive ? e > major : e >= major) {
            ++k;
            e -= 2 * major;
        }
    }
};

// The step range [first, last) that can land in bounds (conservative).
void lineStepRange(const LineGeometry &g, int64_t count, const Box &bounds, int64_t &first, int64_t &last);

template <typename Visit>
void forEachLinePixel(const LineGeometry &g, int64_t count, const Box &bounds, Visit &&visit) {
    int64_t first = 0, last = 0;
    lineStepRange(g, count, bounds, first, last);
    if (first >= last) return;
    LineStepper s;
    s.major = g.dMajor;
    s.minor = g.dMinor;
    s.positive = g.sMinor > 0;
    s.start(first);
    for (int64_t i = first; i < last; ++i) {
        int64_t a = g.sMajor * i;
        int64_t b = g.sMinor * s.k;
        int64_t x = g.x0 + (g.xMajor ? a : b);
        int64_t y = g.y0 + (g.xMajor ? b : a);
        if (bounds.contains(x, y)) visit(x, y, i);
        s.step();
    }
}

}  // namespace plat::raster
