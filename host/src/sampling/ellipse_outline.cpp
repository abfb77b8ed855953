// Ellipse outlines. The ellipse is walked in parameter t at steps of at most
// half a pixel, each point taking its nearest pixel. Two rules keep the chain
// simple where the ellipse is thin: points on either side of the long axis
// keep to pixels strictly on their side of it (only the tips of that axis and
// the start may lie on it), so the sides never share pixels; then 4-connected
// corners are removed (an 8-connected chain needs no detour through the corner
// pixel), and any pixel still met twice has the loop between its visits cut
// out. Gaps (which the half-pixel steps should not leave) are bridged with
// straight pixel lines, so the chain is 8-connected by construction.
#include "sampling/ellipse_outline.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>
#include <utility>

namespace host {

double semiAxisOf(double length) {
    return length > 1.0 ? (length - 1.0) / 2.0 : 0.0;
}

namespace {

int64_t nearestPixel(double v) {
    return static_cast<int64_t>(std::floor(v + 0.5));
}

// The long axis of the ellipse as a line through the centre, and which side
// of it each sample of the walk belongs to.
struct SideRule {
    bool byRows = true;  // sides split within each column (the axis is nearer horizontal)
    double cx = 0.0, cy = 0.0;
    double slope = 0.0;  // dy/dx along the axis when byRows, else dx/dy
    int plusSign = 1;    // +1: the walk's + side has the larger coordinate
    int64_t steps = 0;
    bool majorIsLong = true;

