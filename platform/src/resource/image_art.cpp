// Drawing helpers for the built-in cursor and icon images.
#include "image_art.h"

#include <cstddef>

namespace plat::art {
namespace {

uint32_t colourOf(char c) {
    switch (c) {
        case 'X':
            return kBlack;
        case 'o':
            return kWhite;
        case 'r':
            return 0xFFD01010;
        case 'b':
            return 0xFF1050D0;
        case 'y':
            return 0xFFFFD800;
        case 'g':
            return 0xFF808080;
        case 'c':
            return 0xFF000080;
        default:
            return kTransparent;
    }
}

size_t indexOf(const res::ImageData &image, int x, int y) {
    return static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x);
}

bool inside(const res::ImageData &image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width && y < image.height;
}

}  // namespace

res::ImageData blank(int size) {
    res::ImageData image;
    image.width = size;
    image.height = size;
    image.argb.assign(static_cast<size_t>(size) * static_cast<size_t>(size), kTransparent);
    return image;
}

void setPixel(res::ImageData &image, int x, int y, uint32_t argb) {
    if (inside(image, x, y)) image.argb[indexOf(image, x, y)] = argb;
}

uint32_t pixel(const res::ImageData &image, int x, int y) {
    return inside(image, x, y) ? image.argb[indexOf(image, x, y)] : kTransparent;
}

void paint(res::ImageData &image, int x, int y, std::initializer_list<const char *> rows) {
    int row = 0;
    for (const char *text : rows) {
        for (int column = 0; text[column] != '\0'; ++column) {
            if (text[column] != ' ') setPixel(image, x + column, y + row, colourOf(text[column]));
        }
        ++row;
    }
}

void fillDisc(res::ImageData &image, int cx, int cy, int radius, uint32_t argb) {
    // Doubled coordinates keep the pixel centres at integers.
    const int limit = 4 * radius * radius;
    for (int y = cy - radius; y <= cy + radius + 1; ++y) {
        for (int x = cx - radius; x <= cx + radius + 1; ++x) {
            const int dx = 2 * (x - cx) - 1;
            const int dy = 2 * (y - cy) - 1;
            if (dx * dx + dy * dy <= limit) setPixel(image, x, y, argb);
        }
    }
}

void outlineWhite(res::ImageData &image) {
    const res::ImageData source = image;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (pixel(source, x, y) != kTransparent) continue;
            const bool touchesBlack = pixel(source, x - 1, y) == kBlack ||
                                      pixel(source, x + 1, y) == kBlack ||
                                      pixel(source, x, y - 1) == kBlack || pixel(source, x, y + 1) == kBlack;
            if (touchesBlack) setPixel(image, x, y, kWhite);
        }
    }
}

res::ImageData transposed(const res::ImageData &image) {
    res::ImageData result = image;
    result.width = image.height;
    result.height = image.width;
    result.hotX = image.hotY;
    result.hotY = image.hotX;
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) setPixel(result, x, y, pixel(image, y, x));
    }
    return result;
}

res::ImageData mirroredLeftRight(const res::ImageData &image) {
    res::ImageData result = image;
    result.hotX = image.width - 1 - image.hotX;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) setPixel(result, x, y, pixel(image, image.width - 1 - x, y));
    }
    return result;
}

}  // namespace plat::art
