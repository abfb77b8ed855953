// What an image window shows: the image's pixels as display colours, nearest
// neighbour at the window's zoom and scroll.
//
// Gray values go through a display range, low to high mapped linearly onto
// 0..255 (rounded to nearest; values outside the range clamp to black or
// white):
//   8-bit gray   0..255, shown as stored;
//   12-bit gray  0..4095;
//   16-bit gray and float  the image's own lowest..highest pixel value, so
//                the full contrast of whatever the image holds is visible
//                (images over 1 GiB, which only mapped files reach, take
//                the range of evenly spaced rows, about 32 MiB of them).
// An image whose pixels all have one value shows black. RGB images are shown
// as stored.
#pragma once

#include <cstdint>
#include <vector>

#include <windows.h>

#include "core/image.h"
#include "window/view_geometry.h"

namespace host {

struct DisplayRange {
    double low = 0.0;
    double high = 255.0;
};

DisplayRange displayRange(const Image &image);

// The display byte of a gray value.
uint8_t displayLevel(double value, DisplayRange range);

// Writes the client rectangle `area` of a window showing the image to `out`
// as 0x00RRGGBB pixels, rows top to bottom, area width pixels each; client
// pixels that show no image pixel get `background`.
void renderView(const Image &image, const ViewGeometry &geometry, DisplayRange range, const RECT &area,
                uint32_t background, uint32_t *out);

// The client rectangle of a width x height client area whose pixels show
// image pixels; empty when none does. The rest shows the background.
RECT shownImageArea(const Image &image, const ViewGeometry &geometry, LONG width, LONG height);

// Writes the display levels (0..255) of a gray image in the client rectangle
// `area`, which lies within shownImageArea, to `out`: rows top to bottom,
// area width levels each, `stride` bytes apart. A pixel's display colour is
// its level in red, green and blue alike.
void renderLevels(const Image &image, const ViewGeometry &geometry, DisplayRange range, const RECT &area,
                  uint8_t *out, size_t stride);

}  // namespace host
