// Coverage masks and wide lines.
#include "raster/mask.h"

#include <algorithm>

#include "raster/line.h"

namespace plat::raster {

CoverageMask::CoverageMask(const Box &box) : box_(box) {
    if (box_.empty()) box_ = {};
    covered_.assign(static_cast<size_t>((box_.right - box_.left) * (box_.bottom - box_.top)), 0);
}

void CoverageMask::setSpan(int64_t y, int64_t x0, int64_t x1) {
    if (y < box_.top || y >= box_.bottom) return;
    x0 = std::max(x0, box_.left);
    x1 = std::min(x1, box_.right);
    if (x0 >= x1) return;
    auto row = covered_.begin() + (y - box_.top) * (box_.right - box_.left);
    std::fill(row + (x0 - box_.left), row + (x1 - box_.left), uint8_t{1});
}

bool CoverageMask::test(int64_t x, int64_t y) const {
    if (!box_.contains(x, y)) return false;
    return covered_[static_cast<size_t>((y - box_.top) * (box_.right - box_.left) + (x - box_.left))] != 0;
}

void CoverageMask::stamp(int64_t x, int64_t y, const std::vector<StampRow> &rows) {
    for (const StampRow &r : rows) setSpan(y + r.dy, x + r.dx0, x + r.dx1);
}

void CoverageMask::apply(const Canvas &canvas, const RopMasks &masks) const {
    Box visible = box_.intersect(canvas.clip);
    int64_t stride = box_.right - box_.left;
    for (int64_t y = visible.top; y < visible.bottom; ++y) {
        const uint8_t *m = covered_.data() + (y - box_.top) * stride;
        for (int64_t x = visible.left; x < visible.right; ++x)
            if (m[x - box_.left]) {
                uint32_t *p = canvas.pixel(x, y);
                *p = applyRop(*p, masks);
            }
    }
}

std::vector<StampRow> penStamp(int width) {
    std::vector<StampRow> rows;
    int lo = -(width - 1) / 2;
    int centre2 = 2 * lo + width - 1;  // twice the centre offset
    int64_t r2 = int64_t{width} * width;
    for (int j = lo; j < lo + width; ++j) {
        int first = 0, last = -1;
        for (int i = lo; i < lo + width; ++i) {
            int64_t di = 2 * i - centre2, dj = 2 * j - centre2;
            if (di * di + dj * dj <= r2) {
                if (last < first) first = i;
                last = i;
            }
        }
        if (last >= first) rows.push_back({j, first, last + 1});
    }
    return rows;
}

void strokeWideLine(CoverageMask &mask, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int width) {
    LineGeometry g = lineGeometry(x0, y0, x1, y1);
    std::vector<StampRow> rows = penStamp(width);
    Box reach = mask.box().inflate(width);
    forEachLinePixel(g, g.dMajor + 1, reach, [&](int64_t x, int64_t y, int64_t) { mask.stamp(x, y, rows); });
}

}  // namespace plat::raster
