// What every image decoder promises for any input, checked by the TIFF, PNG
// and PNM fuzz targets: a failure says why; a success is a complete image of
// one class within the limits, with a usable calibration if any.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "image/image_file.h"

namespace imgfuzz {

// Small limits keep the fuzzer's memory low.
constexpr host::DecodeLimits kLimits{.maxWidth = 4096, .maxHeight = 4096, .maxPixelBytes = 16u << 20};

inline void require(bool condition, const char *what) {
    if (condition) return;
    std::fprintf(stderr, "image fuzz: property violated: %s\n", what);
    std::abort();
}

inline void checkResult(const host::ImageResult &result) {
    if (!result.ok()) return require(!result.error.empty(), "a failure says why");
    const host::Image &image = *result.image;
    require(image.width >= 1 && image.width <= kLimits.maxWidth, "width within limits");
    require(image.height >= 1 && image.height <= kLimits.maxHeight, "height within limits");
    const size_t n = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    const host::ImageClass cls = image.cls;
    const bool wide = cls == host::ImageClass::Gray12 || cls == host::ImageClass::Gray16;
    require(image.gray8.size() == (cls == host::ImageClass::Gray8 ? n : 0), "gray8 pixels");
    require(image.gray16.size() == (wide ? n : 0), "gray16 pixels");
    require(image.gray32f.size() == (cls == host::ImageClass::Float ? n : 0), "float pixels");
    require(image.rgb.size() == (cls == host::ImageClass::Rgb ? 3 * n : 0), "rgb pixels");
    for (uint16_t v : image.gray16) require(cls != host::ImageClass::Gray12 || v <= 4095, "12-bit values");
    require(image.pageCount >= 1, "at least the page shown");
    if (!image.spatial) return;
    require(!image.spatial->unit.empty(), "a calibration names its unit");
    require(std::isfinite(image.spatial->xScale) && image.spatial->xScale > 0, "x scale positive");
    require(std::isfinite(image.spatial->yScale) && image.spatial->yScale > 0, "y scale positive");
}

}  // namespace imgfuzz
