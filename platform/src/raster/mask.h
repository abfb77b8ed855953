// Coverage masks: the set of pixels a compound shape covers (a wide line made
// of overlapping pen stamps, a polyline), so that every pixel is written once
// whatever the overlaps and an XOR shape drawn twice still restores the
// surface.
#pragma once

#include <cstdint>
#include <vector>

#include "raster/canvas.h"
#include "raster/rop.h"

namespace plat::raster {

// The rows of a pen stamp: for width w, the offsets [lo, lo + w) with
// lo = -(w - 1) / 2 on each axis, keeping the pixels whose centres lie within
// w / 2 of the stamp's centre. Half-open spans (dy, dx0, dx1).
struct StampRow {
    int dy, dx0, dx1;
};
std::vector<StampRow> penStamp(int width);

class CoverageMask {
public:
    // Only pixels inside box are recorded (the visible part of the shape).
    explicit CoverageMask(const Box &box);

    const Box &box() const { return box_; }
    void setSpan(int64_t y, int64_t x0, int64_t x1);
    bool test(int64_t x, int64_t y) const;
    // A pen stamp centred on pixel (x, y).
    void stamp(int64_t x, int64_t y, const std::vector<StampRow> &rows);
    void apply(const Canvas &canvas, const RopMasks &masks) const;

private:
    Box box_;
    std::vector<uint8_t> covered_;
};

// Marks the pixels of a wide line: a pen stamp on every pixel of the
// one-pixel line, both end points included (the round caps of Windows'
// wide pens).
void strokeWideLine(CoverageMask &mask, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int width);

}  // namespace plat::raster
