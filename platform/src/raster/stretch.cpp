// Nearest-neighbour blits.
#include "raster/stretch.h"

#include <algorithm>
#include <cstring>

#include "raster/rop.h"

namespace plat::raster {

std::vector<int64_t> nearestMap(int64_t dstLen, int64_t srcLen, int64_t srcStart, bool mirror, int64_t first,
                                int64_t count, int64_t lo, int64_t hi) {
    std::vector<int64_t> map(static_cast<size_t>(std::max<int64_t>(count, 0)));
    if (count <= 0) return map;
    // q + r / dstLen = i * srcLen / dstLen, stepped without dividing.
    int64_t q = first * srcLen / dstLen, r = first * srcLen % dstLen;
    int64_t whole = srcLen / dstLen, part = srcLen % dstLen;
    for (int64_t i = 0; i < count; ++i) {
        int64_t s = srcStart + (mirror ? srcLen - 1 - q : q);
        map[static_cast<size_t>(i)] = (s >= lo && s < hi) ? s : kUnmapped;
        q += whole;
        r += part;
        if (r >= dstLen) {
            r -= dstLen;
            ++q;
        }
    }
    return map;
}

namespace {

void blitRow(uint32_t *dest, const uint32_t *src, int64_t srcX0, const std::vector<int64_t> &cols,
             uint8_t rop, uint32_t pattern) {
    for (size_t i = 0; i < cols.size(); ++i) {
        if (cols[i] == kUnmapped) continue;
        uint32_t s = src[cols[i] - srcX0];
        dest[i] = rop == 0xCC ? s : applyRop3(rop, pattern, s, dest[i]);
    }
}

// An unscaled, unmirrored copy: each visible row whose source row exists is
// one block move of the columns whose source columns exist; the rest is left
// alone, as the general walk leaves unmapped pixels.
void copyUnscaled(const Canvas &canvas, const StretchRequest &q, const Box &visible, const SourceRows &rows) {
    const int64_t toSourceX = q.srcX - q.dest.left, toSourceY = q.srcY - q.dest.top;
    const int64_t left = std::max(visible.left, q.sourceBounds.left - toSourceX);
    const int64_t right = std::min(visible.right, q.sourceBounds.right - toSourceX);
    const int64_t top = std::max(visible.top, q.sourceBounds.top - toSourceY);
    const int64_t bottom = std::min(visible.bottom, q.sourceBounds.bottom - toSourceY);
    if (left >= right) return;
    const size_t rowBytes = static_cast<size_t>(right - left) * sizeof(uint32_t);
    for (int64_t y = top; y < bottom; ++y)
        std::memmove(canvas.pixel(left, y), rows(y + toSourceY, left + toSourceX, right + toSourceX),
                     rowBytes);
}

}  // namespace

void stretchBlit(const Canvas &canvas, const StretchRequest &q, const SourceRows &rows) {
    Box visible = q.dest.intersect(canvas.clip);
    if (visible.empty() || q.srcWidth <= 0 || q.srcHeight <= 0) return;
    int64_t dw = q.dest.right - q.dest.left, dh = q.dest.bottom - q.dest.top;
    if (q.rop == 0xCC && !q.mirrorX && !q.mirrorY && q.srcWidth == dw && q.srcHeight == dh) {
        copyUnscaled(canvas, q, visible, rows);
        return;
    }
    std::vector<int64_t> cols =
        nearestMap(dw, q.srcWidth, q.srcX, q.mirrorX, visible.left - q.dest.left,
                   visible.right - visible.left, q.sourceBounds.left, q.sourceBounds.right);
    std::vector<int64_t> rowMap =
        nearestMap(dh, q.srcHeight, q.srcY, q.mirrorY, visible.top - q.dest.top, visible.bottom - visible.top,
                   q.sourceBounds.top, q.sourceBounds.bottom);
    int64_t lo = INT64_MAX, hi = INT64_MIN;
    bool complete = true;  // every destination column has a source column
    for (int64_t c : cols) {
        if (c == kUnmapped) {
            complete = false;
            continue;
        }
        lo = std::min(lo, c);
        hi = std::max(hi, c);
    }
    if (lo > hi) return;
    bool identity = !q.mirrorX && q.srcWidth == dw && complete;
    size_t rowBytes = cols.size() * sizeof(uint32_t);
    int64_t previous = kUnmapped;
    uint32_t *previousDest = nullptr;
    for (int64_t y = visible.top; y < visible.bottom; ++y) {
        int64_t sy = rowMap[static_cast<size_t>(y - visible.top)];
        if (sy == kUnmapped) continue;
        uint32_t *dest = canvas.pixel(visible.left, y);
        if (q.rop == 0xCC && complete && sy == previous) {
            std::memcpy(dest, previousDest, rowBytes);
        } else {
            const uint32_t *src = rows(sy, lo, hi + 1);
            if (q.rop == 0xCC && identity)
                std::memmove(dest, src + (cols[0] - lo), rowBytes);
            else
                blitRow(dest, src, lo, cols, q.rop, q.pattern);
        }
        previous = sy;
        previousDest = dest;
    }
}

}  // namespace plat::raster
