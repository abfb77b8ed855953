// Decoding TIFF with libtiff: the first directory only. Strips are read as
// tiles as wide as the image, so one loop serves both layouts.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "image/codecs.h"
#include "core/progress.h"
#include "image/pixel_storage.h"
#include "image/tiff_io.h"

namespace host {

namespace {

// What the directory says about the pixels, and where they are.
struct TiffLayout {
    uint32_t width = 0, height = 0;
    uint16_t samplesPerPixel = 1, bitsPerSample = 1, sampleFormat = SAMPLEFORMAT_UINT;
    uint16_t photometric = PHOTOMETRIC_MINISBLACK, planar = PLANARCONFIG_CONTIG;
    bool tiled = false;
    uint32_t chunkWidth = 0, chunkHeight = 0;  // a tile, or a strip of the full width
    ImageClass cls = ImageClass::Gray8;
    int channels = 1;  // channels kept: 1 gray, 3 RGB
};

std::string describe(const char *what, unsigned value) {
    char text[96];
    std::snprintf(text, sizeof text, "%s %u", what, value);
    return text;
}

// A 16-bit gray file holds 12-bit data when its SMaxSampleValue says so.
bool declaresTwelveBits(TIFF *tif) {
    double maximum = 0.0;
    return TIFFGetField(tif, TIFFTAG_SMAXSAMPLEVALUE, &maximum) == 1 && maximum <= 4095.0;
}

// The image class for the layout, or the reason it is unsupported.
std::string classify(TIFF *tif, TiffLayout &l) {
    const bool gray = l.photometric == PHOTOMETRIC_MINISBLACK || l.photometric == PHOTOMETRIC_MINISWHITE;
    if (!gray && l.photometric != PHOTOMETRIC_RGB)
        return describe("unsupported photometric interpretation", l.photometric);
    if (l.samplesPerPixel < (gray ? 1 : 3) || l.samplesPerPixel > 8)
        return describe("unsupported number of samples per pixel:", l.samplesPerPixel);
    const unsigned bits = l.bitsPerSample;
    if (l.sampleFormat == SAMPLEFORMAT_IEEEFP) {
        if (!gray || bits != 32) return describe("unsupported floating-point sample size: bits", bits);
        if (l.photometric == PHOTOMETRIC_MINISWHITE)
            return "unsupported: min-is-white floating-point samples";
        l.cls = ImageClass::Float;
        return {};
    }
    if (l.sampleFormat != SAMPLEFORMAT_UINT) return describe("unsupported sample format", l.sampleFormat);
    if (bits != 8 && bits != 16) return describe("unsupported bit depth", bits);
    l.channels = gray ? 1 : 3;
    if (!gray)
        l.cls = ImageClass::Rgb;
    else if (bits == 8)
        l.cls = ImageClass::Gray8;
    else
        l.cls = declaresTwelveBits(tif) ? ImageClass::Gray12 : ImageClass::Gray16;
    return {};
}

std::string readLayout(TIFF *tif, TiffLayout &l) {
    if (!TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &l.width) ||
        !TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &l.height))
        return "missing image size";
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &l.samplesPerPixel);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &l.bitsPerSample);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &l.sampleFormat);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &l.planar);
    if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &l.photometric)) l.photometric = PHOTOMETRIC_MINISBLACK;
    l.tiled = TIFFIsTiled(tif) != 0;
    if (l.tiled) {
        TIFFGetField(tif, TIFFTAG_TILEWIDTH, &l.chunkWidth);
        TIFFGetField(tif, TIFFTAG_TILELENGTH, &l.chunkHeight);
    } else {
        l.chunkWidth = l.width;
        TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &l.chunkHeight);
        if (l.chunkHeight > l.height) l.chunkHeight = l.height;
    }
    if (l.chunkWidth == 0 || l.chunkHeight == 0) return "bad tile or strip size";
    return classify(tif, l);
}

