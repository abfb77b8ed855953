// Ellipse outlines and interiors.
#include <algorithm>
#include <cmath>
#include <vector>

#include "raster/shape.h"
#include "raster/span.h"

namespace plat::raster {

namespace {

uint64_t isqrt(uint64_t n) {
    auto r = static_cast<uint64_t>(std::sqrt(static_cast<long double>(n)));
    while (r > 0 && r * r > n) --r;
    while ((r + 1) * (r + 1) <= n) ++r;
    return r;
}

struct Span {
    int64_t x0 = 0, x1 = 0;  // empty when x0 >= x1
};

Span rowSpan(const EllipseRows &rows, int64_t y) {
    Span s;
    if (!rows.span(y, s.x0, s.x1)) s = {};
    return s;
}

Span intersect(Span a, Span b) {
    return {std::max(a.x0, b.x0), std::min(a.x1, b.x1)};
}

// The interior of row y for a one-pixel outline: pixels whose four
// neighbours all belong to the ellipse. The outline is the rest of the row.
Span thinInterior(const EllipseRows &rows, int64_t y, Span own) {
    Span in{own.x0 + 1, own.x1 - 1};
    return intersect(intersect(in, rowSpan(rows, y - 1)), rowSpan(rows, y + 1));
}

void fillSpanDifference(const Canvas &canvas, int64_t y, Span all, Span hole, const RopMasks &masks) {
    if (hole.x0 >= hole.x1) {
        fillSpan(canvas, y, all.x0, all.x1, masks);
        return;
    }
    fillSpan(canvas, y, all.x0, std::min(all.x1, hole.x0), masks);
    fillSpan(canvas, y, std::max(all.x0, hole.x1), all.x1, masks);
}

// Dashed outlines: the pattern runs clockwise from 12 o'clock, pixels on the
// same ray ordered from the centre out. Angles are compared exactly with
// cross products of doubled, centred coordinates. This walks the whole
// outline, so ellipses larger than kMaxDashedSide draw their outline solid.
constexpr int64_t kMaxDashedSide = 8192;

struct OutlinePixel {
    int64_t x, y, cx, cy;  // pixel, and doubled offset from the centre
};

bool clockwiseBefore(const OutlinePixel &a, const OutlinePixel &b) {
    auto half = [](const OutlinePixel &p) { return (p.cx > 0 || (p.cx == 0 && p.cy < 0)) ? 0 : 1; };
    int ha = half(a), hb = half(b);
    if (ha != hb) return ha < hb;
    int64_t cross = a.cx * b.cy - a.cy * b.cx;
    if (cross != 0) return cross > 0;
    return a.cx * a.cx + a.cy * a.cy < b.cx * b.cx + b.cy * b.cy;
}

void dashedEllipseOutline(const Canvas &canvas, const Box &box, const EllipseRows &rows,
                          const LineStyle &style) {
    std::vector<OutlinePixel> pixels;
    for (int64_t y = box.top; y < box.bottom; ++y) {
        Span own = rowSpan(rows, y);
        Span in = thinInterior(rows, y, own);
        for (int64_t x = own.x0; x < own.x1; ++x) {
            if (x >= in.x0 && x < in.x1) continue;
            pixels.push_back({x, y, 2 * x - (box.left + box.right - 1), 2 * y - (box.top + box.bottom - 1)});
        }
    }
    std::sort(pixels.begin(), pixels.end(), clockwiseBefore);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const OutlinePixel &p = pixels[i];
        if (!canvas.contains(p.x, p.y)) continue;
        uint32_t *d = canvas.pixel(p.x, p.y);
        if (style.dash.on(static_cast<int64_t>(i)))
            *d = applyRop(*d, style.pen);
        else if (style.fillGaps)
            *d = applyRop(*d, style.background);
    }
}

void fillEllipse(const Canvas &canvas, const Box &box, const RopMasks &masks) {
    EllipseRows rows(box);
    Box visible = box.intersect(canvas.clip);
    for (int64_t y = visible.top; y < visible.bottom; ++y) {
        Span s = rowSpan(rows, y);
        fillSpan(canvas, y, s.x0, s.x1, masks);
    }
}

void thinEllipse(const Canvas &canvas, const Box &box, const ShapePen &pen, const RopMasks *brush) {
    EllipseRows rows(box);
    Box visible = box.intersect(canvas.clip);
    bool dashed = !pen.style.dash.solid() && box.right - box.left <= kMaxDashedSide &&
                  box.bottom - box.top <= kMaxDashedSide;
    for (int64_t y = visible.top; y < visible.bottom; ++y) {
        Span own = rowSpan(rows, y);
        Span in = thinInterior(rows, y, own);
        if (brush) fillSpan(canvas, y, in.x0, in.x1, *brush);
        if (!dashed) fillSpanDifference(canvas, y, own, in, pen.style.pen);
    }
    if (dashed) dashedEllipseOutline(canvas, box, rows, pen.style);
}

void wideEllipse(const Canvas &canvas, const Box &box, const ShapePen &pen, const RopMasks *brush) {
    Box outer, inner;
    wideOutlineBoxes(box, pen.width, pen.insideFrame, outer, inner);
    EllipseRows outerRows(outer), innerRows(inner);
    Box visible = outer.intersect(canvas.clip);
    for (int64_t y = visible.top; y < visible.bottom; ++y) {
        Span in = inner.empty() ? Span{} : rowSpan(innerRows, y);
        if (brush) fillSpan(canvas, y, in.x0, in.x1, *brush);
        fillSpanDifference(canvas, y, rowSpan(outerRows, y), in, pen.style.pen);
    }
}

}  // namespace

