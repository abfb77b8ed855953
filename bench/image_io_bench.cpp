// Opening large image files through the host's loader: an uncompressed 16-bit
// TIFF (mapped), the same deflate-coded (decoded by two readers) and tiled
// (decoded tile by tile), and a 16-bit PNG. Goals: the mapped TIFF opens in
// well under a millisecond per 100 MB; PNG within 1.3x of a bare libpng read
// of the same file (BM_PngBareLibpng).
#include <benchmark/benchmark.h>
#include <png.h>
#include <tiffio.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "image/codecs.h"
#include "image/image_file.h"
#include "image/synthetic_image.h"

namespace {

constexpr int kSide = 4096;

std::string scratch(const char *name) {
    return (std::filesystem::temp_directory_path() / (std::string("voprof-bench-") + name)).string();
}

// A kSide x kSide 16-bit TIFF written with libtiff: rows of a ramp, in strips
// of 16 rows or tiles of 256.
std::string writeTiff(const char *name, uint16_t compression, bool tiled) {
    const std::string path = scratch(name);
    if (std::filesystem::exists(path)) return path;
    TIFF *tif = TIFFOpen(path.c_str(), "w");
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, kSide);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, kSide);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 16);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, compression);
    const uint32_t chunk = tiled ? 256 : 16;
    TIFFSetField(tif, tiled ? TIFFTAG_TILEWIDTH : TIFFTAG_ROWSPERSTRIP, chunk);
    if (tiled) TIFFSetField(tif, TIFFTAG_TILELENGTH, chunk);
    std::vector<uint16_t> block(size_t(tiled ? chunk : kSide) * chunk);
    for (uint32_t y = 0; y < kSide; y += chunk)
        for (uint32_t x = 0; x < kSide; x += (tiled ? chunk : kSide)) {
            for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint16_t>(x + i % chunk + y);
            const tmsize_t bytes = static_cast<tmsize_t>(block.size() * 2);
            if (tiled)
                TIFFWriteEncodedTile(tif, TIFFComputeTile(tif, x, y, 0, 0), block.data(), bytes);
            else
                TIFFWriteEncodedStrip(tif, TIFFComputeStrip(tif, y, 0), block.data(), bytes);
        }
    TIFFClose(tif);
    return path;
}

std::string writePng() {
    const std::string path = scratch("16.png");
    if (!std::filesystem::exists(path))
        host::saveImage(*host::makeSyntheticImage(kSide, kSide, "gray16", "ramp-x").image, path);
    return path;
}

void open(benchmark::State &state, const std::string &path) {
    for (auto _ : state) {
        host::ImageResult result = host::loadImage(path);
        if (!result.ok()) state.SkipWithError(result.error.c_str());
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 2);
}

void BM_TiffMapped(benchmark::State &state) {
    open(state, writeTiff("none.tif", COMPRESSION_NONE, false));
}
void BM_TiffDeflateStrips(benchmark::State &state) {
    open(state, writeTiff("deflate.tif", COMPRESSION_ADOBE_DEFLATE, false));
}
void BM_TiffUncompressedTiles(benchmark::State &state) {
    open(state, writeTiff("tiles.tif", COMPRESSION_NONE, true));
}
void BM_Png16(benchmark::State &state) {
    open(state, writePng());
}

// The same PNG read row by row into one buffer with nothing else done.
void BM_PngBareLibpng(benchmark::State &state) {
    const std::string path = writePng();
    std::vector<uint8_t> pixels(size_t(kSide) * kSide * 2);
    for (auto _ : state) {
        std::FILE *file = std::fopen(path.c_str(), "rb");
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        png_init_io(png, file);
        png_read_info(png, info);
        for (int y = 0; y < kSide; ++y) png_read_row(png, pixels.data() + size_t(y) * kSide * 2, nullptr);
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(file);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 2);
}

}  // namespace

BENCHMARK(BM_TiffMapped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TiffDeflateStrips)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TiffUncompressedTiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Png16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngBareLibpng)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
