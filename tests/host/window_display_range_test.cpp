// The display range of 16-bit and float images (lowest and highest pixel
// value) against a plain scalar scan: sizes around the vector widths, NaN
// (left out), infinities (kept) and zeros of either sign (the first one in
// the image counts, as the scan finds it).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/image.h"
#include "window/image_paint.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Sizes below, at and around the 4- and 8-lane steps, and a long odd one.
constexpr size_t kSizes[] = {1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 33, 1001};

// A deterministic spread of values: x -> (a * x + b) mod 2^32.
uint32_t scramble(size_t i, uint32_t seed) {
    return static_cast<uint32_t>(i * 2654435761u + seed * 40503u + 12345u);
}

std::pair<double, double> scalarRange(const std::vector<float> &values) {
    bool any = false;
    double lo = 0.0, hi = 0.0;
    for (float v : values) {
        if (std::isnan(v)) continue;
        lo = any ? std::min<double>(lo, v) : v;
        hi = any ? std::max<double>(hi, v) : v;
        any = true;
    }
    return {lo, hi};
}

host::Image floatImage(std::vector<float> values) {
    host::Image image;
    image.cls = host::ImageClass::Float;
    image.width = static_cast<int>(values.size());
    image.height = 1;
    image.gray32f = host::PixelArray<float>(values.size());
    std::copy(values.begin(), values.end(), image.gray32f.begin());
    return image;
}

// Same value and, for zeros, the same sign.
::testing::AssertionResult sameRange(std::pair<double, double> got, std::pair<double, double> want) {
    auto same = [](double a, double b) { return a == b && std::signbit(a) == std::signbit(b); };
    if (same(got.first, want.first) && same(got.second, want.second)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << got.first << ".." << got.second << ", want " << want.first << ".." << want.second;
}

TEST(DisplayRange, SixteenBitExtremesAtEveryPlaceAndSize) {
    for (size_t size : kSizes)
        for (size_t at = 0; at < size; at += std::max<size_t>(1, size / 7)) {
            host::Image image;
            image.cls = host::ImageClass::Gray16;
            image.width = static_cast<int>(size);
            image.height = 1;
            for (size_t i = 0; i < size; ++i)
                image.gray16.push_back(static_cast<uint16_t>(scramble(i, 1) >> 17));
            image.gray16[at] = 65535;  // top bit set: the lanes compare signed
            image.gray16[size - 1 - at] = static_cast<uint16_t>(at % 3);
            const auto [lo, hi] = std::minmax_element(image.gray16.begin(), image.gray16.end());
            const host::DisplayRange range = host::displayRange(image);
            ASSERT_TRUE(range.low == *lo && range.high == *hi) << "size " << size << " at " << at;
        }
}

TEST(DisplayRange, FloatExtremesLeaveOutNaN) {
    struct Case {
        const char *what;
        float (*value)(size_t i, size_t size);
    } cases[] = {
        {"spread",
         [](size_t i, size_t) { return static_cast<float>(static_cast<int32_t>(scramble(i, 2))) / 7.0f; }},
        {"NaN between", [](size_t i, size_t) { return i % 3 == 1 ? kNaN : static_cast<float>(i) - 4.5f; }},
        {"NaN first and last",
         [](size_t i, size_t size) { return i == 0 || i + 1 == size ? kNaN : 2.0f * static_cast<float>(i); }},
        {"all NaN", [](size_t, size_t) { return kNaN; }},
        {"infinities", [](size_t i, size_t) { return i % 5 == 2   ? kInf
                                                     : i % 5 == 4 ? -kInf
                                                                  : 1.0f; }},
        {"zeros of both signs", [](size_t i, size_t) { return i % 2 ? 0.0f : -0.0f; }},
        {"positive zero first", [](size_t i, size_t) { return i % 2 ? -0.0f : 0.0f; }},
        {"zero lowest after NaN",
         [](size_t i, size_t) { return i == 0       ? kNaN
                                       : i % 4 == 3 ? -0.0f
                                                    : static_cast<float>(i); }},
    };
    for (const Case &c : cases)
        for (size_t size : kSizes) {
            std::vector<float> values;
            for (size_t i = 0; i < size; ++i) values.push_back(c.value(i, size));
            const host::Image image = floatImage(values);
            const host::DisplayRange shown = host::displayRange(image);
            ASSERT_TRUE(sameRange(image.valueRange(), scalarRange(values))) << c.what << ", size " << size;
            ASSERT_TRUE(sameRange({shown.low, shown.high}, scalarRange(values)))
                << c.what << ", size " << size;
        }
}

TEST(DisplayRange, EmptyImagesGiveZeroToZero) {
    host::Image gray16, floats = floatImage({});
    gray16.cls = host::ImageClass::Gray16;
    const host::DisplayRange a = host::displayRange(gray16), b = host::displayRange(floats);
    EXPECT_TRUE(a.low == 0 && a.high == 0 && b.low == 0 && b.high == 0);
}

}  // namespace
