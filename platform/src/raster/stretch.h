// Nearest-neighbour blits: BitBlt, StretchBlt and StretchDIBits all reduce to
// copying a source rectangle onto a destination rectangle of any size.
//
// Destination pixel i of a run of n takes source pixel floor(i * m / n) of
// the source run of m (counted from the far end when the blit mirrors), that
// is the source pixel under the destination pixel's left (top) edge. Integer
// zooms replicate each source pixel exactly k times; shrinking by k keeps
// source pixels 0, k, 2k, ... The maps are built once per blit with integer
// steps, never a division per pixel; rows that map to the same source row as
// the previous destination row are copied from it.
#pragma once

#include <climits>
#include <cstdint>
#include <functional>
#include <vector>

#include "raster/canvas.h"

namespace plat::raster {

struct StretchRequest {
    Box dest;                    // normalised destination rectangle (surface coordinates)
    int64_t srcX = 0, srcY = 0;  // normalised source rectangle, rows counted from the top
    int64_t srcWidth = 0, srcHeight = 0;
    bool mirrorX = false, mirrorY = false;
    Box sourceBounds;      // readable source pixels; destination pixels that
                           // map elsewhere are left alone
    uint8_t rop = 0xCC;    // ROP3 index (SRCCOPY)
    uint32_t pattern = 0;  // brush pixel for ROP3s that use the pattern
};

// Gives pixels x0..x1-1 (0x00RRGGBB) of source row y; the pointer addresses pixel x0.
using SourceRows = std::function<const uint32_t *(int64_t y, int64_t x0, int64_t x1)>;

// For destination offsets [first, first + count) of a run of dstLen mapped
// onto srcLen source pixels starting at srcStart: the source coordinate of
// each, or kUnmapped where it falls outside [lo, hi).
constexpr int64_t kUnmapped = INT64_MIN;
std::vector<int64_t> nearestMap(int64_t dstLen, int64_t srcLen, int64_t srcStart, bool mirror, int64_t first,
                                int64_t count, int64_t lo, int64_t hi);

void stretchBlit(const Canvas &canvas, const StretchRequest &request, const SourceRows &rows);

}  // namespace plat::raster
