// Plot lines: points to pixels, the reduction to column extremes, clipping
// to the plot area and the polylines.
#include "chart/chart_plot_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace host {

namespace {

// Far outside any surface, yet small enough that the clipping arithmetic on
// it stays exact to well under a pixel.
constexpr double kFarAway = 1e9;

// Pixel positions; NaN in either breaks the line.
using Point = PixelPoint;

bool valid(const Point &p) {
    return !std::isnan(p.x) && !std::isnan(p.y);
}

// std::clamp to +-kFarAway by value, which keeps NaN as NaN.
double nearby(double v) {
    return v < -kFarAway ? -kFarAway : (v > kFarAway ? kFarAway : v);
}

std::vector<Point> pixelPoints(const PlotLine &plot, const AxisScale &x, const AxisScale &y) {
    std::vector<Point> points(plot.y.size());
    for (size_t i = 0; i < points.size(); ++i)
        points[i] = Point{nearby(x.pixel(plot.x[i])), nearby(y.pixel(plot.y[i]))};
    return points;
}

// std::round (halves away from zero) of a valid point's x without the
// library call: points are clamped to kFarAway, and x - trunc(x) is exact.
double columnOf(const Point &p) {
    const auto whole = static_cast<int64_t>(p.x);
    const double fraction = p.x - static_cast<double>(whole);
    return static_cast<double>(whole + (fraction >= 0.5) - (fraction <= -0.5));
}

// Each run of points that falls in one column of [left, right] becomes its
// first point, its lowest and its highest (in the order they came) and its
// last: a path through them covers the column's pixels from lowest to
// highest as the whole run does, and the run is joined to its neighbours by
// its true first and last points.
std::vector<Point> columnExtremes(const std::vector<Point> &points, double left, double right) {
    std::vector<Point> out;
    out.reserve(4 * static_cast<size_t>(right - left + 1) + 2);
    size_t i = 0;
    while (i < points.size()) {
        const Point &start = points[i];
        const double column = valid(start) ? columnOf(start) : 0.0;
        if (!valid(start) || column < left || column > right) {
            out.push_back(start);
            ++i;
            continue;
        }
        size_t low = i, high = i, j = i + 1;
        for (; j < points.size() && valid(points[j]) && columnOf(points[j]) == column; ++j) {
            if (points[j].y < points[low].y) low = j;
            if (points[j].y > points[high].y) high = j;
        }
        const size_t last = j - 1, first = std::min(low, high), second = std::max(low, high);
        out.push_back(start);
        if (first != i && first != last) out.push_back(points[first]);
        if (second != first && second != i && second != last) out.push_back(points[second]);
        if (last != i) out.push_back(points[last]);
        i = j;
    }
    return out;
}

// Liang-Barsky: the part of the segment a-b inside the box; false when none.
// startCut and endCut tell whether an end was moved onto the box's edge.
struct Box {
    double left, top, right, bottom;
};

bool inside(const Point &p, const Box &box) {
    return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
}

bool clipSegment(Point &a, Point &b, const Box &box, bool &startCut, bool &endCut) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t0 = 0.0, t1 = 1.0;
    // With both ends in the box every edge test leaves t0 at 0 and t1 at 1
    // (rounding is monotonic), so they need not run; the ends are still
    // recomputed below as the general case computes them.
    const bool whole = inside(a, box) && inside(b, box);
    auto edge = [&](double p, double q) {
        if (p == 0.0) return q >= 0.0;
        double r = q / p;
        if (p < 0.0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    if (!whole && (!edge(-dx, a.x - box.left) || !edge(dx, box.right - a.x) || !edge(-dy, a.y - box.top) ||
                   !edge(dy, box.bottom - a.y)))
        return false;
    startCut = t0 > 0.0;
    endCut = t1 < 1.0;
    const Point from = a;
    a = Point{from.x + t0 * dx, from.y + t0 * dy};
    b = Point{from.x + t1 * dx, from.y + t1 * dy};
    return true;
}

// Collects the visible pieces of the line as runs, one drawing call each.
class RunDrawer {
public:
    RunDrawer(ChartCanvas &canvas, const PlotLine &plot) : canvas_(canvas), plot_(plot) {}
    ~RunDrawer() { finish(); }
    RunDrawer(const RunDrawer &) = delete;
    RunDrawer &operator=(const RunDrawer &) = delete;

    void reserve(size_t points) { run_.reserve(points); }
    // Continues the current run from `from` when it ends there, else starts a new one.
    void segment(const Point &from, const Point &to) {
        if (run_.empty() || !same(run_.back(), from)) {
            finish();
            run_.push_back(from);
        }
        if (!same(run_.back(), to)) run_.push_back(to);
    }
    void finish() {
        if (!run_.empty()) canvas_.plotRun(run_, plot_.colour, plot_.frozen);
        run_.clear();
    }

private:
    static bool same(const Point &a, const Point &b) { return a.x == b.x && a.y == b.y; }

    ChartCanvas &canvas_;
    const PlotLine &plot_;
    std::vector<Point> run_;
};

// True when every point is a number inside the box, the usual case of a
// chart scaled to its data: no segment needs clipping and no run breaks.
bool allInside(const std::vector<Point> &points, const Box &box) {
    bool in = true;
    for (const Point &p : points) in &= inside(p, box);  // false for NaN too
    return in;
}

// The runs of a line wholly inside the box, as the general walk below makes
// them: each segment ends where clipping with nothing cut puts it,
// from + (to - from), which may differ from `to` in the last bit and then
// starts a new run at `to`.
void drawInside(ChartCanvas &canvas, const PlotLine &plot, const std::vector<Point> &points) {
    RunDrawer runs(canvas, plot);
    runs.reserve(points.size());
    if (points.size() == 1) runs.segment(points[0], points[0]);
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const Point &a = points[i], &b = points[i + 1];
        runs.segment(a, Point{a.x + (b.x - a.x), a.y + (b.y - a.y)});
    }
}

}  // namespace

void drawPlotLine(ChartCanvas &canvas, const PlotLine &plot, const RECT &area, const AxisScale &x,
                  const AxisScale &y) {
    if (plot.y.empty() || plot.x.size() != plot.y.size()) return;

    // Pixel centres: whatever is clipped to this box rounds to a pixel of the area.
    const Box box{static_cast<double>(area.left), static_cast<double>(area.top),
                  static_cast<double>(area.right - 1), static_cast<double>(area.bottom - 1)};
    std::vector<Point> points = pixelPoints(plot, x, y);
    const size_t columns = static_cast<size_t>(area.right - area.left);
    // A column's run shrinks to at most four points, so only lines of more
    // than four points a column on average get shorter.
    if (points.size() > 4 * columns) points = columnExtremes(points, box.left, box.right);
    if (allInside(points, box)) {
        drawInside(canvas, plot, points);
        return;
    }

    RunDrawer runs(canvas, plot);
    for (size_t i = 0; i < points.size(); ++i) {
        if (!valid(points[i])) {
            runs.finish();
            continue;
        }
        const bool joined = i + 1 < points.size() && valid(points[i + 1]);
        const bool alone = !joined && (i == 0 || !valid(points[i - 1]));
        Point a = points[i], b = joined ? points[i + 1] : points[i];
        if (!joined && !alone) continue;
        bool startCut = false, endCut = false;
        if (!clipSegment(a, b, box, startCut, endCut)) {
            runs.finish();
            continue;
        }
        if (startCut) runs.finish();
        runs.segment(a, b);
        if (endCut || alone) runs.finish();
    }
}

}  // namespace host
