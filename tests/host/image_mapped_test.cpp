// TIFF files read by mapping and by decoding straight into the image: which
// layouts are mapped, that edits of a mapped image never reach the file nor
// its copies, that two readers of a compressed file report the error one
// reader would, and the side limits.
#include <gtest/gtest.h>
#include <tiffio.h>

#include <cstdio>

#include "image/image_file.h"
#include "image_test_support.h"

namespace {

using host::ImageClass;
using imgtest::RawTiff;

RawTiff uncompressed(ImageClass cls) {
    RawTiff t;
    const bool rgb = cls == ImageClass::Rgb;
    t.samplesPerPixel = rgb ? 3 : 1;
    t.bitsPerSample = cls == ImageClass::Gray8 || rgb ? 8 : cls == ImageClass::Float ? 32 : 16;
    t.sampleFormat = cls == ImageClass::Float ? SAMPLEFORMAT_IEEEFP : SAMPLEFORMAT_UINT;
    t.photometric = rgb ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
    t.compression = COMPRESSION_NONE;
    t.samples = imgtest::tiffSamples(cls, t.width, t.height, t.samplesPerPixel, t.bitsPerSample);
    return t;
}

// Limits under which every mappable file is mapped, however small.
const host::DecodeLimits kMapAny{.minMappedBytes = 0};

bool isMapped(const host::Image &image) {
    return image.gray8.isMapped() || image.gray16.isMapped() || image.gray32f.isMapped() ||
           image.rgb.isMapped();
}

struct Case {
    const char *name;
    ImageClass cls;
    void (*change)(RawTiff &);
    bool mapped;
};

const Case kCases[] = {
    {"gray8_strips", ImageClass::Gray8, [](RawTiff &) {}, true},
    {"gray16_strips", ImageClass::Gray16, [](RawTiff &) {}, true},
    {"float_strips", ImageClass::Float, [](RawTiff &) {}, true},
    {"rgb_strips", ImageClass::Rgb, [](RawTiff &) {}, true},
    {"gray16_one_strip", ImageClass::Gray16, [](RawTiff &t) { t.rowsPerStrip = t.height; }, true},
    {"gray16_bigtiff", ImageClass::Gray16, [](RawTiff &t) { t.bigTiff = true; }, true},
    {"gray8_big_endian", ImageClass::Gray8, [](RawTiff &t) { t.bigEndian = true; }, true},
    {"gray16_big_endian", ImageClass::Gray16, [](RawTiff &t) { t.bigEndian = true; }, false},
    {"gray8_strips_backwards", ImageClass::Gray8, [](RawTiff &t) { t.stripsBackwards = true; }, false},
    {"rgb_strips_backwards_bigtiff", ImageClass::Rgb,
     [](RawTiff &t) {
         t.stripsBackwards = true;
         t.bigTiff = true;
     },
     false},
    {"float_big_endian_bigtiff", ImageClass::Float,
     [](RawTiff &t) {
         t.bigEndian = true;
         t.bigTiff = true;
     },
     false},
    {"gray16_tiles", ImageClass::Gray16, [](RawTiff &t) { t.tile = 16; }, false},
    {"rgb_tiles", ImageClass::Rgb, [](RawTiff &t) { t.tile = 16; }, false},
    {"rgb_planes", ImageClass::Rgb, [](RawTiff &t) { t.planes = true; }, false},
    {"gray16_deflate", ImageClass::Gray16, [](RawTiff &t) { t.compression = COMPRESSION_ADOBE_DEFLATE; },
     false},
    {"float_lzw_strips_backwards", ImageClass::Float,
     [](RawTiff &t) {
         t.compression = COMPRESSION_LZW;
         t.stripsBackwards = true;
     },
     false},
    {"float_lzw_tiles", ImageClass::Float,
     [](RawTiff &t) {
         t.compression = COMPRESSION_LZW;
         t.tile = 16;
     },
     false},
};

class TiffStorage : public testing::TestWithParam<Case> {};

TEST_P(TiffStorage, PixelsExactMappedOnlyWhenLaidOutAsInMemory) {
    RawTiff t = uncompressed(GetParam().cls);
    GetParam().change(t);
    imgtest::ScratchDir dir;
    imgtest::writeRawTiff(dir.file("s.tif"), t);
    const host::ImageResult result = host::loadImage(dir.file("s.tif"), kMapAny);
    ASSERT_TRUE(result.ok()) << result.error;
    imgtest::expectFormulaPixels(*result.image, GetParam().cls);
    EXPECT_EQ(isMapped(*result.image), GetParam().mapped);
    // Below the mapping size the same file is read, to the same pixels.
    const host::ImageResult read = host::loadImage(dir.file("s.tif"));
    ASSERT_TRUE(read.ok()) << read.error;
    imgtest::expectFormulaPixels(*read.image, GetParam().cls);
    EXPECT_FALSE(isMapped(*read.image));
    // Pixels beyond the allocation limit are mapped, not refused.
    const host::ImageResult beyond = host::loadImage(dir.file("s.tif"), {.maxPixelBytes = 16});
    ASSERT_EQ(beyond.ok(), GetParam().mapped) << beyond.error;
    if (beyond.ok()) {
        EXPECT_TRUE(isMapped(*beyond.image));
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, TiffStorage, testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TiffMapping, EditsStayInTheProcessAndInTheirOwnCopy) {
    imgtest::ScratchDir dir;
    imgtest::writeRawTiff(dir.file("m.tif"), uncompressed(ImageClass::Gray16));
    const std::vector<uint8_t> fileBefore = imgtest::readBytes(dir.file("m.tif"));
    host::Image image = *host::loadImage(dir.file("m.tif"), kMapAny).image;
    ASSERT_TRUE(image.gray16.isMapped());

    const host::Image untouchedCopy = image;  // taken before any edit
    image.gray16[5] = 12345;
    const host::Image editedCopy = image;  // taken after
    image.gray16[6] = 54321;

    EXPECT_EQ(imgtest::readBytes(dir.file("m.tif")), fileBefore);
    EXPECT_EQ(untouchedCopy.gray16[5], imgtest::formula(ImageClass::Gray16, 5, 0));
    EXPECT_EQ(untouchedCopy.gray16[6], imgtest::formula(ImageClass::Gray16, 6, 0));
    EXPECT_EQ(editedCopy.gray16[5], 12345);
    EXPECT_EQ(editedCopy.gray16[6], imgtest::formula(ImageClass::Gray16, 6, 0));
    EXPECT_EQ(image.gray16[6], 54321);
    // A reader of the file after the edits sees the file's pixels.
    imgtest::expectFormulaPixels(*host::loadImage(dir.file("m.tif")).image, ImageClass::Gray16);
}

TEST(TiffMapping, ResizingLeavesTheMappingWithItsPixels) {
    imgtest::ScratchDir dir;
    imgtest::writeRawTiff(dir.file("m.tif"), uncompressed(ImageClass::Gray8));
    host::Image image = *host::loadImage(dir.file("m.tif"), kMapAny).image;
    const size_t count = image.gray8.size();
    image.gray8.push_back(7);
    EXPECT_FALSE(image.gray8.isMapped());
    ASSERT_EQ(image.gray8.size(), count + 1);
    EXPECT_EQ(image.gray8[count], 7);
    image.gray8.resize(count);
    imgtest::expectFormulaPixels(image, ImageClass::Gray8);
}

// Overwrites the compressed bytes of a strip so that it no longer decodes.
void spoilStrip(const std::string &path, uint32_t strip) {
    TIFF *tif = TIFFOpen(path.c_str(), "r");
    ASSERT_NE(tif, nullptr);
    const uint64_t offset = TIFFGetStrileOffset(tif, strip), count = TIFFGetStrileByteCount(tif, strip);
    TIFFClose(tif);
    std::FILE *file = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(file, nullptr);
    std::fseek(file, static_cast<long>(offset), SEEK_SET);
    for (uint64_t i = 0; i < count; ++i) std::fputc(0xFF, file);
    std::fclose(file);
}

// Large enough for two readers: 1024 x 2048 16-bit samples in strips of 7 rows.
RawTiff largeDeflate() {
    RawTiff t = uncompressed(ImageClass::Gray16);
    t.width = 1024;
    t.height = 2048;
    t.compression = COMPRESSION_ADOBE_DEFLATE;
    t.samples = imgtest::tiffSamples(ImageClass::Gray16, t.width, t.height, 1, 16);
    return t;
}

void expectSampledFormula(const host::Image &image) {
    for (int y = 0; y < image.height; y += 97)
        for (int x = 0; x < image.width; x += 31)
            ASSERT_EQ(imgtest::valueAt(image, x, y), imgtest::formula(ImageClass::Gray16, x, y))
                << x << ", " << y;
}

TEST(TiffTwoReaders, LargeCompressedStripsAndTilesDecodeExactly) {
    for (uint32_t tile : {0u, 64u}) {
        RawTiff t = largeDeflate();
        t.tile = tile;
        imgtest::ScratchDir dir;
        imgtest::writeRawTiff(dir.file("big.tif"), t);
        const host::ImageResult result = host::loadImage(dir.file("big.tif"));
        ASSERT_TRUE(result.ok()) << result.error;
        expectSampledFormula(*result.image);
    }
}

TEST(TiffTwoReaders, TheLowestBadStripIsNamed) {
    imgtest::ScratchDir dir;
    const std::string path = dir.file("big.tif");
    imgtest::writeRawTiff(path, largeDeflate());
    // Strips 41 and 40 fall to different readers; the lowest bad one is named.
    for (uint32_t strip : {41u, 40u}) {
        spoilStrip(path, strip);
        const std::string error = host::loadImage(path).error;
        EXPECT_EQ(error.rfind(path + ": strip " + std::to_string(strip) + " cannot be decoded", 0), 0u)
            << error;
    }
}

// Sets entry s of a strip array (StripOffsets or StripByteCounts: LONGs in a
// little-endian classic TIFF) to value(s) for s from `first` on.
template <typename Value>
void patchStrips(const std::string &path, uint16_t tag, uint32_t first, Value value) {
    std::vector<uint8_t> bytes = imgtest::readBytes(path);
    auto u16 = [&](size_t at) { return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8; };
    auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
    const size_t ifd = u32(4);
    for (size_t e = 0; e < u16(ifd); ++e) {
        const size_t entry = ifd + 2 + 12 * e;
        if (u16(entry) != tag) continue;
        const uint32_t count = u32(entry + 4), array = u32(entry + 8);
        for (uint32_t s = first; s < count; ++s) {
            const uint32_t v = value(s, uint32_t(bytes.size()), u32(array + 4) - u32(array));
            for (int b = 0; b < 4; ++b) bytes[array + 4 * s + b] = uint8_t(v >> (8 * b));
        }
    }
    std::FILE *file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// Points strips `first` onwards at the file's last 5 bytes and beyond, one
// after another, as if the file had been cut there.
void cutStripsFrom(const std::string &path, uint32_t first) {
    patchStrips(path, TIFFTAG_STRIPOFFSETS, first, [first](uint32_t s, uint32_t size, uint32_t stripBytes) {
        return size - 5 + (s - first) * stripBytes;
    });
}

// A file cut short: its strips are read a run at a time by two readers, and
// the error names the first strip the cut reaches, in the words one reader
// of the same bytes in memory uses: whether the cut falls inside a run (the
// strips no longer follow one another), at the start of one (the run reads
// short) or on the last strip. libtiff's own words lose the row its handle
// last read, which differs between the two.
TEST(TiffTwoReaders, ACutFileNamesTheFirstStripItCutsAsOneReaderWould) {
    for (uint16_t compression : {COMPRESSION_NONE, COMPRESSION_LZW}) {
        for (uint32_t strip : {100u, 146u, 292u}) {
            RawTiff t = largeDeflate();
            t.compression = compression;
            imgtest::ScratchDir dir;
            const std::string path = dir.file("cut.tif");
            imgtest::writeRawTiff(path, t);
            cutStripsFrom(path, strip);
            const std::string error = host::loadImage(path).error;
            EXPECT_EQ(error.rfind(path + ": strip " + std::to_string(strip) + " ", 0), 0u) << error;
            EXPECT_EQ(error, host::decodeImage(imgtest::readBytes(path), path).error);
            EXPECT_EQ(error.find("scanline"), std::string::npos) << error;
        }
    }
}

// Compressed strips whose byte counts claim far more than the file holds:
// the file, read in runs by two readers, fails as the same bytes read by one
// reader strip by strip do.
TEST(TiffTwoReaders, AbsurdByteCountsFailAsOneReaderWould) {
    for (uint32_t strip : {100u, 146u}) {
        imgtest::ScratchDir dir;
        const std::string path = dir.file("counts.tif");
        imgtest::writeRawTiff(path, largeDeflate());
        patchStrips(path, TIFFTAG_STRIPBYTECOUNTS, strip,
                    [](uint32_t, uint32_t, uint32_t) { return 0xFFFFFF00u; });
        const std::string error = host::loadImage(path).error;
        EXPECT_EQ(error, host::decodeImage(imgtest::readBytes(path), path).error);
        EXPECT_EQ(error.rfind(path + ": strip ", 0), 0u) << error;
    }
}

TEST(TiffLimits, SidesUpTo65535) {
    imgtest::ScratchDir dir;
    for (uint32_t width : {65535u, 65536u}) {
        RawTiff t = uncompressed(ImageClass::Gray8);
        t.width = width;
        t.height = 2;
        t.rowsPerStrip = 1;
        t.samples.assign(size_t(width) * 2, 9);
        imgtest::writeRawTiff(dir.file("wide.tif"), t);
        const host::ImageResult result = host::loadImage(dir.file("wide.tif"));
        if (width == 65535) {
            ASSERT_TRUE(result.ok()) << result.error;
            EXPECT_EQ(result.image->gray8[2 * size_t(width) - 1], 9);
        } else {
            EXPECT_EQ(result.error,
                      dir.file("wide.tif") + ": too large: 65536 x 2 pixels (at most 65535 x 65535)");
        }
    }
}

}  // namespace
