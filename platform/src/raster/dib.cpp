// DIB headers and row conversion.
#include "raster/dib.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "raster/pixel_rows.h"

namespace plat::raster {

std::optional<DibLayout> dibLayout(const BITMAPINFO *info, UINT usage) {
    if (!info || usage != DIB_RGB_COLORS) return std::nullopt;
    const BITMAPINFOHEADER &h = info->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biCompression != BI_RGB) return std::nullopt;
    if (h.biBitCount != 8 && h.biBitCount != 24 && h.biBitCount != 32) return std::nullopt;
    DibLayout d;
    d.width = h.biWidth;
    d.height = h.biHeight < 0 ? -int64_t{h.biHeight} : int64_t{h.biHeight};
    d.topDown = h.biHeight < 0;
    d.bitCount = h.biBitCount;
    if (d.width <= 0 || d.height <= 0 || d.width > kMaxDibSide || d.height > kMaxDibSide) return std::nullopt;
    d.stride = (d.width * d.bitCount + 31) / 32 * 4;
    if (d.stride > kMaxDibBytes / d.height) return std::nullopt;
    if (d.bitCount == 8) {
        // The colour table follows the header, wherever biSize says it ends;
        // biClrUsed 0 means a full table. Indices beyond the table are black.
        size_t used = h.biClrUsed == 0 || h.biClrUsed > 256 ? 256 : h.biClrUsed;
        const auto *table = reinterpret_cast<const uint8_t *>(info) + h.biSize;
        for (size_t i = 0; i < used; ++i) {
            const uint8_t *q = table + 4 * i;  // blue, green, red, reserved
            d.palette[i] = (uint32_t{q[2]} << 16) | (uint32_t{q[1]} << 8) | q[0];
        }
        d.grayPalette = used == 256;
        for (size_t i = 0; i < used && d.grayPalette; ++i) d.grayPalette = d.palette[i] == i * 0x010101u;
    }
    return d;
}

namespace {

// Each level v as the gray pixel 0x00vvvvvv, sixteen at a time where SSE2
// is there to widen the bytes.
void grayRow(const uint8_t *levels, size_t count, uint32_t *out) {
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i colour = _mm_set1_epi32(0x00FFFFFF);
    for (; i + 16 <= count; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(levels + i));
        const __m128i low = _mm_unpacklo_epi8(v, v), high = _mm_unpackhi_epi8(v, v);
        auto *o = reinterpret_cast<__m128i *>(out + i);
        _mm_storeu_si128(o, _mm_and_si128(_mm_unpacklo_epi16(low, low), colour));
        _mm_storeu_si128(o + 1, _mm_and_si128(_mm_unpackhi_epi16(low, low), colour));
        _mm_storeu_si128(o + 2, _mm_and_si128(_mm_unpacklo_epi16(high, high), colour));
        _mm_storeu_si128(o + 3, _mm_and_si128(_mm_unpackhi_epi16(high, high), colour));
    }
#endif
    for (; i < count; ++i) out[i] = levels[i] * 0x010101u;
}

}  // namespace

void dibRow(const DibLayout &d, const uint8_t *bits, int64_t y, int64_t x0, int64_t x1, uint32_t *out) {
    int64_t memoryRow = d.topDown ? y : d.height - 1 - y;
    const uint8_t *row = bits + memoryRow * d.stride;
    switch (d.bitCount) {
        case 8:
            if (d.grayPalette) {
                grayRow(row + x0, static_cast<size_t>(x1 - x0), out);
                break;
            }
            for (int64_t x = x0; x < x1; ++x) *out++ = d.palette[row[x]];
            break;
        case 24:
            for (const uint8_t *p = row + 3 * x0, *end = row + 3 * x1; p != end; p += 3)
                *out++ = (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
            break;
        default:  // 32: blue, green, red, unused
            copyColourBits(out, row + 4 * x0, static_cast<size_t>(x1 - x0));
            break;
    }
}

}  // namespace plat::raster
