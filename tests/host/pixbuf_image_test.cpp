// PIXBUF32 image facts (ImgGetInfo) and regions (ImgOpenRegion, ImgRegionInfo).
#include <gtest/gtest.h>

#include <array>

#include <pixbuf32.h>

#include "core/image_store.h"
#include "core/region.h"
#include "image/synthetic_image.h"

namespace {

using Rect = std::array<LONG, 4>;

int addSynthetic(int w, int h, const char *kind, const char *pattern = "ramp-y") {
    return host::images().add(std::move(*host::makeSyntheticImage(w, h, kind, pattern).image));
}

TEST(ImgGetInfo, ClassAndSize) {
    for (auto [kind, cls] :
         {std::pair{"gray8", 1u}, {"rgb", 3u}, {"gray12", 4u}, {"float", 5u}, {"gray16", 6u}}) {
        DWORD out = 0;
        EXPECT_EQ(ImgGetInfo(addSynthetic(3, 2, kind), IMGINFO_CLASS, 0, 0, &out), 0);
        EXPECT_EQ(out, cls) << kind;
    }
    std::array<WORD, 3> size{0, 0, 0xBEEF};
    EXPECT_EQ(ImgGetInfo(addSynthetic(321, 123, "gray8"), IMGINFO_SIZE, 0, 0, size.data()), 0);
    EXPECT_EQ(size, (std::array<WORD, 3>{321, 123, 0xBEEF}));  // nothing written past the two words
}

TEST(ImgGetInfo, RangeOnlyForFloatImages) {
    double range[2] = {-1.0, -1.0};
    EXPECT_EQ(ImgGetInfo(addSynthetic(3, 7, "float"), IMGINFO_RANGE, 0, 0, range), 0);
    EXPECT_EQ(range[0], 0.0);  // ramp-y over 7 rows
    EXPECT_EQ(range[1], 6.0);
    EXPECT_LT(ImgGetInfo(addSynthetic(3, 7, "gray16"), IMGINFO_RANGE, 0, 0, range), 0);
}

TEST(ImgGetInfo, UnknownImageCodeOrOutputFail) {
    const int id = addSynthetic(2, 2, "gray8");
    DWORD out = 0;
    EXPECT_LT(ImgGetInfo(id, 99, 0, 0, &out), 0);
    EXPECT_LT(ImgGetInfo(id, IMGINFO_CLASS, 0, 0, nullptr), 0);
    EXPECT_LT(ImgGetInfo(-1, IMGINFO_CLASS, 0, 0, &out), 0);
    host::images().remove(id);
    EXPECT_LT(ImgGetInfo(id, IMGINFO_CLASS, 0, 0, &out), 0);
}

Rect rectOf(HIMGREGION region) {
    Rect rect{-99, -99, -99, -99};
    EXPECT_EQ(ImgRegionInfo(region, REGIONINFO_RECT, 0, 0, rect.data()), 0);
    return rect;
}

TEST(ImgOpenRegion, NormalisedAndKeptAsGivenPastTheEdges) {
    const int id = addSynthetic(20, 10, "gray8");
    const std::pair<Rect, Rect> cases[] = {
        {{15, 8, 3, 2}, {3, 2, 15, 8}},     {{-5, -6, 30, 40}, {-5, -6, 30, 40}},
        {{25, 12, 19, 9}, {19, 9, 25, 12}}, {{-3, -3, 0, 0}, {-3, -3, 0, 0}},
        {{0, 7, -10, 5}, {-10, 5, 0, 7}},
    };
    for (const auto &[given, kept] : cases) {
        HIMGREGION region = ImgOpenRegion(id, 1, given[0], given[1], given[2], given[3]);
        ASSERT_NE(region, nullptr);
        EXPECT_EQ(rectOf(region), kept);
        EXPECT_EQ(host::findRegion(region)->imageId, id);
        host::freeRegion(region);
    }
}

TEST(ImgOpenRegion, WhollyOutsideUnknownImageOrKindFail) {
    const int id = addSynthetic(20, 10, "gray8");
    for (const Rect &r :
         {Rect{-5, 0, -1, 5}, {20, 0, 25, 5}, {0, -4, 5, -1}, {0, 10, 5, 12}, {-9, -9, -1, -1}})
        EXPECT_EQ(ImgOpenRegion(id, 1, r[0], r[1], r[2], r[3]), nullptr);
    EXPECT_EQ(ImgOpenRegion(id, 2, 0, 0, 1, 1), nullptr);
    EXPECT_EQ(ImgOpenRegion(-1, 1, 0, 0, 1, 1), nullptr);
}

TEST(ImgRegionInfo, FreedOrMadeUpRegionsFail) {
    HIMGREGION region = ImgOpenRegion(addSynthetic(4, 4, "gray8"), 1, 0, 0, 3, 3);
    LONG rect[4];
    EXPECT_LT(ImgRegionInfo(region, 21, 0, 0, rect), 0);
    EXPECT_TRUE(host::freeRegion(region));
    EXPECT_FALSE(host::freeRegion(region));
    EXPECT_LT(ImgRegionInfo(region, REGIONINFO_RECT, 0, 0, rect), 0);
    EXPECT_LT(ImgRegionInfo(nullptr, REGIONINFO_RECT, 0, 0, rect), 0);
    EXPECT_LT(ImgRegionInfo(reinterpret_cast<HIMGREGION>(rect), REGIONINFO_RECT, 0, 0, rect), 0);
    HIMGREGION next = ImgOpenRegion(addSynthetic(4, 4, "gray8"), 1, 0, 0, 3, 3);
    EXPECT_NE(next, region);  // a freed handle is never given out again
    host::freeRegion(next);
}

}  // namespace
