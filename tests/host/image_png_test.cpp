// Reading PNG: gray 8/16-bit, 12-bit by sBIT, RGB 8/16-bit, alpha, palette,
// interlacing; pHYs; and the host's own writer read back.
#include <gtest/gtest.h>
#include <png.h>

#include "image/image_file.h"
#include "image_test_support.h"

namespace {

using host::ImageClass;
using imgtest::RawPng;

// The formula image as PNG rows of a colour type: its channels, then alpha
// (junk) when the type has one; RGB at 16 bits is stored as v x 257.
RawPng formulaPng(ImageClass cls, int colorType, int depth, int shift = 0) {
    RawPng p{.colorType = colorType, .bitDepth = depth};
    const int channels = (colorType & PNG_COLOR_MASK_COLOR) ? 3 : 1;
    const int alpha = (colorType & PNG_COLOR_MASK_ALPHA) ? 1 : 0;
    for (int y = 0; y < 30; ++y) {
        p.rows.emplace_back();
        for (int i = 0; i < 40 * (channels + alpha); ++i) {
            const int x = i / (channels + alpha), c = i % (channels + alpha);
            uint32_t v = c < channels ? static_cast<uint32_t>(imgtest::formula(cls, x, y, c)) : x * 13u % 256;
            v = (depth == 16 && cls == ImageClass::Rgb ? v * 257 : v) << shift;
            if (depth == 16) p.rows.back().push_back(static_cast<uint8_t>(v >> 8));
            p.rows.back().push_back(static_cast<uint8_t>(v));
        }
    }
    return p;
}

host::ImageResult load(const RawPng &p) {
    imgtest::ScratchDir dir;
    imgtest::writeRawPng(dir.file("raw.png"), p);
    return host::loadImage(dir.file("raw.png"));
}

struct Kind {
    const char *name;
    ImageClass cls;
    int colorType, depth;
    bool interlaced;
    int significantBits = 0;  // sBIT: the values are stored shifted left to 16 bits
};

class PngKinds : public testing::TestWithParam<Kind> {};

TEST_P(PngKinds, PixelsAndClassExact) {
    const Kind &k = GetParam();
    RawPng p = formulaPng(k.cls, k.colorType, k.depth, k.significantBits ? k.depth - k.significantBits : 0);
    p.interlaced = k.interlaced;
    p.grayBits = k.significantBits;
    const host::ImageResult result = load(p);
    ASSERT_TRUE(result.ok()) << result.error;
    imgtest::expectFormulaPixels(*result.image, k.cls);
    EXPECT_FALSE(result.image->spatial);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PngKinds,
    testing::Values(Kind{"gray8", ImageClass::Gray8, PNG_COLOR_TYPE_GRAY, 8, false},
                    Kind{"gray8_interlaced", ImageClass::Gray8, PNG_COLOR_TYPE_GRAY, 8, true},
                    Kind{"gray16", ImageClass::Gray16, PNG_COLOR_TYPE_GRAY, 16, false},
                    Kind{"gray16_interlaced", ImageClass::Gray16, PNG_COLOR_TYPE_GRAY, 16, true},
                    Kind{"gray12_by_sbit", ImageClass::Gray12, PNG_COLOR_TYPE_GRAY, 16, false, 12},
                    Kind{"gray_alpha8", ImageClass::Gray8, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false},
                    Kind{"gray_alpha16", ImageClass::Gray16, PNG_COLOR_TYPE_GRAY_ALPHA, 16, false},
                    Kind{"rgb8", ImageClass::Rgb, PNG_COLOR_TYPE_RGB, 8, false},
                    Kind{"rgb8_interlaced", ImageClass::Rgb, PNG_COLOR_TYPE_RGB, 8, true},
                    Kind{"rgb16_to_8", ImageClass::Rgb, PNG_COLOR_TYPE_RGB, 16, false},
                    Kind{"rgba8", ImageClass::Rgb, PNG_COLOR_TYPE_RGBA, 8, false},
                    Kind{"rgba16", ImageClass::Rgb, PNG_COLOR_TYPE_RGBA, 16, false}),
    [](const auto &info) { return std::string(info.param.name); });

// Pixel i of a 16 x 16 image has palette index i; entry i is (i, 255 - i, i / 2).
TEST(PngPalette, ExpandsToRgbAndDropsTransparency) {
    RawPng p{.width = 16, .height = 16, .colorType = PNG_COLOR_TYPE_PALETTE};
    for (int i = 0; i < 256; ++i)
        p.palette.insert(p.palette.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)});
    p.paletteAlpha.assign(256, 128);
    for (int y = 0; y < 16; ++y) p.rows.emplace_back();
    for (int i = 0; i < 256; ++i) p.rows[i / 16].push_back(static_cast<uint8_t>(i));
    const host::Image image = *load(p).image;
    ASSERT_EQ(image.cls, ImageClass::Rgb);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(std::vector<int>(image.rgb.begin() + 3 * i, image.rgb.begin() + 3 * i + 3),
                  (std::vector<int>{i, 255 - i, i / 2}));
}

TEST(PngPhysicalSize, PixelsPerMetreGiveMicrometresPerPixel) {
    RawPng p = formulaPng(ImageClass::Gray8, PNG_COLOR_TYPE_GRAY, 8);
    p.perMetreX = 2000000;
    p.perMetreY = 4000000;
    imgtest::expectSpatial(*load(p).image, 0.5, 0.25, "um");
}

class PngWriter : public testing::TestWithParam<ImageClass> {};

TEST_P(PngWriter, ReadsBackWithCalibration) {
    host::Image image = imgtest::formulaImage(GetParam(), 40, 30);
    image.spatial = host::SpatialCalibration{0.5, 2.0, "um"};
    imgtest::ScratchDir dir;
    ASSERT_TRUE(host::saveImage(image, dir.file("saved.png")).ok());
    const host::ImageResult back = host::loadImage(dir.file("saved.png"));
    ASSERT_TRUE(back.ok()) << back.error;
    imgtest::expectFormulaPixels(*back.image, GetParam());
    imgtest::expectSpatial(*back.image, 0.5, 2.0, "um");
}

INSTANTIATE_TEST_SUITE_P(IntegerClasses, PngWriter,
                         testing::Values(ImageClass::Gray8, ImageClass::Gray12, ImageClass::Gray16,
                                         ImageClass::Rgb));

TEST(PngWriter, FloatImagesAreRefused) {
    imgtest::ScratchDir dir;
    EXPECT_EQ(host::saveImage(imgtest::formulaImage(ImageClass::Float, 4, 4), dir.file("f.png")).error,
              dir.file("f.png") + ": floating-point images cannot be saved as PNG");
}

}  // namespace
