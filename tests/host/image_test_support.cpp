// Helpers of the image tests: a scratch folder, formula images, files written by libtiff and libpng directly.
#include "image_test_support.h"

#include "image/pixel_storage.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>
#include <png.h>
#include <tiffio.h>
#include <unistd.h>

namespace imgtest {

using host::ImageClass;

ScratchDir::ScratchDir() {
    static int counter = 0;
    dir_ = std::filesystem::temp_directory_path() /
           ("vohost_image_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(dir_);
}

std::vector<uint8_t> readBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double formula(ImageClass cls, int x, int y, int c) {
    if (cls == ImageClass::Gray8) return (7 * x + 3 * y) % 256;
    if (cls == ImageClass::Gray12) return (101 * x + 37 * y) % 4096;
    if (cls == ImageClass::Gray16) return (1601 * x + 2203 * y) % 65536;
    if (cls == ImageClass::Float) return 0.5 * x - 0.25 * y;
    return (c == 0 ? 7 * x : c == 1 ? 9 * y : x * y + 40) % 256;
}

host::Image formulaImage(ImageClass cls, int width, int height) {
    host::Image image = host::makeBlankImage(width, height, cls);
    for (int i = 0; i < width * height; ++i) {
        const int x = i % width, y = i / width;
        if (cls == ImageClass::Gray8) image.gray8[i] = static_cast<uint8_t>(formula(cls, x, y));
        if (!image.gray16.empty()) image.gray16[i] = static_cast<uint16_t>(formula(cls, x, y));
        if (cls == ImageClass::Float) image.gray32f[i] = static_cast<float>(formula(cls, x, y));
        for (int c = 0; c < 3 && cls == ImageClass::Rgb; ++c)
            image.rgb[3 * i + c] = static_cast<uint8_t>(formula(cls, x, y, c));
    }
    return image;
}

double valueAt(const host::Image &image, int x, int y, int c) {
    const size_t i = static_cast<size_t>(y) * image.width + x;
    if (image.cls == ImageClass::Gray8) return image.gray8.at(i);
    if (image.cls == ImageClass::Float) return image.gray32f.at(i);
    if (image.cls == ImageClass::Rgb) return image.rgb.at(3 * i + c);
    return image.gray16.at(i);
}

void expectSpatial(const host::Image &image, double xScale, double yScale, const std::string &unit) {
    ASSERT_TRUE(image.spatial.has_value());
    EXPECT_DOUBLE_EQ(image.spatial->xScale, xScale);
    EXPECT_DOUBLE_EQ(image.spatial->yScale, yScale);
    EXPECT_EQ(image.spatial->unit, unit);
}

void expectFormulaPixels(const host::Image &image, ImageClass cls) {
    ASSERT_EQ(image.cls, cls);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            for (int c = 0; c < (cls == ImageClass::Rgb ? 3 : 1); ++c)
                ASSERT_EQ(valueAt(image, x, y, c), formula(cls, x, y, c))
                    << "(" << x << ", " << y << ") channel " << c;
}

std::vector<uint8_t> tiffSamples(ImageClass cls, uint32_t w, uint32_t h, int channels, int bits) {
    std::vector<uint8_t> bytes;
    for (uint32_t i = 0; i < w * h * channels; ++i) {
        const double v = formula(cls, i / channels % w, i / channels / w, i % channels);
        const uint16_t v16 = static_cast<uint16_t>(cls == ImageClass::Rgb ? v * 257 : v);
        const float v32 = static_cast<float>(v);
        const uint8_t v8 = static_cast<uint8_t>(v);
        const auto *p = bits == 8    ? &v8
                        : bits == 16 ? reinterpret_cast<const uint8_t *>(&v16)
                                     : reinterpret_cast<const uint8_t *>(&v32);
        bytes.insert(bytes.end(), p, p + bits / 8);
    }
    return bytes;
}

namespace {

void writeTiffPage(TIFF *tif, const RawTiff &t, const std::vector<uint8_t> &samples) {
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, t.width);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, t.height);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, t.samplesPerPixel);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, t.bitsPerSample);
    TIFFSetField(tif, TIFFTAG_SAMPLEFORMAT, t.sampleFormat);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, t.photometric);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, t.planes ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, t.compression);
    const uint16_t alpha = EXTRASAMPLE_UNASSALPHA;
    if (t.samplesPerPixel == 4) TIFFSetField(tif, TIFFTAG_EXTRASAMPLES, 1, &alpha);
    if (t.maxSampleValue) TIFFSetField(tif, TIFFTAG_SMAXSAMPLEVALUE, *t.maxSampleValue);
    if (t.xResolution) TIFFSetField(tif, TIFFTAG_XRESOLUTION, double(*t.xResolution));
    if (t.yResolution) TIFFSetField(tif, TIFFTAG_YRESOLUTION, double(*t.yResolution));
    if (t.xResolution && t.writeResolutionUnit) TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, t.resolutionUnit);
    if (!t.description.empty()) TIFFSetField(tif, TIFFTAG_IMAGEDESCRIPTION, t.description.c_str());
    const uint32_t cw = t.tile ? t.tile : t.width, ch = t.tile ? t.tile : t.rowsPerStrip;
    TIFFSetField(tif, t.tile ? TIFFTAG_TILEWIDTH : TIFFTAG_ROWSPERSTRIP, t.tile ? t.tile : ch);
    if (t.tile) TIFFSetField(tif, TIFFTAG_TILELENGTH, t.tile);
    const size_t sample = (t.bitsPerSample + 7) / 8u, pixel = sample * t.samplesPerPixel,
                 out = t.planes ? sample : pixel;
    for (int plane = 0; plane < (t.planes ? t.samplesPerPixel : 1); ++plane) {
        for (uint32_t k = 0; k < (t.height + ch - 1) / ch; ++k) {
            const uint32_t y0 = (t.stripsBackwards ? (t.height + ch - 1) / ch - 1 - k : k) * ch;
            for (uint32_t x0 = 0; x0 < t.width; x0 += cw) {
                const uint32_t rows = t.tile ? ch : std::min(ch, t.height - y0);  // tiles are whole
                std::vector<uint8_t> chunk(size_t(cw) * rows * out, 0);
                for (uint32_t r = 0; r < rows && y0 + r < t.height; ++r)
                    for (uint32_t c = 0; c < cw && x0 + c < t.width; ++c)
                        std::memcpy(&chunk[(size_t(r) * cw + c) * out],
                                    &samples[((size_t(y0) + r) * t.width + x0 + c) * pixel + plane * sample],
                                    out);
                const tmsize_t n = static_cast<tmsize_t>(chunk.size());
                EXPECT_EQ(n, t.tile ? TIFFWriteEncodedTile(tif, TIFFComputeTile(tif, x0, y0, 0, plane),
                                                           chunk.data(), n)
                                    : TIFFWriteEncodedStrip(tif, TIFFComputeStrip(tif, y0, plane),
                                                            chunk.data(), n));
            }
        }
    }
}

}  // namespace

