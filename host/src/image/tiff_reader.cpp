// Decoding TIFF with libtiff: the first directory only. Strips are read as
// tiles as wide as the image, so one loop serves both layouts; a large file
// whose pixels lie as the image keeps them is mapped instead of read.
#include <algorithm>
#include <cstdio>
#include <limits>

#include "image/codecs.h"
#include "image/pixel_storage.h"
#include "image/tiff_calibration.h"
#include "image/tiff_pixels.h"

namespace host {

namespace {

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

// Min-is-white files store white as 0; the host's classes have black at 0.
void invert(Image &image) {
    for (uint8_t &v : image.gray8) v = static_cast<uint8_t>(255 - v);
    const unsigned white = image.cls == ImageClass::Gray12 ? 4095u : 65535u;
    for (uint16_t &v : image.gray16) v = static_cast<uint16_t>(v <= white ? white - v : 0);
}

// Allocates the image and decodes every strip or tile into it.
ImageResult readIntoMemory(TiffSource &source, const TiffLayout &layout, const DecodeLimits &limits) {
    if (std::string error = checkImageSize(layout.width, layout.height, layout.cls, limits); !error.empty())
        return ImageResult::failure(error);
    Image image = makeBlankImage((int)layout.width, (int)layout.height, layout.cls);
    if (std::string error = readTiffPixels(source, layout, limits, image); !error.empty())
        return ImageResult::failure(error);
    // A file whose samples exceed the maximum it states is not 12-bit after all:
    // its values are kept, as 16-bit data.
    const PixelArray<uint16_t> &samples = image.gray16;
    if (image.cls == ImageClass::Gray12 &&
        std::any_of(samples.begin(), samples.end(), [](uint16_t v) { return v > 4095; }))
        image.cls = ImageClass::Gray16;
    if (layout.photometric == PHOTOMETRIC_MINISWHITE) invert(image);
    return ImageResult::success(std::move(image));
}

// A mapped image allocates nothing, so only its sides are bounded; when the
// system refuses the mapping, the pixels are read like any others.
ImageResult decodeOpened(TiffSource &source, const DecodeLimits &limits) {
    TiffLayout layout;
    if (std::string error = readTiffLayout(source.tif, layout); !error.empty())
        return ImageResult::failure(error);
    const uint64_t imageBytes = layout.imageRowBytes() * layout.height;
    // Pixels too many to allocate are mapped whatever their size.
    const bool mapIt = imageBytes >= limits.minMappedBytes || imageBytes > limits.maxPixelBytes;
    std::optional<uint64_t> offset = source.file && mapIt ? mappableOffset(source.tif, layout) : std::nullopt;
    ImageResult result;
    if (offset) {
        DecodeLimits sidesOnly = limits;
        sidesOnly.maxPixelBytes = std::numeric_limits<uint64_t>::max();
        if (std::string error = checkImageSize(layout.width, layout.height, layout.cls, sidesOnly);
            !error.empty())
            return ImageResult::failure(error);
        if (std::optional<Image> mapped = mapTiffPixels(source.file, *offset, layout))
            result = ImageResult::success(std::move(*mapped));
    }
    if (!result.ok()) result = readIntoMemory(source, layout, limits);
    if (!result.ok()) return result;
    result.image->spatial = readTiffCalibration(source.tif);
    // The page shown counts even when a later directory cannot be walked.
    const tdir_t pages = TIFFNumberOfDirectories(source.tif);
    result.image->pageCount = static_cast<int>(std::clamp<tdir_t>(pages, 1, 65535));
    return result;
}

// libtiff's own buffers (tags, strips) are bounded like ours, but never below
// what a directory of ordinary tags needs.
uint64_t libtiffAllocationLimit(const DecodeLimits &limits) {
    return std::max<uint64_t>(limits.maxPixelBytes, 16u << 20);
}

}  // namespace

bool TiffLayout::samplesMatchClass() const {
    switch (cls) {
        case ImageClass::Gray8:
            return bitsPerSample == 8 && samplesPerPixel == 1;
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            return bitsPerSample == 16 && samplesPerPixel == 1;
        case ImageClass::Float:
            return bitsPerSample == 32 && samplesPerPixel == 1;
        case ImageClass::Rgb:
            return bitsPerSample == 8 && samplesPerPixel == 3 && planar == PLANARCONFIG_CONTIG;
    }
    return false;
}

uint64_t TiffLayout::imageRowBytes() const {
    return uint64_t(width) * bytesPerPixel(cls);
}

std::string readTiffLayout(TIFF *tif, TiffLayout &l) {
    if (!TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &l.width) ||
        !TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &l.height))
        return "missing image size";
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &l.samplesPerPixel);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &l.bitsPerSample);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &l.sampleFormat);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &l.planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &l.compression);
    TIFFGetFieldDefaulted(tif, TIFFTAG_FILLORDER, &l.fillOrder);
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

ImageResult decodeTiff(std::span<const uint8_t> bytes, const DecodeLimits &limits) {
    TiffMemory memory{bytes};
    TiffMessages messages;
    TiffPtr tif = openTiffMemory(memory, messages, libtiffAllocationLimit(limits));
    if (!tif) return ImageResult::failure("not a readable TIFF file: " + messages.lastError);
    TiffSource source{tif.get(), &messages, nullptr, libtiffAllocationLimit(limits)};
    return decodeOpened(source, limits);
}

ImageResult readTiffFile(const std::shared_ptr<const OpenFile> &file, const DecodeLimits &limits) {
    TiffFile handle{file->descriptor(), file->size(), 0};
    TiffMessages messages;
    TiffPtr tif = openTiffFile(handle, messages, libtiffAllocationLimit(limits));
    if (!tif) return ImageResult::failure("not a readable TIFF file: " + messages.lastError);
    TiffSource source{tif.get(), &messages, file, libtiffAllocationLimit(limits)};
    return decodeOpened(source, limits);
}

}  // namespace host
