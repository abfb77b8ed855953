// Pixel sizes per image class, the size check against decoder limits, and
// blank images allocated after it.
#include "image/pixel_storage.h"

#include <cstdio>

namespace host {

size_t bytesPerPixel(ImageClass cls) {
    switch (cls) {
        case ImageClass::Gray8:
            return 1;
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            return 2;
        case ImageClass::Float:
            return 4;
        case ImageClass::Rgb:
            return 3;
    }
    return 4;
}

std::string checkImageSize(uint64_t width, uint64_t height, ImageClass cls, const DecodeLimits &limits) {
    char text[160];
    if (width == 0 || height == 0) {
        std::snprintf(text, sizeof text, "empty image (%llu x %llu pixels)", (unsigned long long)width,
                      (unsigned long long)height);
        return text;
    }
    if (width > uint64_t(limits.maxWidth) || height > uint64_t(limits.maxHeight)) {
        std::snprintf(text, sizeof text, "too large: %llu x %llu pixels (at most %d x %d)",
                      (unsigned long long)width, (unsigned long long)height, limits.maxWidth,
                      limits.maxHeight);
        return text;
    }
    // Both factors are below 2^31 after the check above, so the product times 4 fits 64 bits.
    const uint64_t bytes = width * height * bytesPerPixel(cls);
    if (bytes > limits.maxPixelBytes) {
        std::snprintf(text, sizeof text, "too large: %llu x %llu pixels need %llu bytes (at most %llu)",
                      (unsigned long long)width, (unsigned long long)height, (unsigned long long)bytes,
                      (unsigned long long)limits.maxPixelBytes);
        return text;
    }
    return {};
}

uint8_t *pixelBytes(Image &image) {
    switch (image.cls) {
        case ImageClass::Gray8:
            return image.gray8.data();
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            return reinterpret_cast<uint8_t *>(image.gray16.data());
        case ImageClass::Float:
            return reinterpret_cast<uint8_t *>(image.gray32f.data());
        case ImageClass::Rgb:
            return image.rgb.data();
    }
    return nullptr;
}

Image makeBlankImage(int width, int height, ImageClass cls) {
    Image image;
    image.cls = cls;
    image.width = width;
    image.height = height;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    switch (cls) {
        case ImageClass::Gray8:
            image.gray8 = PixelArray<uint8_t>(count);
            break;
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            image.gray16 = PixelArray<uint16_t>(count);
            break;
        case ImageClass::Float:
            image.gray32f = PixelArray<float>(count);
            break;
        case ImageClass::Rgb:
            image.rgb = PixelArray<uint8_t>(3 * count);
            break;
    }
    return image;
}

}  // namespace host
