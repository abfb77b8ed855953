// Small drawing helpers for the built-in cursor and icon images: rows of
// character art painted onto an ARGB image, plus the few shapes (discs,
// outlines, transposition) that are clearer as code than as art.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "internal/resources.h"

namespace plat::art {

constexpr uint32_t kTransparent = 0x00000000;
constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kWhite = 0xFFFFFFFF;

// A transparent square image.
res::ImageData blank(int size);

// Paints art rows with their top-left corner at (x, y). Characters: 'X'
// black, 'o' white, 'r' red, 'b' blue, 'y' yellow, 'g' grey, 'c' caption
// blue; a space leaves the pixel as it is. Pixels outside the image are
// dropped.
void paint(res::ImageData &image, int x, int y, std::initializer_list<const char *> rows);

void setPixel(res::ImageData &image, int x, int y, uint32_t argb);
uint32_t pixel(const res::ImageData &image, int x, int y);

// Fills the disc centred on (cx + 0.5, cy + 0.5) with the given radius.
void fillDisc(res::ImageData &image, int cx, int cy, int radius, uint32_t argb);

// Surrounds every opaque black pixel with white where the pixel next to it
// (left, right, above, below) is transparent, so that thin black shapes stay
// visible on dark backgrounds.
void outlineWhite(res::ImageData &image);

// Mirror images, for the arrows that come in symmetric pairs.
res::ImageData transposed(const res::ImageData &image);
res::ImageData mirroredLeftRight(const res::ImageData &image);

}  // namespace plat::art
