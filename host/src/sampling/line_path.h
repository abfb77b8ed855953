// Where the samples of a straight line or a polyline lie: the sample counts and
// the exact nearest-pixel position of each sample.
//
// A line from (x1, y1) to (x2, y2) has n = max(|dx|, |dy|) + 1 samples; sample i
// lies at (x1 + i dx / (n - 1), y1 + i dy / (n - 1)) and reads the pixel
// floor(v + 0.5) in each coordinate. With m = n - 1 that pixel is
// x1 + floor((2 i dx + m) / (2 m)), an integer expression, so positions are
// computed exactly without floating point.
#pragma once

#include <cstdint>
#include <optional>

namespace host {

struct PixelPoint {
    int64_t x = 0;
    int64_t y = 0;
    bool operator==(const PixelPoint &) const = default;
};

// One straight line in image pixels, from `start` to `end` inclusive.
struct LinePath {
    PixelPoint start;
    PixelPoint end;

    int64_t dx() const { return end.x - start.x; }
    int64_t dy() const { return end.y - start.y; }
    // max(|dx|, |dy|): the number of steps, one less than the number of samples.
    int64_t steps() const;
    int64_t sampleCount() const { return steps() + 1; }
    // The pixel that sample i (0 <= i < sampleCount()) reads.
    PixelPoint sampleAt(int64_t i) const;
};

// The largest count a reading can report (counts are returned as 32-bit values).
inline constexpr int64_t kMaxSampleCount = INT32_MAX;

// floor(a / b) for b > 0, also for negative a.
int64_t floorDiv(int64_t a, int64_t b);

// Samples of a polyline through `n` vertices: each segment gives its samples
// without its last point, the final vertex gives one more. Repeated consecutive
// vertices add nothing. Empty for n < 1 or a count beyond kMaxSampleCount.
template <class VertexAt>
std::optional<int64_t> polylineSampleCount(int64_t n, VertexAt vertexAt) {
    if (n < 1) return std::nullopt;
    int64_t total = 1;
    for (int64_t k = 0; k + 1 < n; ++k) {
        total += LinePath{vertexAt(k), vertexAt(k + 1)}.steps();
        if (total > kMaxSampleCount) return std::nullopt;
    }
    return total;
}

}  // namespace host
