// Pixel access shared by every image class.
#include "core/image.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace host {

double Image::gray(int x, int y) const {
    const size_t i = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
    switch (cls) {
        case ImageClass::Gray8:
            return gray8[i];
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            return gray16[i];
        case ImageClass::Float:
            return gray32f[i];
        case ImageClass::Rgb:
            return (rgb[3 * i] + rgb[3 * i + 1] + rgb[3 * i + 2]) / 3.0;
    }
    return 0.0;
}

// NaN samples are no value, so they are left out.
std::optional<std::pair<float, float>> floatExtremes(const float *values, size_t count) {
    float lo = INFINITY, hi = -INFINITY;
    size_t i = 0;
#if defined(__SSE2__)
    // Four lanes at a time. MINPS and MAXPS answer their second operand when
    // either is NaN, so with the running extremes second NaN samples drop out.
    __m128 lanesLo = _mm_set1_ps(lo), lanesHi = _mm_set1_ps(hi);
    for (; i + 4 <= count; i += 4) {
        const __m128 v = _mm_loadu_ps(values + i);
        lanesLo = _mm_min_ps(v, lanesLo);
        lanesHi = _mm_max_ps(v, lanesHi);
    }
    alignas(16) float laneLo[4], laneHi[4];
    _mm_store_ps(laneLo, lanesLo);
    _mm_store_ps(laneHi, lanesHi);
    for (int lane = 0; lane < 4; ++lane) {
        lo = std::min(lo, laneLo[lane]);
        hi = std::max(hi, laneHi[lane]);
    }
#endif
    for (; i < count; ++i) {  // comparisons with NaN are false
        if (values[i] < lo) lo = values[i];
        if (values[i] > hi) hi = values[i];
    }
    if (lo > hi) return std::nullopt;
    return std::pair{lo, hi};
}

std::pair<double, double> Image::valueRange() const {
    switch (cls) {
        case ImageClass::Gray8:
        case ImageClass::Rgb:
            return {0.0, 255.0};
        case ImageClass::Gray12:
            return {0.0, 4095.0};
        case ImageClass::Gray16:
            return {0.0, 65535.0};
        case ImageClass::Float:
            break;
    }
    // With no value present the range is 0..0, which keeps callers' arithmetic finite.
    const float *values = gray32f.data();
    const size_t count = gray32f.size();
    const auto extremes = floatExtremes(values, count);
    if (!extremes) return {0.0, 0.0};
    auto [lo, hi] = *extremes;
    // Of equal extremes the first sample counts, which matters only for the
    // sign of a zero; the lanes lost the order, so the first zero is looked up.
    auto firstZero = [&] { return *std::find(values, values + count, 0.0f); };
    if (lo == 0.0f) lo = firstZero();
    if (hi == 0.0f) hi = firstZero();
    return {lo, hi};
}

}  // namespace host
