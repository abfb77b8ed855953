// Alpha blending.
#include "raster/blend.h"

namespace plat::raster {

namespace {

// (v + 128 + ((v + 128) >> 8)) >> 8 is v / 255 rounded to nearest, exact for
// v <= 255 * 255. Done on two 16-bit lanes of one word at once (red and blue
// in 0x00FF00FF, green alone): no lane ever carries into the next, so each
// lane gets exactly what it would get on its own.
uint32_t div255Lanes(uint32_t v) {
    v += 0x00800080;
    return ((v + ((v >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
}

// A blend with 0 < alpha < 255.
uint32_t blendPartial(uint32_t dest, uint32_t source, uint32_t alpha) {
    const uint32_t rest = 255 - alpha;
    const uint32_t redBlue = (source & 0x00FF00FF) * alpha + (dest & 0x00FF00FF) * rest;
    const uint32_t green = ((source >> 8) & 0xFF) * alpha + ((dest >> 8) & 0xFF) * rest;
    return div255Lanes(redBlue) | (div255Lanes(green) << 8);
}

}  // namespace

uint32_t blendPixel(uint32_t dest, uint32_t source, unsigned alpha) {
    if (alpha >= 255) return source & 0x00FFFFFF;
    if (alpha == 0) return dest;
    return blendPartial(dest, source, alpha);
}

void blendCoverage(const Canvas &canvas, int64_t x, int64_t y, const uint8_t *coverage, int width, int height,
                   int pitch, uint32_t color) {
    Box visible = Box{x, y, x + width, y + height}.intersect(canvas.clip);
    const uint32_t solid = color & 0x00FFFFFF;
    for (int64_t py = visible.top; py < visible.bottom; ++py) {
        const uint8_t *src = coverage + (py - y) * pitch + (visible.left - x);
        uint32_t *d = canvas.pixel(visible.left, py);
        for (int64_t n = visible.right - visible.left; n > 0; --n, ++d, ++src) {
            // Most of a glyph's box is empty or fully covered.
            if (*src == 0) continue;
            *d = *src == 255 ? solid : blendPartial(*d, color, *src);
        }
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
