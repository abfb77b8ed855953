// Synthetic images: every kind and pattern checked pixel by pixel against its
// formula, and the errors for bad kinds, patterns and sizes.
#include <gtest/gtest.h>

#include <functional>

#include "image/synthetic_image.h"
#include "image_test_support.h"

namespace {

using host::ImageClass;

void expectPattern(int w, int h, const std::string &kind, const std::string &pattern,
                   const std::function<double(int x, int y, int c)> &f) {
    const host::ImageResult result = host::makeSyntheticImage(w, h, kind, pattern);
    ASSERT_TRUE(result.ok()) << result.error;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < (kind == "rgb" ? 3 : 1); ++c)
                ASSERT_EQ(imgtest::valueAt(*result.image, x, y, c), f(x, y, c))
                    << kind << " " << pattern << " at (" << x << ", " << y << ") channel " << c;
}

struct GrayKind {
    const char *kind;
    ImageClass cls;
    int modulus;  // 0: no wrap
    double maximum;
};

class GrayPatterns : public testing::TestWithParam<GrayKind> {};

TEST_P(GrayPatterns, RampsCheckerAndConstant) {
    const GrayKind k = GetParam();
    const host::ImageResult probe = host::makeSyntheticImage(1, 1, k.kind, "const:0");
    EXPECT_EQ(probe.image->cls, k.cls);
    // Wide enough to wrap for 8 and 12 bits; 16-bit images cannot be 65536 wide.
    const int n = k.modulus == 256 ? 300 : k.modulus == 4096 ? 4100 : 1000;
    auto wrap = [&](int v) { return k.modulus ? v % k.modulus : v; };
    expectPattern(n, 3, k.kind, "ramp-x", [&](int x, int, int) { return wrap(x); });
    expectPattern(3, n, k.kind, "ramp-y", [&](int, int y, int) { return wrap(y); });
    expectPattern(23, 17, k.kind, "checker:5",
                  [&](int x, int y, int) { return (x / 5 + y / 5) % 2 ? k.maximum : 0; });
    expectPattern(5, 4, k.kind, "const:1", [](int, int, int) { return 1.0; });
    const std::string top = "const:" + std::to_string(static_cast<long>(k.maximum));
    expectPattern(5, 4, k.kind, top, [&](int, int, int) { return k.maximum; });
}

INSTANTIATE_TEST_SUITE_P(Kinds, GrayPatterns,
                         testing::Values(GrayKind{"gray8", ImageClass::Gray8, 256, 255.0},
                                         GrayKind{"gray12", ImageClass::Gray12, 4096, 4095.0},
                                         GrayKind{"gray16", ImageClass::Gray16, 65536, 65535.0},
                                         GrayKind{"float", ImageClass::Float, 0, 1.0}),
                         [](const auto &info) { return std::string(info.param.kind); });

TEST(RgbAndFloatPatterns, ChannelsFollowTheirFormulas) {
    expectPattern(300, 270, "rgb", "ramp-x", [](int x, int y, int c) {
        return (c == 0 ? x : c == 1 ? y : x + y) % 256;
    });
    expectPattern(270, 300, "rgb", "ramp-y", [](int x, int y, int c) {
        return (c == 0 ? y : c == 1 ? x : x + y) % 256;
    });
    expectPattern(4, 4, "rgb", "const:10,20,30", [](int, int, int c) { return 10.0 * (c + 1); });
    expectPattern(9, 9, "rgb", "checker:2",
                  [](int x, int y, int) { return (x / 2 + y / 2) % 2 ? 255.0 : 0.0; });
    expectPattern(3, 3, "float", "const:-2.5", [](int, int, int) { return -2.5; });
}

TEST(SyntheticErrors, BadKindPatternOrSizeIsNamed) {
    EXPECT_EQ(host::makeSyntheticImage(4, 4, "gray9", "ramp-x").error,
              "unknown image kind \"gray9\" (gray8, gray12, gray16, float or rgb)");
    // Each case is "kind pattern".
    for (const std::string bad : {"gray8 ramp-z", "gray8 const:256", "gray8 const:1.5", "gray12 const:4096",
                                  "gray8 const:-1", "rgb const:1,2", "gray8 const:1,2,3", "rgb const:1,2,256",
                                  "gray8 checker:0", "gray8 checker:x", "float const:nan", "gray8 const:"}) {
        const std::string kind = bad.substr(0, bad.find(' ')), pattern = bad.substr(bad.find(' ') + 1);
        const std::string error = host::makeSyntheticImage(4, 4, kind, pattern).error;
        EXPECT_EQ(error.rfind("bad pattern \"" + pattern + "\" for " + kind, 0), 0u) << error;
    }
    EXPECT_EQ(host::makeSyntheticImage(0, 4, "gray8", "ramp-x").error, "bad image size 0 x 4");
    EXPECT_EQ(host::makeSyntheticImage(70000, 1, "gray8", "ramp-x").error,
              "too large: 70000 x 1 pixels (at most 65535 x 65535)");
}

}  // namespace