void writeRawTiff(const std::string &path, const RawTiff &t) {
    const std::string mode = std::string("w") + (t.bigEndian ? "b" : "l") + (t.bigTiff ? "8" : "");
    TIFF *tif = TIFFOpen(path.c_str(), mode.c_str());
    ASSERT_NE(tif, nullptr);
    std::vector<uint8_t> samples = t.samples;
    for (int page = 0; page < t.pages; ++page) {
        writeTiffPage(tif, t, samples);
        for (uint8_t &byte : samples) byte = static_cast<uint8_t>(~byte);
        if (t.pages > 1) TIFFWriteDirectory(tif);
    }
    TIFFClose(tif);
}

void writeRawPng(const std::string &path, const RawPng &p) {
    std::FILE *file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, p.width, p.height, p.bitDepth, p.colorType, p.interlaced, 0, 0);
    std::vector<png_color> palette;
    for (size_t i = 0; i + 2 < p.palette.size(); i += 3)
        palette.push_back({p.palette[i], p.palette[i + 1], p.palette[i + 2]});
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (!p.paletteAlpha.empty())
        png_set_tRNS(png, info, p.paletteAlpha.data(), int(p.paletteAlpha.size()), nullptr);
    png_color_8 bits{0, 0, 0, static_cast<png_byte>(p.grayBits), 0};
    if (p.grayBits) png_set_sBIT(png, info, &bits);
    if (p.perMetreX) png_set_pHYs(png, info, p.perMetreX, p.perMetreY, PNG_RESOLUTION_METER);
    std::vector<png_bytep> rows;
    for (const auto &row : p.rows) rows.push_back(const_cast<png_bytep>(row.data()));
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

}  // namespace imgtest