    // +1 or -1 for the side of sample k, 0 at the two tips of the long axis
    // and at the start.
    int sideOf(int64_t k) const;
    // p moved across the axis line, along the split coordinate, onto `side`.
    PixelPoint keep(PixelPoint p, int side) const;
};

int SideRule::sideOf(int64_t k) const {
    if (majorIsLong) {
        if (k == 0 || 2 * k == steps) return 0;
        return 2 * k < steps ? 1 : -1;  // sign of sin t
    }
    // The start (k = 0) keeps its nearest pixel too, so that the outline
    // always starts at the end of the first axis.
    if (k == 0 || 4 * k == steps || 4 * k == 3 * steps) return 0;
    return (4 * k > steps && 4 * k < 3 * steps) ? -1 : 1;  // sign of cos t
}

PixelPoint SideRule::keep(PixelPoint p, int side) const {
    const int want = side * plusSign;
    int64_t &v = byRows ? p.y : p.x;
    const double line =
        byRows ? cy + (static_cast<double>(p.x) - cx) * slope : cx + (static_cast<double>(p.y) - cy) * slope;
    if (want > 0 && static_cast<double>(v) <= line) v = static_cast<int64_t>(std::floor(line)) + 1;
    if (want < 0 && static_cast<double>(v) >= line) v = static_cast<int64_t>(std::ceil(line)) - 1;
    return p;
}

struct Walk {
    double cx, cy, a, b;
    double ux, uy;  // major axis direction
    double nx, ny;  // minor axis direction, a quarter turn clockwise on the screen from u
    SideRule rule;
};

Walk walkOf(const EllipseShape &shape, double a, double b) {
    Walk w{};
    w.cx = static_cast<double>(shape.centre.x);
    w.cy = static_cast<double>(shape.centre.y);
    w.a = a;
    w.b = b;
    w.ux = std::cos(shape.angle);
    w.uy = std::sin(shape.angle);
    w.nx = -w.uy;
    w.ny = w.ux;
    // At least four steps per pixel of the longer semi-axis' circumference,
    // a multiple of 4 so that the tips fall on exact steps.
    w.rule.steps = 4 * (static_cast<int64_t>(std::ceil(std::numbers::pi * std::max(a, b))) + 2);
    w.rule.majorIsLong = a >= b;
    const double dx = w.rule.majorIsLong ? w.ux : w.nx;  // along the long axis
    const double dy = w.rule.majorIsLong ? w.uy : w.ny;
    const double offX = w.rule.majorIsLong ? w.nx : w.ux;  // towards the + side
    const double offY = w.rule.majorIsLong ? w.ny : w.uy;
    w.rule.cx = w.cx;
    w.rule.cy = w.cy;
    w.rule.byRows = std::abs(dx) >= std::abs(dy);
    w.rule.slope = w.rule.byRows ? dy / dx : dx / dy;
    w.rule.plusSign = (w.rule.byRows ? offY : offX) > 0.0 ? 1 : -1;
    return w;
}

std::vector<PixelPoint> walkPixels(const Walk &w) {
    std::vector<PixelPoint> chain;
    const int64_t steps = w.rule.steps;
    for (int64_t k = 0; k < steps; ++k) {
        const double t = 2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(steps);
        const double along = w.a * std::cos(t);
        const double across = w.b * std::sin(t);
        PixelPoint p{nearestPixel(w.cx + along * w.ux + across * w.nx),
                     nearestPixel(w.cy + along * w.uy + across * w.ny)};
        if (const int side = w.rule.sideOf(k); side != 0) p = w.rule.keep(p, side);
        if (chain.empty() || !(chain.back() == p)) chain.push_back(p);
    }
    while (chain.size() > 1 && chain.back() == chain.front()) chain.pop_back();
    return chain;
}

// Fills any gap between consecutive pixels (and between the last and the
// first) with the pixels of the straight line between them.
std::vector<PixelPoint> bridged(const std::vector<PixelPoint> &chain) {
    std::vector<PixelPoint> out;
    for (size_t i = 0; i < chain.size(); ++i) {
        out.push_back(chain[i]);
        const LinePath gap{chain[i], chain[(i + 1) % chain.size()]};
        for (int64_t s = 1; s < gap.steps(); ++s) out.push_back(gap.sampleAt(s));
    }
    return out;
}

bool fourAdjacent(PixelPoint p, PixelPoint q) {
    return std::llabs(p.x - q.x) + std::llabs(p.y - q.y) == 1;
}

bool isCorner(PixelPoint prev, PixelPoint p, PixelPoint next) {
    return fourAdjacent(prev, p) && fourAdjacent(p, next) && std::llabs(prev.x - next.x) == 1 &&
           std::llabs(prev.y - next.y) == 1;
}

// How far a pixel lies from the ellipse, as |rho - 1| with rho the pixel's
// radius in units of the semi-axes (at least half a pixel each, so that thin
// ellipses compare too).
struct Deviation {
    const Walk &walk;
    double operator()(PixelPoint p) const {
        const double x = static_cast<double>(p.x) - walk.cx;
        const double y = static_cast<double>(p.y) - walk.cy;
        const double along = (x * walk.ux + y * walk.uy) / std::max(walk.a, 0.5);
        const double across = (x * walk.nx + y * walk.ny) / std::max(walk.b, 0.5);
        return std::abs(std::hypot(along, across) - 1.0);
    }
};

// Removes corner pixels (never the start) while more than four pixels remain.
// In a staircase of two corners in a row only one can go: the one farther
// from the ellipse, which keeps mirror-image stretches alike.
std::vector<PixelPoint> withoutCorners(const std::vector<PixelPoint> &chain, const Deviation &deviation) {
    if (chain.size() <= 4) return chain;
    const size_t n = chain.size();
    std::vector<PixelPoint> out{chain.front()};
    size_t remaining = n;
    for (size_t i = 1; i < n; ++i) {
        const PixelPoint next = i + 1 < n ? chain[i + 1] : out.front();
        if (remaining > 4 && isCorner(out.back(), chain[i], next)) {
            const bool nextIsCorner =
                i + 1 < n && isCorner(chain[i], next, i + 2 < n ? chain[i + 2] : out.front());
            if (!nextIsCorner || deviation(chain[i]) >= deviation(next)) {
                --remaining;
                continue;
            }
        }
        out.push_back(chain[i]);
    }
    return out;
}

// Cuts out the loop between two visits of one pixel, keeping the first visit,
// so the start stays and consecutive pixels stay 8-adjacent.
std::vector<PixelPoint> withoutLoops(const std::vector<PixelPoint> &chain) {
    std::vector<PixelPoint> out;
    std::map<std::pair<int64_t, int64_t>, size_t> position;
    for (const PixelPoint p : chain) {
        const auto found = position.find({p.x, p.y});
        if (found != position.end()) {
            for (size_t j = found->second + 1; j < out.size(); ++j) position.erase({out[j].x, out[j].y});
            out.resize(found->second + 1);
            continue;
        }
        position[{p.x, p.y}] = out.size();
        out.push_back(p);
    }
    return out;
}

}  // namespace

std::optional<std::vector<PixelPoint>> ellipseOutline(const EllipseShape &shape) {
    if (!std::isfinite(shape.major) || !std::isfinite(shape.minor) || !std::isfinite(shape.angle) ||
        shape.major > kMaxEllipseAxis || shape.minor > kMaxEllipseAxis) {
        return std::nullopt;
    }
    const double a = semiAxisOf(shape.major);
    const double b = semiAxisOf(shape.minor);
    if (a == 0.0 && b == 0.0) return std::vector<PixelPoint>{shape.centre};
    const Walk walk = walkOf(shape, a, b);
    const Deviation deviation{walk};
    std::vector<PixelPoint> chain = withoutCorners(bridged(walkPixels(walk)), deviation);
    // Cutting a loop can bring a new corner together; the last pass removes it.
    return withoutCorners(withoutLoops(chain), deviation);
}

}  // namespace host
