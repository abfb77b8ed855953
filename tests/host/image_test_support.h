// Helpers of the image tests: a scratch directory, images whose pixels are a
// formula of (x, y), and TIFF and PNG files written with libtiff and libpng
// directly (independently of the host's writers, in layouts it never writes).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/image.h"

namespace imgtest {

// A directory removed with everything in it when the object goes.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir() { std::filesystem::remove_all(dir_); }
    std::string file(const std::string &name) const { return (dir_ / name).string(); }

private:
    std::filesystem::path dir_;
};

std::vector<uint8_t> readBytes(const std::string &path);

// Channel c at (x, y) for each class (gray classes: channel 0); it spans most
// of each class's range on a 40 x 30 image, and the float one has fractions.
double formula(host::ImageClass cls, int x, int y, int c = 0);
host::Image formulaImage(host::ImageClass cls, int width, int height);
double valueAt(const host::Image &image, int x, int y, int c = 0);
void expectFormulaPixels(const host::Image &image, host::ImageClass cls);
void expectSpatial(const host::Image &image, double xScale, double yScale, const std::string &unit);

// A TIFF tag by tag. `samples` hold the pixels interleaved, in native byte
// order; the writer lays them out in strips (or tiles) and planes, LZW-coded
// unless told otherwise, in the byte order and TIFF flavour asked for.
struct RawTiff {
    uint32_t width = 40, height = 30;
    uint16_t samplesPerPixel = 1, bitsPerSample = 8, sampleFormat = 1 /* uint */, photometric = 1;
    bool planes = false;  // separate planes
    uint32_t tile = 0;    // tile size; 0: strips of `rowsPerStrip` rows, the last one short
    uint32_t rowsPerStrip = 7;
    bool stripsBackwards = false;  // the last strip first in the file
    uint16_t compression = 5 /* LZW */;
    bool bigEndian = false, bigTiff = false;
    std::string description{};  // ImageDescription when not empty
    int pages = 1;              // pages after the first repeat it with every sample inverted
    std::vector<uint8_t> samples{};
    std::optional<double> maxSampleValue{};
    std::optional<float> xResolution{}, yResolution{};
    uint16_t resolutionUnit = 2 /* inch */;
    bool writeResolutionUnit = true;
};
// The formula image's samples for RawTiff (RGB at 16 bits: v x 257).
std::vector<uint8_t> tiffSamples(host::ImageClass cls, uint32_t w, uint32_t h, int channels, int bits);
void writeRawTiff(const std::string &path, const RawTiff &tiff);

// A PNG chunk by chunk; `rows` are packed as PNG stores them.
struct RawPng {
    uint32_t width = 40, height = 30;
    int colorType = 0, bitDepth = 8;
    bool interlaced = false;
    std::vector<std::vector<uint8_t>> rows{};
    std::vector<uint8_t> palette{}, paletteAlpha{};  // palette: R, G, B triples
    int grayBits = 0;                                // sBIT when non-zero
    uint32_t perMetreX = 0, perMetreY = 0;           // pHYs when non-zero
};
void writeRawPng(const std::string &path, const RawPng &png);

}  // namespace imgtest
