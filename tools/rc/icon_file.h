// Decoding of .ico and .cur files into straight-alpha ARGB images, done at
// compile time so that the platform only ever sees finished pixels.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "internal/resources.h"

namespace rc {

struct IconLimits {
    int maxDimension = 256;          // what the file format can express
    size_t maxFileSize = 16u << 20;  // far beyond any real icon
};

// Chooses one image of the file, as Windows does for a 32 x 32 icon: the
// entry of that size (else the nearest size, larger on a tie) with the most
// colours. Entries hold a BMP (1, 4, 8, 24 or 32 bits per pixel, with the
// AND mask as transparency; a 32-bit image with any alpha uses its alpha) or
// a PNG. A cursor keeps its hotspot; an icon's hotspot is its centre. On
// failure returns nullopt and says why in error.
std::optional<plat::res::ImageData> decodeIconFile(std::string_view bytes, std::string &error,
                                                   const IconLimits &limits = {});

}  // namespace rc
