// Broken and hostile files: every prefix of a valid file, bad magic, absurd
// sizes and missing files give an error naming the file, and nothing crashes
// (the sanitizer build runs these too; damaged bytes are the fuzz targets' part).
#include <gtest/gtest.h>

#include "image/image_file.h"
#include "image_test_support.h"

namespace {

using host::ImageClass;

std::vector<uint8_t> validFile(const std::string &name, ImageClass cls) {
    imgtest::ScratchDir dir;
    EXPECT_TRUE(host::saveImage(imgtest::formulaImage(cls, 40, 30), dir.file(name)).ok());
    return imgtest::readBytes(dir.file(name));
}

host::ImageResult decodeText(const std::string &text, const std::string &name) {
    return host::decodeImage(std::vector<uint8_t>(text.begin(), text.end()), name);
}

// A prefix fails naming the file, or (a PNG missing only its end chunk) gives
// the whole image.
TEST(TruncatedFiles, EveryPrefixFailsCleanlyOrIsComplete) {
    for (auto [name, cls] : {std::pair{"a.tif", ImageClass::Gray16},
                             {"b.tif", ImageClass::Rgb},
                             {"c.png", ImageClass::Gray8},
                             {"d.png", ImageClass::Rgb},
                             {"e.pgm", ImageClass::Gray16},
                             {"f.ppm", ImageClass::Rgb}}) {
        const std::vector<uint8_t> file = validFile(name, cls);
        int complete = 0;
        for (size_t length = 0; length < file.size(); ++length) {
            const host::ImageResult result = host::decodeImage(std::span(file.data(), length), name);
            if (result.ok()) {
                ++complete;
                imgtest::expectFormulaPixels(*result.image, cls);
            } else {
                ASSERT_EQ(result.error.rfind(name + std::string(": "), 0), 0u) << result.error;
            }
        }
        EXPECT_LE(complete, 12) << name;  // the 12 bytes of a PNG's end chunk
    }
}

TEST(TruncatedFiles, ReasonSaysTruncated) {
    const std::vector<uint8_t> pgm = validFile("g.pgm", ImageClass::Gray8);
    EXPECT_EQ(host::decodeImage(std::span(pgm.data(), pgm.size() - 1), "g.pgm").error,
              "g.pgm: truncated: 1199 of 1200 samples present");
    const std::vector<uint8_t> png = validFile("g.png", ImageClass::Gray8);
    EXPECT_EQ(host::decodeImage(std::span(png.data(), png.size() / 2), "g.png").error,
              "g.png: truncated file");
    const std::vector<uint8_t> tif = validFile("g.tif", ImageClass::Gray8);
    EXPECT_EQ(host::decodeImage(std::span(tif.data(), 7), "g.tif").error,
              "g.tif: not a readable TIFF file: Cannot read TIFF header");
}

TEST(BadFiles, UnknownContentEmptyAndMissingFilesAreNamed) {
    EXPECT_EQ(decodeText("GIF89a\x01", "x.tif").error, "x.tif: not a TIFF, PNG, PGM or PPM image");
    EXPECT_EQ(decodeText("", "e.png").error, "e.png: empty file");
    imgtest::ScratchDir dir;
    EXPECT_EQ(host::loadImage(dir.file("none.tif")).error,
              dir.file("none.tif") + ": cannot be read: No such file or directory");
    std::filesystem::create_directory(dir.file("folder.png"));
    EXPECT_EQ(host::loadImage(dir.file("folder.png")).error,
              dir.file("folder.png") + ": cannot be read: a directory");
}

TEST(AbsurdSizes, RefusedBeforeAllocating) {
    EXPECT_EQ(decodeText("P5\n100000 100000\n255\n", "big.pgm").error,
              "big.pgm: too large: 100000 x 100000 pixels (at most 65535 x 65535)");
    EXPECT_EQ(decodeText("P5\n4294967295 2\n255\n", "huge.pgm").error,
              "huge.pgm: bad or missing image size in header");
    EXPECT_EQ(decodeText("P6 32768 32768 255\n", "deep.ppm").error,
              "deep.ppm: too large: 32768 x 32768 pixels need 3221225472 bytes (at most 1073741824)");
    imgtest::ScratchDir dir;
    imgtest::writeRawPng(dir.file("wide.png"),
                         {.width = 70000, .height = 1, .rows = {std::vector<uint8_t>(70000)}});
    imgtest::writeRawTiff(dir.file("wide.tif"),
                          {.width = 70000, .height = 1, .samples = std::vector<uint8_t>(70000)});
    for (const char *name : {"wide.png", "wide.tif"})
        EXPECT_EQ(host::loadImage(dir.file(name)).error,
                  dir.file(name) + ": too large: 70000 x 1 pixels (at most 65535 x 65535)");
}

TEST(AbsurdSizes, CallerLimitsApply) {
    const host::DecodeLimits limits{.maxPixelBytes = 1000};  // the 40 x 30 gray image needs 1200
    for (const char *name : {"l.tif", "l.png", "l.pgm"})
        EXPECT_EQ(host::decodeImage(validFile(name, ImageClass::Gray8), name, limits).error,
                  std::string(name) + ": too large: 40 x 30 pixels need 1200 bytes (at most 1000)");
}

}  // namespace
