// ImgSetPixel, ImgFill and ImgPixel on an image: values checked against its
// class first, then written or read.
#include "macro/pixel_edit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace host::macro {
namespace {

double classMaximum(ImageClass cls) {
    switch (cls) {
        case ImageClass::Gray12:
            return 4095.0;
        case ImageClass::Gray16:
            return 65535.0;
        default:
            return 255.0;
    }
}

std::optional<std::string> checkValues(const Image &image, std::span<const double> values) {
    const size_t wanted = image.isColour() ? 3 : 1;
    if (values.size() != wanted)
        return std::string("a ") + kindName(image.cls) + " image takes " +
               (wanted == 3 ? "three values (r, g, b)" : "one value");
    for (double v : values) {
        if (!std::isfinite(v)) return std::string("pixel values must be finite");
        if (image.cls == ImageClass::Float) continue;
        if (v != std::floor(v) || v < 0.0 || v > classMaximum(image.cls)) {
            char text[96];
            std::snprintf(text, sizeof text, "%.9g is not a %s value (whole, 0 to %.0f)", v,
                          kindName(image.cls), classMaximum(image.cls));
            return std::string(text);
        }
    }
    return std::nullopt;
}

void writePixel(Image &image, size_t index, std::span<const double> values) {
    switch (image.cls) {
        case ImageClass::Gray8:
            image.gray8[index] = static_cast<uint8_t>(values[0]);
            break;
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            image.gray16[index] = static_cast<uint16_t>(values[0]);
            break;
        case ImageClass::Float:
            image.gray32f[index] = static_cast<float>(values[0]);
            break;
        case ImageClass::Rgb:
            for (size_t c = 0; c < 3; ++c) image.rgb[3 * index + c] = static_cast<uint8_t>(values[c]);
            break;
    }
}

bool inside(const Image &image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width && y < image.height;
}

}  // namespace

const char *kindName(ImageClass cls) {
    switch (cls) {
        case ImageClass::Gray8:
            return "gray8";
        case ImageClass::Rgb:
            return "rgb";
        case ImageClass::Gray12:
            return "gray12";
        case ImageClass::Float:
            return "float";
        case ImageClass::Gray16:
            return "gray16";
    }
    return "unknown";
}

std::optional<std::string> fillPixels(Image &image, int x1, int y1, int x2, int y2,
                                      std::span<const double> values) {
    if (!inside(image, x1, y1) || !inside(image, x2, y2)) {
        char text[128];
        std::snprintf(text, sizeof text, "(%d, %d) to (%d, %d) is not inside the %d x %d image", x1, y1, x2,
                      y2, image.width, image.height);
        return std::string(text);
    }
    if (std::optional<std::string> bad = checkValues(image, values)) return bad;
    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
        for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
            writePixel(image,
                       static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x),
                       values);
    return std::nullopt;
}

std::string pixelText(const Image &image, int x, int y) {
    const size_t i = static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x);
    char text[64];
    if (image.isColour())
        std::snprintf(text, sizeof text, "%d %d %d", image.rgb[3 * i], image.rgb[3 * i + 1],
                      image.rgb[3 * i + 2]);
    else
        std::snprintf(text, sizeof text, "%.9g", image.gray(x, y));
    return text;
}

}  // namespace host::macro
