// Blending and pixel runs against their plain definitions: every alpha on
// every channel, coverage images with empty, partial and full pixels, and
// runs of every length up to a few vector widths at odd alignments.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "raster/blend.h"
#include "raster/pixel_rows.h"

using namespace plat::raster;

namespace {

// (s * a + d * (255 - a)) / 255 rounded to nearest (255 is odd: no ties).
uint32_t blendChannel(uint32_t s, uint32_t d, uint32_t a) {
    return (2 * (s * a + d * (255 - a)) + 255) / 510;
}

uint32_t blendReference(uint32_t dest, uint32_t source, uint32_t alpha) {
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        result |= blendChannel((source >> shift) & 0xFF, (dest >> shift) & 0xFF, alpha) << shift;
    return result;
}

}  // namespace

TEST(Blend, EveryAlphaOnEveryChannelValue) {
    for (uint32_t a = 0; a <= 255; ++a)
        for (uint32_t s = 0; s <= 255; s += 3)
            for (uint32_t d = 0; d <= 255; d += 5) {
                // Each channel gets other values, and the unused top byte is set.
                const uint32_t source = 0xAB000000 | s << 16 | (255 - s) << 8 | (s * 7 & 0xFF);
                const uint32_t dest = d << 16 | (d * 3 & 0xFF) << 8 | (255 - d);
                ASSERT_EQ(blendPixel(dest, source, a), blendReference(dest, source, a))
                    << "alpha " << a << " source " << s << " dest " << d;
            }
}

TEST(Blend, CoverageLeavesEmptyPixelsAndBlendsTheRestInsideTheClip) {
    plat::Surface surface(6, 3, 0x00336699);
    Canvas canvas{&surface, {1, 0, 6, 3}};
    const uint8_t coverage[] = {0, 255, 128, 1, 254, 0, 0, 0, 0, 0, 0, 0, 200, 0, 255, 255, 0, 0};
    blendCoverage(canvas, 0, 0, coverage, 6, 3, 6, 0x00C01020);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) {
            const uint32_t expected =
                x == 0 ? 0x00336699 : blendReference(0x00336699, 0x00C01020, coverage[y * 6 + x]);
            EXPECT_EQ(surface.at(x, y), expected) << x << "," << y;
        }
}

TEST(PixelRows, FillsAndCopiesRunsOfAnyLengthAndAlignment) {
    for (size_t count = 0; count <= 21; ++count)
        for (size_t offset = 0; offset < 4; ++offset) {
            std::vector<uint32_t> filled(count + 2, 7);
            fillPixels(filled.data() + 1, count, 0x00ABCDEF);
            for (size_t i = 0; i < filled.size(); ++i)
                ASSERT_EQ(filled[i], i == 0 || i == count + 1 ? 7u : 0x00ABCDEFu) << count << " at " << i;

            std::vector<uint8_t> bytes(4 * count + offset);
            for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(37 * i + 11);
            std::vector<uint32_t> copied(count + 1, 7);
            copyColourBits(copied.data(), bytes.data() + offset, count);
            for (size_t i = 0; i < count; ++i) {
                uint32_t pixel;
                std::memcpy(&pixel, bytes.data() + offset + 4 * i, sizeof pixel);
                ASSERT_EQ(copied[i], pixel & 0x00FFFFFF) << count << " offset " << offset << " at " << i;
            }
            ASSERT_EQ(copied[count], 7u) << "past the run";
        }
}
