// Alpha blending.
#include "raster/blend.h"

namespace plat::raster {

namespace {

uint32_t div255(uint32_t v) {
    return (v + 128 + ((v + 128) >> 8)) >> 8;
}  // exact for v <= 255 * 255

}  // namespace

uint32_t blendPixel(uint32_t dest, uint32_t source, unsigned alpha) {
    if (alpha >= 255) return source & 0x00FFFFFF;
    if (alpha == 0) return dest;
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        uint32_t s = (source >> shift) & 0xFF, d = (dest >> shift) & 0xFF;
        result |= div255(s * alpha + d * (255 - alpha)) << shift;
    }
    return result;
}

void blendCoverage(const Canvas &canvas, int64_t x, int64_t y, const uint8_t *coverage, int width, int height,
                   int pitch, uint32_t color) {
    Box visible = Box{x, y, x + width, y + height}.intersect(canvas.clip);
    for (int64_t py = visible.top; py < visible.bottom; ++py) {
        const uint8_t *src = coverage + (py - y) * pitch;
        uint32_t *d = canvas.pixel(visible.left, py);
        for (int64_t px = visible.left; px < visible.right; ++px, ++d)
            *d = blendPixel(*d, color, src[px - x]);
    }
}

void blendArgb(const Canvas &canvas, int64_t x, int64_t y, const uint32_t *argb, int width, int height) {
    Box visible = Box{x, y, x + width, y + height}.intersect(canvas.clip);
    for (int64_t py = visible.top; py < visible.bottom; ++py) {
        const uint32_t *src = argb + (py - y) * width;
        uint32_t *d = canvas.pixel(visible.left, py);
        for (int64_t px = visible.left; px < visible.right; ++px, ++d) {
            uint32_t s = src[px - x];
            *d = blendPixel(*d, s, s >> 24);
        }
    }
}

}  // namespace plat::raster
