// Allocating an image's pixels after checking its size against limits, the
// one place every decoder and the synthetic images go through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/image.h"
#include "image/image_file.h"

namespace host {

size_t bytesPerPixel(ImageClass cls);

// "" when a width x height image of the class fits the limits, else the reason
// ("too large: ..."). Sizes are computed in 64 bits, so nothing overflows.
std::string checkImageSize(uint64_t width, uint64_t height, ImageClass cls, const DecodeLimits &limits);

// An image of the class with zeroed pixels; the caller has checked the size.
Image makeBlankImage(int width, int height, ImageClass cls);

// The first byte of the class's pixel array, for decoders that write rows of
// bytes in the class's layout.
uint8_t *pixelBytes(Image &image);

// The index of pixel (x, y) in the class's pixel vector (times 3 for RGB).
inline size_t pixelIndex(const Image &image, int x, int y) {
    return static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x);
}

// A 16-bit sample brought to 8 bits with rounding (0 -> 0, 65535 -> 255).
inline uint8_t scale16To8(uint32_t value) {
    return static_cast<uint8_t>((value * 255u + 32767u) / 65535u);
}

}  // namespace host
