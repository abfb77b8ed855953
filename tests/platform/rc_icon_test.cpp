// Icon and cursor decoding of the resource compiler, on files written by the
// small writer below: each bit depth, masks, alpha, PNG entries, the choice
// among sizes, hotspots, and damaged files.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "icon_file.h"

namespace {

void put16(std::string &out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string &out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A BMP icon entry. colourIndex gives a palette index (bit counts up to 8) or
// a 0xAARRGGBB value (24 and 32 bits) for each pixel; masked pixels get
// their AND bit set.
std::string bmpEntry(int size, int bitCount, const std::vector<uint32_t> &palette,
                     const std::function<uint32_t(int, int)> &colourIndex,
                     const std::function<bool(int, int)> &masked, bool withMask = true) {
    std::string out;
    put32(out, 40);
    put32(out, static_cast<uint32_t>(size));
    put32(out, static_cast<uint32_t>(size * 2));
    put16(out, 1);
    put16(out, static_cast<uint32_t>(bitCount));
    for (int i = 0; i < 4; ++i) put32(out, 0);
    put32(out, static_cast<uint32_t>(palette.size()));
    put32(out, 0);
    for (uint32_t colour : palette) put32(out, colour & 0xFFFFFF);
    const size_t stride = (static_cast<size_t>(size) * bitCount + 31) / 32 * 4;
    for (int y = size - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < size; ++x) {
            const uint32_t v = colourIndex(x, y);
            const size_t bit = static_cast<size_t>(x) * bitCount;
            if (bitCount == 24) {
                for (int b = 0; b < 3; ++b) row[bit / 8 + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
            } else if (bitCount == 32) {
                for (int b = 0; b < 4; ++b) row[bit / 8 + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
            } else if (bitCount == 8) {
                row[bit / 8] = static_cast<char>(v);
            } else {
                row[bit / 8] = static_cast<char>(row[bit / 8] | (v << (8 - bitCount - bit % 8)));
            }
        }
        out += row;
    }
    if (!withMask) return out;
    const size_t maskStride = (static_cast<size_t>(size) + 31) / 32 * 4;
    for (int y = size - 1; y >= 0; --y) {
        std::string row(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (masked(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out += row;
    }
    return out;
}

struct DirEntry {
    int size;
    uint16_t field4, field6;  // planes and bit count, or the cursor hotspot
    std::string data;
};

std::string container(uint16_t type, const std::vector<DirEntry> &entries) {
    std::string out;
    put16(out, 0);
    put16(out, type);
    put16(out, static_cast<uint32_t>(entries.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * entries.size());
    for (const DirEntry &e : entries) {
        out += static_cast<char>(e.size % 256);
        out += static_cast<char>(e.size % 256);
        out += '\0';
        out += '\0';
        put16(out, e.field4);
        put16(out, e.field6);
        put32(out, static_cast<uint32_t>(e.data.size()));
        put32(out, offset);
        offset += static_cast<uint32_t>(e.data.size());
    }
    for (const DirEntry &e : entries) out += e.data;
    return out;
}

plat::res::ImageData decodeOk(const std::string &file) {
    std::string error;
    std::optional<plat::res::ImageData> image = rc::decodeIconFile(file, error);
    EXPECT_TRUE(image.has_value()) << error;
    return image.value_or(plat::res::ImageData{});
}

std::string decodeError(const std::string &file) {
    std::string error;
    std::optional<plat::res::ImageData> image = rc::decodeIconFile(file, error);
    return image ? "decoded" : error;
}

uint32_t at(const plat::res::ImageData &image, int x, int y) {
    return image.argb.at(static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x));
}

bool maskRule(int x, int y) {
    return (x * 3 + y) % 5 == 0;
}
const auto zero = [](int, int) { return 0u; };
const auto none = [](int, int) { return false; };

// Each depth as a formula of (x, y): paletted images (1, 4, 8 bits) go
// through their palette, 24-bit ones are opaque; masked pixels are
// transparent. At 32 bits the alpha wins over the mask unless every alpha is
// 0, and the mask may be left out.
TEST(RcIconDepths, EachDepthDecodesToItsColoursAndMask) {
    std::vector<uint32_t> palette;
    for (uint32_t i = 0; i < 256; ++i) palette.push_back(0x010203u * i + 0x100000u);
    using Rule = std::function<uint32_t(int, int)>;
    auto paletted = [&](int colours) -> Rule {
        return [=](int x, int y) { return uint32_t((x + 2 * y) % colours); };
    };
    auto opaqueUnlessMasked = [](Rule colour) -> Rule {
        return [=](int x, int y) { return maskRule(x, y) ? 0u : 0xFF000000u | colour(x, y); };
    };
    struct Case {
        int size, bits;
        Rule colour, expected;
        bool withMask = true;
    };
    const Rule rgb = [](int x, int y) { return static_cast<uint32_t>((x << 16) | (y << 8) | (x ^ y)); };
    const Rule alpha = [](int x, int y) {
        return static_cast<uint32_t>(x * 8) << 24 | static_cast<uint32_t>(y);
    };
    const Rule noAlpha = [](int x, int y) { return static_cast<uint32_t>(x + 256 * y); };
    const Rule half = [](int, int) { return 0x80FF0000u; };
    const Case cases[] = {
        {32, 1, paletted(2), opaqueUnlessMasked([&](int x, int y) { return palette[(x + 2 * y) % 2]; })},
        {32, 4, paletted(16), opaqueUnlessMasked([&](int x, int y) { return palette[(x + 2 * y) % 16]; })},
        {32, 8, paletted(256), opaqueUnlessMasked([&](int x, int y) { return palette[(x + 2 * y) % 256]; })},
        {16, 24, rgb, opaqueUnlessMasked(rgb)},
        {32, 32, alpha, [&](int x, int y) { return x == 0 ? 0u : alpha(x, y); }},
        {8, 32, noAlpha, opaqueUnlessMasked(noAlpha)},
        {8, 32, half, half, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " pixels at " << c.bits << " bits");
        const std::vector<uint32_t> colours =
            c.bits <= 8 ? std::vector<uint32_t>(palette.begin(), palette.begin() + (1 << c.bits))
                        : std::vector<uint32_t>{};
        const auto image =
            decodeOk(container(1, {{c.size, 1, static_cast<uint16_t>(c.bits),
                                    bmpEntry(c.size, c.bits, colours, c.colour, maskRule, c.withMask)}}));
        ASSERT_TRUE(image.width == c.size && image.height == c.size);
        for (int y = 0; y < c.size; ++y)
            for (int x = 0; x < c.size; ++x) ASSERT_EQ(at(image, x, y), c.expected(x, y)) << x << "," << y;
    }
}

TEST(RcIconDepths, PngEntriesAreDecodedWithStraightAlpha) {
    std::vector<uint8_t> rgba(16 * 16 * 4);
    for (int i = 0; i < 256; ++i) {
        rgba[i * 4] = static_cast<uint8_t>(i);
        rgba[i * 4 + 1] = 10;
        rgba[i * 4 + 2] = 20;
        rgba[i * 4 + 3] = static_cast<uint8_t>(i % 16 == 0 ? 0 : 128);
    }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = 16;
    png.height = 16;
    png.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    ASSERT_TRUE(png_image_write_to_memory(&png, nullptr, &size, 0, rgba.data(), 0, nullptr));
    std::string bytes(size, '\0');
    ASSERT_TRUE(png_image_write_to_memory(&png, bytes.data(), &size, 0, rgba.data(), 0, nullptr));
    const auto image = decodeOk(container(1, {{16, 1, 32, bytes}}));
    ASSERT_EQ(image.width, 16);
    EXPECT_EQ(at(image, 0, 0), 0u);
    EXPECT_EQ(at(image, 5, 2), 0x80250A14u);  // i = 37
}

TEST(RcIconChoice, ThirtyTwoPixelsThenMostColours) {
    auto solid = [](uint32_t value) { return [value](int, int) { return value; }; };
    const std::string small = bmpEntry(16, 24, {}, solid(0x111111), none);
    const std::string mono = bmpEntry(32, 1, {0x222222, 0x333333}, solid(1), none);
    const std::string rich = bmpEntry(32, 24, {}, solid(0x444444), none);
    const std::string big = bmpEntry(48, 24, {}, solid(0x555555), none);
    EXPECT_EQ(
        decodeOk(container(1, {{16, 1, 24, small}, {32, 1, 1, mono}, {32, 1, 24, rich}, {48, 1, 24, big}}))
            .argb[0],
        0xFF444444u);
    // No 32: the nearest size, the larger one on a tie.
    EXPECT_EQ(decodeOk(container(1, {{16, 1, 24, small}, {48, 1, 24, big}})).width, 48);
}

TEST(RcIconChoice, CursorsKeepTheirHotspotIconsUseTheCentre) {
    const std::string entry = bmpEntry(32, 1, {0, 0xFFFFFF}, zero, none);
    const auto cursor = decodeOk(container(2, {{32, 7, 11, entry}}));
    EXPECT_EQ(cursor.hotX, 7);
    EXPECT_EQ(cursor.hotY, 11);
    const auto icon = decodeOk(container(1, {{32, 1, 1, entry}}));
    EXPECT_EQ(icon.hotX, 16);
    EXPECT_EQ(icon.hotY, 16);
}

TEST(RcIconErrors, DamagedFilesGiveAReasonNotACrash) {
    const std::string good =
        container(1, {{32, 1, 4, bmpEntry(32, 4, std::vector<uint32_t>(16), zero, none)}});
    EXPECT_EQ(decodeError(""), "not an icon or cursor file");
    EXPECT_EQ(decodeError(std::string("\0\0\3\0\1\0", 6)), "not an icon or cursor file");
    EXPECT_EQ(decodeError(std::string("\0\0\1\0\0\0", 6)), "the file holds no images");
    EXPECT_EQ(decodeError(good.substr(0, 20)), "image directory is truncated");
    EXPECT_EQ(decodeError(good.substr(0, good.size() - 1)), "image 0 lies outside the file");
    // Every shorter image size claimed in the directory must fail cleanly.
    for (size_t cut = 0; cut < good.size() - 22; cut += 7) {
        std::string damaged = good;
        const uint32_t size = static_cast<uint32_t>(cut);
        for (int b = 0; b < 4; ++b) damaged[14 + b] = static_cast<char>((size >> (8 * b)) & 0xFF);
        EXPECT_NE(decodeError(damaged), "decoded") << cut;
    }
    std::string huge = good;
    huge[22 + 4] = '\x01';
    huge[22 + 5] = '\x10';  // width 4097
    EXPECT_EQ(decodeError(huge), "image size out of range");
    std::string depth = good;
    depth[22 + 14] = 2;
    EXPECT_EQ(decodeError(depth), "unsupported bit depth 2");
}

}  // namespace
