// Synthetic images of every kind and pattern, on small and odd sizes, against
// the pattern's formula evaluated for each pixel on its own. The maker builds
// rows once and copies them; sizes past each repeat (rows beyond twice a
// checker square, RGB rows beyond 256, ramps past their wrap, partial squares
// at the right and bottom edges, a second thread's half) catch a row copied
// from the wrong place.
// And the errors for bad kinds, patterns and sizes.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "image/synthetic_image.h"

namespace {

using host::ImageClass;

struct KindCase {
    const char *kind;
    ImageClass cls;
    long modulus;  // 0: no wrap
    double maximum;
    const char *constant, *top;  // a constant, and the kind's largest value as one
    std::vector<double> constantValues;
};

const KindCase kKinds[] = {
    {"gray8", ImageClass::Gray8, 256, 255.0, "const:7", "const:255", {7}},
    {"gray12", ImageClass::Gray12, 4096, 4095.0, "const:1", "const:4095", {1}},
    {"gray16", ImageClass::Gray16, 65536, 65535.0, "const:40000", "const:65535", {40000}},
    {"float", ImageClass::Float, 0, 1.0, "const:-2.25", "const:1", {-2.25}},
    {"rgb", ImageClass::Rgb, 256, 255.0, "const:1,128,255", "const:255,255,255", {1, 128, 255}},
};

struct Size {
    int width, height;
};

// The last is made by two threads, a half each: its second half starts on
// a row of no repeat's period but 3.
const Size kSizes[] = {{1, 1}, {7, 1}, {1, 9}, {13, 11}, {300, 517}, {4099, 2}, {2, 4099}, {1025, 4099}};

const char *const kPatterns[] = {"const",     "top",       "ramp-x",    "ramp-y",
                                 "checker:1", "checker:3", "checker:7", "checker:50"};

// A pattern name taken apart once, so the per-pixel formula compares no text.
struct Formula {
    explicit Formula(const std::string &name)
        : constant(name == "const"),
          top(name == "top"),
          ramp(name.rfind("ramp-", 0) == 0),
          alongY(name == "ramp-y"),
          side(name.rfind("checker:", 0) == 0 ? std::stol(name.substr(8)) : 0) {}
    bool constant, top, ramp, alongY;
    long side;
};

// The pattern's value at (x, y) in channel c, computed directly.
double expected(const KindCase &k, const Formula &f, long x, long y, int c) {
    auto wrap = [&](long v) { return static_cast<double>(k.modulus ? v % k.modulus : v); };
    if (f.constant) return k.constantValues[static_cast<size_t>(c)];
    if (f.top) return k.maximum;
    const bool rgb = k.constantValues.size() == 3;
    if (f.alongY) std::swap(x, y);
    if (f.ramp) return wrap(!rgb || c == 0 ? x : c == 1 ? y : x + y);
    return (x / f.side + y / f.side) % 2 == 1 ? k.maximum : 0.0;
}

double pixel(const host::Image &image, size_t x, size_t y, size_t c) {
    const size_t i = y * static_cast<size_t>(image.width) + x;
    switch (image.cls) {
        case ImageClass::Gray8:
            return image.gray8[i];
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            return image.gray16[i];
        case ImageClass::Float:
            return image.gray32f[i];
        case ImageClass::Rgb:
            return image.rgb[3 * i + c];
    }
    return -1.0;
}

TEST(SyntheticPatterns, EveryKindPatternAndSizeMatchesItsFormula) {
    for (const KindCase &k : kKinds) {
        for (const std::string name : kPatterns) {
            const std::string pattern = name == "const" ? k.constant : name == "top" ? k.top : name;
            const Formula formula(name);
            for (const Size s : kSizes) {
                const host::ImageResult made = host::makeSyntheticImage(s.width, s.height, k.kind, pattern);
                ASSERT_TRUE(made.ok()) << made.error;
                ASSERT_EQ(made.image->cls, k.cls) << k.kind;
                const int channels = static_cast<int>(k.constantValues.size());
                int wrong = 0;
                for (long y = 0; y < s.height && wrong == 0; ++y)
                    for (long x = 0; x < s.width && wrong == 0; ++x)
                        for (int c = 0; c < channels; ++c) {
                            const double want = expected(k, formula, x, y, c);
                            const double got = pixel(*made.image, size_t(x), size_t(y), size_t(c));
                            if (got == want) continue;
                            ADD_FAILURE() << k.kind << " " << pattern << " " << s.width << "x" << s.height
                                          << " first differs at (" << x << ", " << y << ") channel " << c
                                          << ": " << got << ", expected " << want;
                            ++wrong;
                            break;
                        }
            }
        }
    }
}

// A float ramp does not wrap: its values reach the last column and row.
TEST(SyntheticPatterns, FloatRampsReachTheFarEdge) {
    const host::ImageResult x = host::makeSyntheticImage(32768, 1, "float", "ramp-x");
    const host::ImageResult y = host::makeSyntheticImage(1, 20000, "float", "ramp-y");
    ASSERT_TRUE(x.ok() && y.ok());
    EXPECT_EQ(x.image->gray32f[32767], 32767.0f);
    EXPECT_EQ(y.image->gray32f[19999], 19999.0f);
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
