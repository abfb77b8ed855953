// Alpha blending of coverage (anti-aliased glyphs) and of straight-alpha
// ARGB images (icons) onto a canvas. Blending ignores the ROP2, as text and
// icons do on Windows.
#pragma once

#include <cstdint>

#include "raster/canvas.h"

namespace plat::raster {

// (s * a + d * (255 - a)) / 255 per channel, rounded to nearest.
uint32_t blendPixel(uint32_t dest, uint32_t source, unsigned alpha);

// An 8-bit coverage image (rows of `pitch` bytes) in one colour, its top-left at (x, y).
void blendCoverage(const Canvas &canvas, int64_t x, int64_t y, const uint8_t *coverage, int width, int height,
                   int pitch, uint32_t color);
// A straight-alpha 0xAARRGGBB image, rows top to bottom, its top-left at (x, y).
void blendArgb(const Canvas &canvas, int64_t x, int64_t y, const uint32_t *argb, int width, int height);

}  // namespace plat::raster