bool EllipseRows::span(int64_t y, int64_t &x0, int64_t &x1) const {
    if (box_.empty() || y < box_.top || y >= box_.bottom) return false;
    // Doubled coordinates centred on the box: X = 2x - (l + r - 1), and the
    // semi-axes are the box width A and height B. Inside:
    // X^2 B^2 + Y^2 A^2 <= A^2 B^2 + slack.
    using I128 = __int128;
    int64_t a = box_.right - box_.left, b = box_.bottom - box_.top;
    I128 a2 = static_cast<I128>(a) * a, b2 = static_cast<I128>(b) * b;
    // The slack is zero except for very eccentric boxes (such as 2 x 8),
    // where the pixel centres of the middle of an edge would fall just
    // outside; it is the least that puts them inside, so that an ellipse
    // always reaches all four edges of its box.
    I128 slackTop = (a % 2 == 0 ? b2 : 0) - a2 * (2 * b - 1);
    I128 slackSide = (b % 2 == 0 ? a2 : 0) - b2 * (2 * a - 1);
    I128 slack = std::max<I128>({0, slackTop, slackSide});
    int64_t yy = 2 * y - (box_.top + box_.bottom - 1);
    I128 limit = (a2 * (b2 - static_cast<I128>(yy) * yy) + slack) / b2;
    auto xmax = std::min(static_cast<int64_t>(isqrt(static_cast<uint64_t>(limit))), a - 1);
    if (((xmax - (a - 1)) & 1) != 0) --xmax;  // X has the parity of a - 1
    if (xmax < 0) return false;
    int64_t centre2 = box_.left + box_.right - 1;
    x0 = (centre2 - xmax) / 2;
    x1 = (centre2 + xmax) / 2 + 1;
    return true;
}

void drawEllipse(const Canvas &canvas, const Box &box, const ShapePen *pen, const RopMasks *brush) {
    if (box.empty()) return;
    if (!pen) {
        if (brush) fillEllipse(canvas, {box.left, box.top, box.right - 1, box.bottom - 1}, *brush);
        return;
    }
    if (pen->width <= 1)
        thinEllipse(canvas, box, *pen, brush);
    else
        wideEllipse(canvas, box, *pen, brush);
}

}  // namespace plat::raster
