// Rectangle outlines and interiors.
#include "raster/shape.h"

#include "raster/span.h"

namespace plat::raster {

void wideOutlineBoxes(const Box &box, int width, bool insideFrame, Box &outer, Box &inner) {
    if (insideFrame) {
        outer = box;
        inner = box.inflate(-width);
        return;
    }
    int64_t lo = -(width - 1) / 2;
    outer = {box.left + lo, box.top + lo, box.right - 1 + lo + width, box.bottom - 1 + lo + width};
    inner = {box.left + lo + width, box.top + lo + width, box.right - 1 + lo, box.bottom - 1 + lo};
}

namespace {

// A one-pixel outline walked clockwise from the top-left corner, so that a
// dash pattern runs continuously round the rectangle.
void thinRectangleOutline(const Canvas &canvas, const Box &b, const LineStyle &style) {
    int64_t phase = 0;
    int64_t l = b.left, t = b.top, r = b.right - 1, bt = b.bottom - 1;
    if (l == r || t == bt) {  // a single row or column: one run, end included
        drawThinLine(canvas, l, t, l == r ? l : r + 1, l == r ? bt + 1 : t, style, phase);
        return;
    }
    drawThinLine(canvas, l, t, r, t, style, phase);
    drawThinLine(canvas, r, t, r, bt, style, phase);
    drawThinLine(canvas, r, bt, l, bt, style, phase);
    drawThinLine(canvas, l, bt, l, t, style, phase);
}

}  // namespace

void drawRectangle(const Canvas &canvas, const Box &box, const ShapePen *pen, const RopMasks *brush) {
    if (box.empty()) return;
    if (!pen) {
        if (brush) fillBox(canvas, {box.left, box.top, box.right - 1, box.bottom - 1}, *brush);
        return;
    }
    if (pen->width <= 1) {
        if (brush) fillBox(canvas, box.inflate(-1), *brush);
        if (pen->style.dash.solid())
            fillFrame(canvas, box, box.inflate(-1), pen->style.pen);
        else
            thinRectangleOutline(canvas, box, pen->style);
        return;
    }
    Box outer, inner;
    wideOutlineBoxes(box, pen->width, pen->insideFrame, outer, inner);
    if (brush) fillBox(canvas, inner, *brush);
    fillFrame(canvas, outer, inner, pen->style.pen);
}

}  // namespace plat::raster