template <class T>
T loadSample(const uint8_t *p) {
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// Stores `count` samples of one channel, `step` bytes apart in the decoded
// chunk, into the image from pixel (x, y) rightward.
void storeRow(Image &image, const TiffLayout &l, const uint8_t *src, size_t step, int x, int y, int count,
              int channel) {
    const size_t first = pixelIndex(image, x, y);
    for (int k = 0; k < count; ++k, src += step) {
        const size_t i = first + static_cast<size_t>(k);
        switch (image.cls) {
            case ImageClass::Gray8:
                image.gray8[i] = *src;
                break;
            case ImageClass::Gray12:
            case ImageClass::Gray16:
                image.gray16[i] = loadSample<uint16_t>(src);
                break;
            case ImageClass::Float:
                image.gray32f[i] = loadSample<float>(src);
                break;
            case ImageClass::Rgb:
                image.rgb[3 * i + channel] =
                    l.bitsPerSample == 8 ? *src : scale16To8(loadSample<uint16_t>(src));
                break;
        }
    }
}

// Decodes one strip or tile with its top-left corner at (x0, y0), plane `plane`,
// and copies the kept channels into the image. "" or the reason of a failure.
std::string readChunk(TIFF *tif, const TiffLayout &l, uint32_t x0, uint32_t y0, uint16_t plane,
                      std::vector<uint8_t> &buffer, Image &image, TiffMessages &messages) {
    const bool separate = l.planar == PLANARCONFIG_SEPARATE;
    const uint32_t index =
        l.tiled ? TIFFComputeTile(tif, x0, y0, 0, plane) : TIFFComputeStrip(tif, y0, plane);
    const uint32_t rows = std::min(l.chunkHeight, l.height - y0), cols = std::min(l.chunkWidth, l.width - x0);
    const size_t sampleBytes = l.bitsPerSample / 8u;
    const size_t pixelStep = sampleBytes * (separate ? 1u : l.samplesPerPixel);
    const size_t rowBytes = pixelStep * l.chunkWidth;
    const tmsize_t got = l.tiled ? TIFFReadEncodedTile(tif, index, buffer.data(), (tmsize_t)buffer.size())
                                 : TIFFReadEncodedStrip(tif, index, buffer.data(), (tmsize_t)buffer.size());
    const std::string chunk = describe(l.tiled ? "tile" : "strip", index);
    if (got < 0) return chunk + " cannot be decoded: " + messages.lastError;
    // A tile is always whole; a strip covers its rows of the image.
    const uint64_t needed = l.tiled ? buffer.size() : rowBytes * rows;
    if (static_cast<uint64_t>(got) < needed) return "truncated data in " + chunk;
    const int firstChannel = separate ? plane : 0, lastChannel = separate ? plane + 1 : l.channels;
    for (uint32_t r = 0; r < rows; ++r) {
        for (int c = firstChannel; c < lastChannel; ++c) {
            const uint8_t *src = buffer.data() + r * rowBytes + (separate ? 0 : c * sampleBytes);
            storeRow(image, l, src, pixelStep, (int)x0, (int)(y0 + r), (int)cols, c);
        }
    }
    return {};
}

std::string readPixels(TIFF *tif, const TiffLayout &l, const DecodeLimits &limits, Image &image,
                       TiffMessages &messages) {
    const uint64_t chunkBytes = l.tiled ? TIFFTileSize64(tif) : TIFFStripSize64(tif);
    if (chunkBytes == 0) return "bad tile or strip size: " + messages.lastError;
    if (chunkBytes > limits.maxPixelBytes) {
        char text[128];
        std::snprintf(text, sizeof text, "too large: %s of %llu bytes", l.tiled ? "tiles" : "strips",
                      (unsigned long long)chunkBytes);
        return text;
    }
    std::vector<uint8_t> buffer(static_cast<size_t>(chunkBytes));
    const uint16_t planes = l.planar == PLANARCONFIG_SEPARATE ? static_cast<uint16_t>(l.channels) : 1;
    ProgressTask task("reading TIFF " + std::to_string(l.width) + "x" + std::to_string(l.height),
                      uint64_t(planes) * l.height);
    for (uint16_t plane = 0; plane < planes; ++plane) {
        for (uint32_t y = 0; y < l.height; y += l.chunkHeight) {
            for (uint32_t x = 0; x < l.width; x += l.chunkWidth) {
                std::string error = readChunk(tif, l, x, y, plane, buffer, image, messages);
                if (!error.empty()) return error;
            }
            if (!task.advance(uint64_t(plane) * l.height +
                              std::min<uint64_t>(l.height, uint64_t(y) + l.chunkHeight)))
                return "interrupted";
        }
    }
    return {};
}

// Min-is-white files store white as 0; the host's classes have black at 0.
void invert(Image &image) {
    for (uint8_t &v : image.gray8) v = static_cast<uint8_t>(255 - v);
    const unsigned white = image.cls == ImageClass::Gray12 ? 4095u : 65535u;
    for (uint16_t &v : image.gray16) v = static_cast<uint16_t>(v <= white ? white - v : 0);
}

// XResolution/YResolution are pixels per unit; the calibration is units per pixel.
std::optional<SpatialCalibration> readResolution(TIFF *tif) {
    float xResolution = 0.0f, yResolution = 0.0f;  // libtiff writes a float here, never a double
    uint16_t unit = RESUNIT_INCH;
    if (!TIFFGetField(tif, TIFFTAG_XRESOLUTION, &xResolution)) return std::nullopt;
    if (!TIFFGetField(tif, TIFFTAG_YRESOLUTION, &yResolution)) yResolution = xResolution;
    TIFFGetFieldDefaulted(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
    const bool usable =
        std::isfinite(xResolution) && std::isfinite(yResolution) && xResolution > 0.0f && yResolution > 0.0f;
    if (!usable || (unit != RESUNIT_INCH && unit != RESUNIT_CENTIMETER)) return std::nullopt;
    return SpatialCalibration{1.0 / xResolution, 1.0 / yResolution, unit == RESUNIT_INCH ? "inch" : "cm"};
}

}  // namespace

ImageResult decodeTiff(std::span<const uint8_t> bytes, const DecodeLimits &limits) {
    TiffMemory memory{bytes};
    TiffMessages messages;
    // libtiff's own buffers (tags, strips) are bounded like ours, but never below
    // what a directory of ordinary tags needs.
    TiffPtr tif = openTiffMemory(memory, messages, std::max<uint64_t>(limits.maxPixelBytes, 16u << 20));
    if (!tif) return ImageResult::failure("not a readable TIFF file: " + messages.lastError);
    TiffLayout layout;
    std::string error = readLayout(tif.get(), layout);
    if (error.empty()) error = checkImageSize(layout.width, layout.height, layout.cls, limits);
    if (!error.empty()) return ImageResult::failure(error);
    Image image = makeBlankImage((int)layout.width, (int)layout.height, layout.cls);
    error = readPixels(tif.get(), layout, limits, image, messages);
    if (!error.empty()) return ImageResult::failure(error);
    // A file whose samples exceed the maximum it states is not 12-bit after all:
    // its values are kept, as 16-bit data.
    if (image.cls == ImageClass::Gray12 &&
        std::any_of(image.gray16.begin(), image.gray16.end(), [](uint16_t v) { return v > 4095; }))
        image.cls = ImageClass::Gray16;
    if (layout.photometric == PHOTOMETRIC_MINISWHITE) invert(image);
    image.spatial = readResolution(tif.get());
    return ImageResult::success(std::move(image));
}

}  // namespace host
