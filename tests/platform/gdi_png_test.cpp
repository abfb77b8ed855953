// plat::writePng: a round trip through libpng, and the errors.
#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <string>

#include "platform/embed.h"

namespace {

// Reads an 8-bit RGB PNG back as 0x00RRGGBB pixels.
plat::Image readPng(const std::string &path) {
    plat::Image image;
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return image;
    EXPECT_EQ(png.format, static_cast<png_uint_32>(PNG_FORMAT_RGB));
    png.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, bytes.data(), 0, nullptr)) return image;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    for (size_t i = 0; i + 2 < bytes.size(); i += 3)
        image.pixels.push_back((uint32_t{bytes[i]} << 16) | (uint32_t{bytes[i + 1]} << 8) | bytes[i + 2]);
    return image;
}

}  // namespace

TEST(WritePng, RoundTripsEveryPixelIgnoringTheTopByte) {
    plat::Image image{13, 7, {}};
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x)
            image.pixels.push_back(static_cast<uint32_t>((x * 19) << 16 | (y * 37) << 8 | (x * y)));
    image.pixels[0] |= 0xFF000000u;
    std::string path = ::testing::TempDir() + "gdi_png_round_trip.png", error;
    ASSERT_TRUE(plat::writePng(image, path, &error)) << error;
    plat::Image back = readPng(path);
    image.pixels[0] &= 0x00FFFFFFu;
    EXPECT_TRUE(back.width == 13 && back.height == 7);
    EXPECT_EQ(back.pixels, image.pixels);
    std::remove(path.c_str());
}

TEST(WritePng, FailuresNameThePath) {
    std::string error, path = "/nonexistent-directory/picture.png";
    EXPECT_FALSE(plat::writePng(plat::Image{1, 1, {0}}, path, &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_FALSE(plat::writePng(plat::Image{1, 1, {0}}, path, nullptr));
    std::string bad = ::testing::TempDir() + "gdi_png_bad.png";
    EXPECT_FALSE(plat::writePng(plat::Image{3, 3, {1, 2}}, bad, &error));
    EXPECT_NE(error.find(bad), std::string::npos) << error;
    EXPECT_EQ(std::fopen(bad.c_str(), "rb"), nullptr);
}
