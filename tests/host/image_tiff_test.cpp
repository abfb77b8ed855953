// Reading TIFF: every class in strips and tiles, contiguous and planar; the
// 12-bit rule; min-is-white; resolution tags; refused formats; and the host's
// own writer read back.
#include <gtest/gtest.h>
#include <tiff.h>

#include "image/image_file.h"
#include "image_test_support.h"

namespace {

using host::ImageClass;
using imgtest::RawTiff;

RawTiff formulaTiff(ImageClass cls, uint16_t bits, uint16_t spp) {
    RawTiff t;
    t.samplesPerPixel = spp;
    t.bitsPerSample = bits;
    t.sampleFormat = cls == ImageClass::Float ? SAMPLEFORMAT_IEEEFP : SAMPLEFORMAT_UINT;
    t.photometric = cls == ImageClass::Rgb ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
    t.samples = imgtest::tiffSamples(cls, t.width, t.height, spp, bits);
    return t;
}

host::ImageResult load(const RawTiff &t) {
    imgtest::ScratchDir dir;
    imgtest::writeRawTiff(dir.file("raw.tif"), t);
    return host::loadImage(dir.file("raw.tif"));
}

struct Layout {
    const char *name;
    ImageClass cls;
    uint16_t bits, spp;
    bool planes;
    uint32_t tile;
};

class TiffLayouts : public testing::TestWithParam<Layout> {};

TEST_P(TiffLayouts, PixelsAndClassExact) {
    RawTiff t = formulaTiff(GetParam().cls, GetParam().bits, GetParam().spp);
    t.planes = GetParam().planes;
    t.tile = GetParam().tile;
    const host::ImageResult result = load(t);
    ASSERT_TRUE(result.ok()) << result.error;
    imgtest::expectFormulaPixels(*result.image, GetParam().cls);
    EXPECT_EQ(result.image->width, 40);
    EXPECT_FALSE(result.image->spatial);
}

// Tiles of 16 on 40 x 30 pixels leave partial tiles at the right and bottom.
INSTANTIATE_TEST_SUITE_P(Classes, TiffLayouts,
                         testing::Values(Layout{"gray8_strips", ImageClass::Gray8, 8, 1, false, 0},
                                         Layout{"gray8_tiles", ImageClass::Gray8, 8, 1, false, 16},
                                         Layout{"gray16_strips", ImageClass::Gray16, 16, 1, false, 0},
                                         Layout{"gray16_tiles", ImageClass::Gray16, 16, 1, false, 16},
                                         Layout{"float_strips", ImageClass::Float, 32, 1, false, 0},
                                         Layout{"float_tiles", ImageClass::Float, 32, 1, false, 16},
                                         Layout{"rgb_strips", ImageClass::Rgb, 8, 3, false, 0},
                                         Layout{"rgb_planes", ImageClass::Rgb, 8, 3, true, 0},
                                         Layout{"rgb_tiles", ImageClass::Rgb, 8, 3, false, 16},
                                         Layout{"rgb_planes_tiles", ImageClass::Rgb, 8, 3, true, 16},
                                         Layout{"rgba_alpha_dropped", ImageClass::Rgb, 8, 4, false, 0},
                                         Layout{"rgba_planes", ImageClass::Rgb, 8, 4, true, 0},
                                         Layout{"rgb16_to_8", ImageClass::Rgb, 16, 3, false, 0}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TiffTwelveBit, StatedMaximumDecidesTheClass) {
    RawTiff t = formulaTiff(ImageClass::Gray12, 16, 1);
    t.maxSampleValue = 4095.0;
    imgtest::expectFormulaPixels(*load(t).image, ImageClass::Gray12);
    t.maxSampleValue = 4096.0;
    EXPECT_EQ(load(t).image->cls, ImageClass::Gray16);
    RawTiff above = formulaTiff(ImageClass::Gray16, 16, 1);  // samples beyond the stated maximum
    above.maxSampleValue = 4095.0;
    imgtest::expectFormulaPixels(*load(above).image, ImageClass::Gray16);
}

TEST(TiffMinIsWhite, EightAndSixteenBitsAreInverted) {
    for (auto [cls, bits, white] : {std::tuple{ImageClass::Gray8, 8, 255}, {ImageClass::Gray16, 16, 65535}}) {
        RawTiff t = formulaTiff(cls, static_cast<uint16_t>(bits), 1);
        t.photometric = PHOTOMETRIC_MINISWHITE;
        const host::Image image = *load(t).image;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(imgtest::valueAt(image, x, y), white - imgtest::formula(cls, x, y));
    }
}

// The resolution tags state pixels per inch or centimetre; microscopy files
// name the unit in an ImageJ-style description, with the unit tag "none" or absent.
TEST(TiffResolution, TagsAndDescriptionGiveUnitsPerPixel) {
    const std::tuple<const char *, uint16_t, bool, const char *> cases[] = {
        {"", RESUNIT_INCH, true, "inch"},
        {"", RESUNIT_CENTIMETER, true, "cm"},
        {"", RESUNIT_NONE, true, ""},
        {"ImageJ=1.54f\nunit=micron\nspacing=0.5\n", RESUNIT_NONE, true, "um"},
        {"ImageJ=1.54f\nunit=\\u00B5m\n", RESUNIT_NONE, true, "um"},
        {"ImageJ=1.54f\r\nunit=\xC2\xB5m\r\n", RESUNIT_NONE, true, "um"},
        {"ImageJ=1.54f\nunit=um\n", RESUNIT_NONE, false, "um"},
        {"ImageJ=1.54f\nimages=3\nunit=nm", RESUNIT_NONE, true, "nm"},
        {"ImageJ=1.54f\nunit=cm\n", RESUNIT_CENTIMETER, true, "cm"},
        {"ImageJ=1.54f\nunit=micron\n", RESUNIT_INCH, true, "inch"},  // an explicit unit tag wins
        {"ImageJ=1.54f\nunit=pixel\n", RESUNIT_NONE, true, ""},
        {"ImageJ=1.54f\nspacing=2\n", RESUNIT_NONE, true, ""},
        {"unit=micron\n", RESUNIT_NONE, true, ""},  // not an ImageJ description
    };
    for (const auto &[description, unit, unitTag, expected] : cases) {
        SCOPED_TRACE(description);
        RawTiff t = formulaTiff(ImageClass::Gray8, 8, 1);
        t.xResolution = 4.0f;  // pixels per unit
        t.yResolution = 5.0f;
        t.resolutionUnit = unit;
        t.writeResolutionUnit = unitTag;
        t.description = description;
        const host::ImageResult result = load(t);
        ASSERT_TRUE(result.ok()) << result.error;
        if (*expected)
            imgtest::expectSpatial(*result.image, 0.25, 0.2, expected);
        else
            EXPECT_FALSE(result.image->spatial);
    }
}

TEST(TiffPages, TheFirstPageIsShownAndThePagesCounted) {
    for (const auto &[cls, bits] : {std::pair{ImageClass::Gray8, 8}, {ImageClass::Gray16, 16}}) {
        for (int pages : {1, 3}) {
            RawTiff t = formulaTiff(cls, static_cast<uint16_t>(bits), 1);
            t.compression = COMPRESSION_NONE;
            t.pages = pages;
            const host::ImageResult result = load(t);
            ASSERT_TRUE(result.ok()) << result.error;
            imgtest::expectFormulaPixels(*result.image, cls);
            EXPECT_EQ(result.image->pageCount, pages);
        }
    }
}

TEST(TiffRefused, UnsupportedFormatsAreNamedWithTheFile) {
    const std::tuple<uint16_t, uint16_t, uint16_t, uint16_t, const char *> cases[] = {
        {4, SAMPLEFORMAT_UINT, PHOTOMETRIC_MINISBLACK, 1, "unsupported bit depth 4"},
        {32, SAMPLEFORMAT_UINT, PHOTOMETRIC_MINISBLACK, 1, "unsupported bit depth 32"},
        {16, SAMPLEFORMAT_INT, PHOTOMETRIC_MINISBLACK, 1, "unsupported sample format 2"},
        {64, SAMPLEFORMAT_IEEEFP, PHOTOMETRIC_MINISBLACK, 1,
         "unsupported floating-point sample size: bits 64"},
        {8, SAMPLEFORMAT_UINT, PHOTOMETRIC_SEPARATED, 4, "unsupported photometric interpretation 5"},
    };
    for (const auto &[bits, format, photometric, spp, reason] : cases) {
        RawTiff t{.width = 8,
                  .height = 4,
                  .samplesPerPixel = spp,
                  .bitsPerSample = bits,
                  .sampleFormat = format,
                  .photometric = photometric};
        t.samples.assign(8 * 4 * spp * ((bits + 7) / 8), 0);
        imgtest::ScratchDir dir;
        imgtest::writeRawTiff(dir.file("odd.tif"), t);
        EXPECT_EQ(host::loadImage(dir.file("odd.tif")).error, dir.file("odd.tif") + ": " + reason);
    }
}

class TiffWriter : public testing::TestWithParam<ImageClass> {};

TEST_P(TiffWriter, EveryClassReadsBackWithCalibration) {
    host::Image image = imgtest::formulaImage(GetParam(), 40, 30);
    image.spatial = host::SpatialCalibration{0.5, 0.25, "mm"};  // written in centimetres
    imgtest::ScratchDir dir;
    ASSERT_TRUE(host::saveImage(image, dir.file("saved.TIFF")).ok());
    const host::ImageResult back = host::loadImage(dir.file("saved.TIFF"));
    ASSERT_TRUE(back.ok()) << back.error;
    imgtest::expectFormulaPixels(*back.image, GetParam());
    imgtest::expectSpatial(*back.image, 0.05, 0.025, "cm");
    EXPECT_EQ(back.image->title, "saved.TIFF");
}

INSTANTIATE_TEST_SUITE_P(AllClasses, TiffWriter,
                         testing::Values(ImageClass::Gray8, ImageClass::Gray12, ImageClass::Gray16,
                                         ImageClass::Float, ImageClass::Rgb));

}  // namespace
