// Synthetic images for tests and demos (the ImgNew statement). Pixel values
// are formulas of (x, y), so what a profile over them reads is a formula too.
//
// kind:    gray8, gray12, gray16, float, rgb
// pattern: const:V (rgb: const:R,G,B)  every pixel V
//          ramp-x   gray: x mod M with M = 256 / 4096 / 65536; float: x;
//                   rgb: (x mod 256, y mod 256, (x + y) mod 256)
//          ramp-y   the same with x and y exchanged
//          checker:N  squares of N pixels alternating 0 and the class maximum
//                   (255 / 4095 / 65535, float 1.0, rgb white), 0 at the top-left
#pragma once

#include <string>

#include "image/image_result.h"

namespace host {

// An error names the bad kind, pattern or size.
ImageResult makeSyntheticImage(int width, int height, const std::string &kind, const std::string &pattern);

}  // namespace host
