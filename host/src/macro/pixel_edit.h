// Changing pixels of an image from a script (ImgSetPixel, ImgFill) and
// reading them back (ImgPixel). Values are checked against the image's class
// before anything changes, so a bad value leaves the image as it was.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "core/image.h"

namespace host::macro {

// The kind name ImgNew uses for a class: gray8, gray12, gray16, float, rgb.
const char *kindName(ImageClass cls);

// Sets every pixel of the rectangle x1, y1 to x2, y2 (inclusive, any corner
// order) to the values: one for gray classes (whole and within 0..255,
// 0..4095, 0..65535; any finite number for float), three (r, g, b, each
// 0..255) for RGB. The error says what does not fit.
std::optional<std::string> fillPixels(Image &image, int x1, int y1, int x2, int y2,
                                      std::span<const double> values);

// "v" for gray images (%.9g), "r g b" for RGB; the caller checks the bounds.
std::string pixelText(const Image &image, int x, int y);

}  // namespace host::macro
