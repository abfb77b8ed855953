// Closed shapes: Rectangle and Ellipse as GDI draws them, an outline with the
// pen and an interior with the brush, both through the ROP2. Boxes are
// normalised and half-open: [left, right) x [top, bottom), so the right and
// bottom edges are excluded as Windows excludes them.
#pragma once

#include <cstdint>

#include "raster/canvas.h"
#include "raster/line.h"
#include "raster/rop.h"

namespace plat::raster {

struct ShapePen {
    LineStyle style;  // dash pattern applies to one-pixel pens only
    int width = 1;
    bool insideFrame = false;  // PS_INSIDEFRAME: a wide outline stays inside the box
};

// pen null: PS_NULL; brush null: hollow brush. With a null pen Windows fills
// a shape one pixel narrower and shorter ([left, right - 1) x [top, bottom - 1)).
void drawRectangle(const Canvas &canvas, const Box &box, const ShapePen *pen, const RopMasks *brush);
void drawEllipse(const Canvas &canvas, const Box &box, const ShapePen *pen, const RopMasks *brush);

// The boxes of a wide outline: for width w the pen is centred on the one-pixel
// outline of `box` (offsets lo = -(w - 1) / 2 .. lo + w - 1), or lies inside
// box for PS_INSIDEFRAME. The outline is outer minus inner; the brush fills inner.
void wideOutlineBoxes(const Box &box, int width, bool insideFrame, Box &outer, Box &inner);

// The pixels of the filled ellipse inscribed in a box: those whose centres
// satisfy the ellipse equation, evaluated exactly in integers at doubled
// coordinates with semi-axes of half the box size (the midpoint criterion).
// The ellipse is symmetric about both axes of the box and touches all four
// of its edges (very eccentric boxes get the least widening that makes it so).
class EllipseRows {
public:
    explicit EllipseRows(const Box &box) : box_(box) {}
    // [x0, x1) of row y; false when the row has no pixel.
    bool span(int64_t y, int64_t &x0, int64_t &x1) const;

private:
    Box box_;
};

}  // namespace plat::raster
