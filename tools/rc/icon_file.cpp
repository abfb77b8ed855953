// .ico and .cur decoding: the directory, BMP entries with their masks, and PNG entries.
#include "icon_file.h"

#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace rc {
namespace {

using plat::res::ImageData;

uint16_t readU16(std::string_view b, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8));
}
uint32_t readU32(std::string_view b, size_t at) {
    return static_cast<uint32_t>(readU16(b, at)) | (static_cast<uint32_t>(readU16(b, at + 2)) << 16);
}

struct Entry {
    std::string_view data;
    int hotX = 0, hotY = 0;
    // From the image itself, not the directory, which is often inexact.
    int width = 0, height = 0, bitCount = 0;
};

bool isPng(std::string_view data) {
    return data.size() >= 8 && data.substr(0, 8) == "\x89PNG\r\n\x1a\n";
}

// Size and depth of an entry; false when it is neither a BMP nor a PNG.
bool describeEntry(Entry &entry) {
    const std::string_view d = entry.data;
    if (isPng(d)) {
        if (d.size() < 24) return false;
        auto be32 = [&](size_t at) {
            return (static_cast<uint32_t>(static_cast<uint8_t>(d[at])) << 24) |
                   (static_cast<uint32_t>(static_cast<uint8_t>(d[at + 1])) << 16) |
                   (static_cast<uint32_t>(static_cast<uint8_t>(d[at + 2])) << 8) |
                   static_cast<uint8_t>(d[at + 3]);
        };
        entry.width = static_cast<int>(std::min<uint32_t>(be32(16), 1u << 20));
        entry.height = static_cast<int>(std::min<uint32_t>(be32(20), 1u << 20));
        entry.bitCount = 32;
        return true;
    }
    if (d.size() < 40 || readU32(d, 0) < 40) return false;
    entry.width = static_cast<int32_t>(readU32(d, 4));
    entry.height = static_cast<int32_t>(readU32(d, 8)) / 2;  // colour rows, then mask rows
    entry.bitCount = readU16(d, 14);
    return true;
}

// Better for a 32 x 32 slot: exact size, then nearest (larger on a tie), then more colours.
bool betterThan(const Entry &a, const Entry &b) {
    const int distanceA = std::abs(a.width - 32), distanceB = std::abs(b.width - 32);
    if (distanceA != distanceB) return distanceA < distanceB;
    if (a.width != b.width) return a.width > b.width;
    return a.bitCount > b.bitCount;
}

std::optional<ImageData> decodePng(std::string_view data, const IconLimits &limits, std::string &error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) {
        error = std::string("bad PNG image: ") + image.message;
        return std::nullopt;
    }
    if (image.width == 0 || image.height == 0 || image.width > static_cast<uint32_t>(limits.maxDimension) ||
        image.height > static_cast<uint32_t>(limits.maxDimension)) {
        png_image_free(&image);
        error = "PNG image size out of range";
        return std::nullopt;
    }
    image.format = PNG_FORMAT_ARGB;
    std::vector<uint8_t> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) {
        error = std::string("bad PNG image: ") + image.message;
        png_image_free(&image);
        return std::nullopt;
    }
    ImageData result;
    result.width = static_cast<int>(image.width);
    result.height = static_cast<int>(image.height);
    result.argb.resize(static_cast<size_t>(result.width) * static_cast<size_t>(result.height));
    for (size_t i = 0; i < result.argb.size(); ++i) {
        const uint8_t *p = &bytes[i * 4];
        const uint32_t argb = (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
        result.argb[i] = p[0] == 0 ? 0 : argb;
    }
    return result;
}

struct BmpLayout {
    int width = 0, height = 0, bitCount = 0;
    size_t paletteAt = 0, paletteSize = 0;
    size_t colourAt = 0, colourStride = 0;
    size_t maskAt = 0, maskStride = 0;
    bool hasMask = true;
};

