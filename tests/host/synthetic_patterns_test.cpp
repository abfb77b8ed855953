// Synthetic images of every kind and pattern, on small and odd sizes, against
// the pattern's formula evaluated for each pixel on its own. The maker builds
// rows once and copies them; sizes past each repeat (rows beyond twice a
// checker square, RGB rows beyond 256, ramps past their wrap, partial squares
// at the right and bottom edges) catch a row copied from the wrong place.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "image/synthetic_image.h"

namespace {

using host::ImageClass;

struct KindCase {
    const char *kind;
    long modulus;  // 0: no wrap
    double maximum;
    const char *constant;
    std::vector<double> constantValues;
};

const KindCase kKinds[] = {
    {"gray8", 256, 255.0, "const:7", {7}},
    {"gray12", 4096, 4095.0, "const:4095", {4095}},
    {"gray16", 65536, 65535.0, "const:40000", {40000}},
    {"float", 0, 1.0, "const:-2.25", {-2.25}},
    {"rgb", 256, 255.0, "const:1,128,255", {1, 128, 255}},
};

struct Size {
    int width, height;
};

const Size kSizes[] = {{1, 1}, {7, 1}, {1, 9}, {13, 11}, {300, 517}, {4099, 2}, {2, 4099}};

const char *const kPatterns[] = {"const",     "ramp-x",    "ramp-y",    "checker:1",
                                 "checker:3", "checker:7", "checker:50"};

// A pattern name taken apart once, so the per-pixel formula compares no text.
struct Formula {
    explicit Formula(const std::string &name)
        : constant(name == "const"),
          ramp(name.rfind("ramp-", 0) == 0),
          alongY(name == "ramp-y"),
          side(name.rfind("checker:", 0) == 0 ? std::stol(name.substr(8)) : 0) {}
    bool constant, ramp, alongY;
    long side;
};

// The pattern's value at (x, y) in channel c, computed directly.
double expected(const KindCase &k, const Formula &f, long x, long y, int c) {
    auto wrap = [&](long v) { return static_cast<double>(k.modulus ? v % k.modulus : v); };
    if (f.constant) return k.constantValues[static_cast<size_t>(c)];
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
            const std::string pattern = name == "const" ? k.constant : name;
            const Formula formula(name);
            for (const Size s : kSizes) {
                const host::ImageResult made = host::makeSyntheticImage(s.width, s.height, k.kind, pattern);
                ASSERT_TRUE(made.ok()) << made.error;
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

}  // namespace
