// Reading PGM/PPM: binary and text forms, comments, the class each maxval
// gives, PPM above 255 scaled; and the host's own writer read back.
#include <gtest/gtest.h>

#include "image/image_file.h"
#include "image_test_support.h"

namespace {

using host::ImageClass;

// The formula image as text (P2/P3) or binary (P5/P6), each sample x scale,
// with comments in the header.
std::string formulaPnm(ImageClass cls, bool binary, unsigned maxval, unsigned scale) {
    const bool rgb = cls == ImageClass::Rgb;
    std::string s = std::string("P") + "2356"[binary * 2 + rgb] + "\n# test\n40 30\n# maxval\n" +
                    std::to_string(maxval) + "\n";
    for (int i = 0; i < 40 * 30 * (rgb ? 3 : 1); ++i) {
        const int n = rgb ? 3 : 1, x = i / n % 40, y = i / n / 40;
        const unsigned v = static_cast<unsigned>(imgtest::formula(cls, x, y, i % n)) * scale;
        if (!binary) s += std::to_string(v) + (x % 7 ? " " : "\n");
        if (binary && maxval > 255) s += static_cast<char>(v >> 8);
        if (binary) s += static_cast<char>(v & 0xFF);
    }
    return s;
}

host::ImageResult decode(const std::string &text) {
    return host::decodeImage(std::vector<uint8_t>(text.begin(), text.end()), "test.pnm");
}

struct Kind {
    const char *name;
    ImageClass cls;
    bool binary;
    unsigned maxval, scale;
};

class PnmKinds : public testing::TestWithParam<Kind> {};

TEST_P(PnmKinds, PixelsAndClassExact) {
    const Kind &k = GetParam();
    const host::ImageResult result = decode(formulaPnm(k.cls, k.binary, k.maxval, k.scale));
    ASSERT_TRUE(result.ok()) << result.error;
    imgtest::expectFormulaPixels(*result.image, k.cls);
}

// 16-bit RGB samples are v x 257 of maxval 65535: scaled to 8 bits they give v.
INSTANTIATE_TEST_SUITE_P(Kinds, PnmKinds,
                         testing::Values(Kind{"p5_gray8", ImageClass::Gray8, true, 255, 1},
                                         Kind{"p2_gray8", ImageClass::Gray8, false, 255, 1},
                                         Kind{"p5_gray12", ImageClass::Gray12, true, 4095, 1},
                                         Kind{"p2_gray12", ImageClass::Gray12, false, 4095, 1},
                                         Kind{"p5_gray16", ImageClass::Gray16, true, 65535, 1},
                                         Kind{"p2_gray16", ImageClass::Gray16, false, 65535, 1},
                                         Kind{"p6_rgb8", ImageClass::Rgb, true, 255, 1},
                                         Kind{"p3_rgb8", ImageClass::Rgb, false, 255, 1},
                                         Kind{"p6_rgb16", ImageClass::Rgb, true, 65535, 257},
                                         Kind{"p3_rgb16", ImageClass::Rgb, false, 65535, 257}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PnmValues, MaxvalDecidesClassAndScaling) {
    EXPECT_EQ(decode("P2 3 1 100 0 50 100").image->gray8,
              (std::vector<uint8_t>{0, 50, 100}));  // kept as stored
    const host::ImageResult twelve = decode("P2 2 1 256 256 7");
    EXPECT_EQ(twelve.image->cls, ImageClass::Gray12);
    EXPECT_EQ(twelve.image->gray16, (std::vector<uint16_t>{256, 7}));
    // x 255 / 1000, rounded: 1000 -> 255, 500 -> 127.5 -> 128, 2 -> 0.51 -> 1, 1 -> 0.255 -> 0.
    for (const std::string &file : {std::string("P3 2 1 1000  1000 500 2  1 0 0"),
                                    std::string("P6 2 1 1000\n\x03\xe8\x01\xf4\0\x02\0\x01\0\0\0\0", 24)})
        EXPECT_EQ(decode(file).image->rgb, (std::vector<uint8_t>{255, 128, 1, 0, 0, 0}));
    EXPECT_EQ(decode("P2\n2 2\n255\n1 # one\n2\n# line\n3 4\n").image->gray8,
              (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(PnmValues, BadContentIsNamed) {
    EXPECT_EQ(decode("P2 2 1 100 50 101").error, "test.pnm: sample value above maxval 100");
    EXPECT_EQ(decode("P5 2 1 100\n\x32\x65").error, "test.pnm: sample value above maxval 100");
    EXPECT_EQ(decode("P5 2 1 1000\n\x03\xe8\x03\xe9").error, "test.pnm: sample value above maxval 1000");
    EXPECT_EQ(decode("P4 8 1\n\xff").error, "test.pnm: unsupported PNM type P4 (bitmap)");
    EXPECT_EQ(decode("P5 1 1 0\n\x01").error, "test.pnm: bad or missing maxval in header (1 to 65535)");
    EXPECT_EQ(decode("P2 2 1 9 1 x").error, "test.pnm: truncated or bad sample 2 of 2");
}

TEST(PnmWriter, IntegerClassesReadBackAndExtensionsMatch) {
    imgtest::ScratchDir dir;
    for (ImageClass cls : {ImageClass::Gray8, ImageClass::Gray12, ImageClass::Gray16, ImageClass::Rgb}) {
        const std::string path = dir.file(cls == ImageClass::Rgb ? "s.ppm" : "s.pgm");
        ASSERT_TRUE(host::saveImage(imgtest::formulaImage(cls, 40, 30), path).ok());
        imgtest::expectFormulaPixels(*host::loadImage(path).image, cls);
    }
    EXPECT_FALSE(host::saveImage(imgtest::formulaImage(ImageClass::Rgb, 2, 2), dir.file("c.pgm")).ok());
    EXPECT_FALSE(host::saveImage(imgtest::formulaImage(ImageClass::Gray8, 2, 2), dir.file("g.ppm")).ok());
    EXPECT_FALSE(host::saveImage(imgtest::formulaImage(ImageClass::Float, 2, 2), dir.file("f.pgm")).ok());
    EXPECT_TRUE(host::saveImage(imgtest::formulaImage(ImageClass::Rgb, 2, 2), dir.file("c.pnm")).ok());
}

}  // namespace
