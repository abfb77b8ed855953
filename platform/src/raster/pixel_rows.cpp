// Pixel runs (see pixel_rows.h).
#include "raster/pixel_rows.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "raster/rop.h"

namespace plat::raster {

void fillPixels(uint32_t *out, size_t count, uint32_t value) {
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i four = _mm_set1_epi32(static_cast<int>(value));
    for (; i + 8 <= count; i += 8) {
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), four);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 4), four);
    }
#endif
    for (; i < count; ++i) out[i] = value;
}

void copyColourBits(uint32_t *out, const uint8_t *in, size_t count) {
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i mask = _mm_set1_epi32(static_cast<int>(kColorBits));
    for (; i + 4 <= count; i += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + 4 * i));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), _mm_and_si128(v, mask));
    }
#endif
    for (; i < count; ++i) {
        uint32_t pixel;
        std::memcpy(&pixel, in + 4 * i, sizeof pixel);
        out[i] = pixel & kColorBits;
    }
}

}  // namespace plat::raster