bool layoutBmp(std::string_view d, const IconLimits &limits, BmpLayout &out, std::string &error) {
    const uint32_t headerSize = readU32(d, 0);
    const int32_t width = static_cast<int32_t>(readU32(d, 4));
    const int32_t doubledHeight = static_cast<int32_t>(readU32(d, 8));
    const uint16_t bitCount = readU16(d, 14);
    const uint32_t compression = readU32(d, 16);
    const uint32_t coloursUsed = readU32(d, 32);
    if (width <= 0 || doubledHeight <= 1 || width > limits.maxDimension ||
        doubledHeight / 2 > limits.maxDimension) {
        error = "image size out of range";
        return false;
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) {
        error = "unsupported bit depth " + std::to_string(bitCount);
        return false;
    }
    if (compression != 0) {
        error = "compressed bitmaps are not supported";
        return false;
    }
    out.width = width;
    out.height = doubledHeight / 2;
    out.bitCount = bitCount;
    out.paletteAt = headerSize;
    out.paletteSize = bitCount <= 8 ? (coloursUsed ? coloursUsed : (1u << bitCount)) : 0;
    if (out.paletteSize > 256 || headerSize > d.size()) {
        error = "bad bitmap header";
        return false;
    }
    out.colourAt = out.paletteAt + out.paletteSize * 4;
    out.colourStride = (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
    out.maskAt = out.colourAt + out.colourStride * static_cast<size_t>(out.height);
    out.maskStride = (static_cast<size_t>(width) + 31) / 32 * 4;
    const size_t end = out.maskAt + out.maskStride * static_cast<size_t>(out.height);
    // Some writers leave the mask out of 32-bit images, whose alpha is enough.
    if (bitCount == 32 && d.size() < end && d.size() >= out.maskAt) out.hasMask = false;
    if (d.size() < (out.hasMask ? end : out.maskAt)) {
        error = "image data is truncated";
        return false;
    }
    return true;
}

uint32_t bmpColour(std::string_view d, const BmpLayout &l, int x, int y) {
    const size_t row = l.colourAt + l.colourStride * static_cast<size_t>(l.height - 1 - y);
    auto paletteEntry = [&](size_t index) -> uint32_t {
        if (index >= l.paletteSize) return 0;
        return readU32(d, l.paletteAt + index * 4) & 0xFFFFFF;
    };
    const size_t ux = static_cast<size_t>(x);
    switch (l.bitCount) {
        case 1:
            return paletteEntry((static_cast<uint8_t>(d[row + ux / 8]) >> (7 - ux % 8)) & 1);
        case 4:
            return paletteEntry((static_cast<uint8_t>(d[row + ux / 2]) >> (ux % 2 ? 0 : 4)) & 0xF);
        case 8:
            return paletteEntry(static_cast<uint8_t>(d[row + ux]));
        case 24: {
            const size_t at = row + ux * 3;  // B, G, R bytes
            return (uint32_t{static_cast<uint8_t>(d[at + 2])} << 16) |
                   (uint32_t{static_cast<uint8_t>(d[at + 1])} << 8) | static_cast<uint8_t>(d[at]);
        }
        default:
            return readU32(d, row + ux * 4);  // B, G, R, A bytes: 0xAARRGGBB
    }
}

bool maskBit(std::string_view d, const BmpLayout &l, int x, int y) {
    const size_t row = l.maskAt + l.maskStride * static_cast<size_t>(l.height - 1 - y);
    const size_t ux = static_cast<size_t>(x);
    return (static_cast<uint8_t>(d[row + ux / 8]) >> (7 - ux % 8)) & 1;
}

std::optional<ImageData> decodeBmp(std::string_view d, const IconLimits &limits, std::string &error) {
    BmpLayout l;
    if (!layoutBmp(d, limits, l, error)) return std::nullopt;
    ImageData image;
    image.width = l.width;
    image.height = l.height;
    image.argb.resize(static_cast<size_t>(l.width) * static_cast<size_t>(l.height));
    bool anyAlpha = false;
    if (l.bitCount == 32) {
        for (int y = 0; y < l.height && !anyAlpha; ++y) {
            for (int x = 0; x < l.width && !anyAlpha; ++x) anyAlpha = (bmpColour(d, l, x, y) >> 24) != 0;
        }
    }
    for (int y = 0; y < l.height; ++y) {
        for (int x = 0; x < l.width; ++x) {
            uint32_t colour = bmpColour(d, l, x, y);
            if (!anyAlpha) {
                // Without alpha the mask decides; a masked pixel that would
                // invert the screen on Windows is transparent here.
                const bool masked = l.hasMask && maskBit(d, l, x, y);
                colour = masked ? 0 : (0xFF000000u | (colour & 0xFFFFFF));
            } else if ((colour >> 24) == 0) {
                colour = 0;
            }
            image.argb[static_cast<size_t>(y) * static_cast<size_t>(l.width) + static_cast<size_t>(x)] =
                colour;
        }
    }
    return image;
}

}  // namespace

std::optional<ImageData> decodeIconFile(std::string_view bytes, std::string &error,
                                        const IconLimits &limits) {
    if (bytes.size() > limits.maxFileSize) {
        error = "file too large";
        return std::nullopt;
    }
    if (bytes.size() < 6 || readU16(bytes, 0) != 0 || (readU16(bytes, 2) != 1 && readU16(bytes, 2) != 2)) {
        error = "not an icon or cursor file";
        return std::nullopt;
    }
    const bool cursor = readU16(bytes, 2) == 2;
    const size_t count = readU16(bytes, 4);
    if (count == 0 || bytes.size() < 6 + 16 * count) {
        error = count == 0 ? "the file holds no images" : "image directory is truncated";
        return std::nullopt;
    }
    std::optional<Entry> best;
    for (size_t i = 0; i < count; ++i) {
        const size_t at = 6 + 16 * i;
        const uint32_t size = readU32(bytes, at + 8), offset = readU32(bytes, at + 12);
        if (offset > bytes.size() || size > bytes.size() - offset) {
            error = "image " + std::to_string(i) + " lies outside the file";
            return std::nullopt;
        }
        Entry entry;
        entry.data = bytes.substr(offset, size);
        entry.hotX = readU16(bytes, at + 4);
        entry.hotY = readU16(bytes, at + 6);
        if (describeEntry(entry) && (!best || betterThan(entry, *best))) best = entry;
    }
    if (!best) {
        error = "no image in a known format";
        return std::nullopt;
    }
    std::optional<ImageData> image =
        isPng(best->data) ? decodePng(best->data, limits, error) : decodeBmp(best->data, limits, error);
    if (!image) return std::nullopt;
    image->hotX = cursor ? std::min(best->hotX, image->width - 1) : image->width / 2;
    image->hotY = cursor ? std::min(best->hotY, image->height - 1) : image->height / 2;
    return image;
}

}  // namespace rc
