// Formula images for the sampling tests: each pixel's value is a formula of
// (x, y), so an expected profile is that formula at the positions the rule
// gives, written out here with plain doubles.
#pragma once

#include <gtest/gtest.h>

#include <binsum32.h>

#include <cmath>
#include <optional>
#include <vector>

#include "core/image_store.h"
#include "core/region.h"

namespace samplingtest {

using host::ImageClass;
using Calibration = std::optional<host::IntensityCalibration>;
constexpr double kSentinel = -777.25;

inline double formulaValue(ImageClass cls, int64_t x, int64_t y, int c) {
    if (cls == ImageClass::Gray8) return static_cast<double>((5 * x + 11 * y) % 256);
    if (cls == ImageClass::Gray12) return static_cast<double>((37 * x + 101 * y) % 4096);
    if (cls == ImageClass::Gray16) return static_cast<double>((257 * x + 1009 * y) % 65536);
    if (cls == ImageClass::Float) return static_cast<double>(x) + 1000.0 * static_cast<double>(y) + 0.25;
    return static_cast<double>((c == 0 ? 7 * x : c == 1 ? 13 * y : x + y) % 256);
}

// An image of `cls` filled by `value(x, y, channel)`.
template <class Value>
host::Image makeImage(ImageClass cls, int width, int height, Value value) {
    host::Image im;
    im.cls = cls, im.width = width, im.height = height;
    for (int i = 0; i < width * height; ++i) {
        for (int c = 0; c < (cls == ImageClass::Rgb ? 3 : 1); ++c) {
            const double v = value(i % width, i / width, c);
            if (cls == ImageClass::Gray8) im.gray8.push_back(static_cast<uint8_t>(v));
            if (cls == ImageClass::Gray12 || cls == ImageClass::Gray16)
                im.gray16.push_back(static_cast<uint16_t>(v));
            if (cls == ImageClass::Float) im.gray32f.push_back(static_cast<float>(v));
            if (cls == ImageClass::Rgb) im.rgb.push_back(static_cast<uint8_t>(v));
        }
    }
    return im;
}

inline host::Image formulaImage(ImageClass cls, int width, int height) {
    return makeImage(cls, width, height, [cls](int x, int y, int c) { return formulaValue(cls, x, y, c); });
}

// An image in the host's store with a region whose top-left corner is
// `corner` (the region's size does not matter to readings), for one test.
struct TestImage {
    int id;
    HIMGREGION region;
    explicit TestImage(host::Image im, POINT corner = {0, 0}, Calibration cal = std::nullopt)
        : id(host::images().add(std::move(im))),
          region(
              static_cast<HIMGREGION>(host::addRegion({id, corner.x, corner.y, corner.x, corner.y, cal}))) {}
    ~TestImage() { host::freeRegion(region), host::images().remove(id); }
    TestImage(const TestImage &) = delete;
};

// floor(v1 + i d / (n - 1) + 0.5), in doubles as the rule reads.
inline int64_t nearestSample(int64_t v1, int64_t d, int64_t i, int64_t n) {
    if (n <= 1) return v1;
    return static_cast<int64_t>(
        std::floor(static_cast<double>(v1) + static_cast<double>(i * d) / (n - 1) + 0.5));
}

// Counts and reads the polyline through `v` (region coordinates; for two
// vertices also as a line) and checks the count and every value against the
// rule: each segment's samples without its last, then the final point;
// channel-major; 0 outside the image; gray values through the region's
// calibration; nothing written past the count.
inline void expectProfile(const TestImage &t, const std::vector<POINT> &v) {
    const host::Region &region = *host::findRegion(t.region);
    const Calibration &cal = region.intensity;
    std::vector<POINT> at;
    for (size_t k = 0; k + 1 < v.size(); ++k) {
        const int64_t dx = v[k + 1].x - v[k].x, dy = v[k + 1].y - v[k].y,
                      n = std::max(std::abs(dx), std::abs(dy)) + 1;
        for (int64_t i = 0; i + 1 < n; ++i)
            at.push_back({LONG(nearestSample(v[k].x, dx, i, n)), LONG(nearestSample(v[k].y, dy, i, n))});
    }
    at.push_back(v.back());
    const host::Image &im = *host::images().find(t.id);
    std::vector<double> want;
    for (int c = 0; c < (im.isColour() ? 3 : 1); ++c) {
        for (const POINT p : at) {
            const int64_t x = p.x + region.left, y = p.y + region.top;
            double value =
                x >= 0 && x < im.width && y >= 0 && y < im.height ? formulaValue(im.cls, x, y, c) : 0;
            want.push_back(cal && !im.isColour() ? cal->offset + cal->scale * value : value);
        }
    }
    const auto n = static_cast<LONG>(at.size()), nv = static_cast<LONG>(v.size());
    want.resize(want.size() + 4, kSentinel);
    std::vector<double> got(want.size(), kSentinel);
    LONG count = -5, spare = -5;
    EXPECT_EQ(PolySampleCount(t.region, v.data(), nv, &count, &spare), n);
    EXPECT_TRUE(count == n && spare == 0);
    EXPECT_EQ(PolySampleRead(t.region, v.data(), nv, got.data(), COLORMODEL_RGB), n);
    EXPECT_EQ(got, want);
    if (v.size() != 2) return;
    const LONG line[4] = {v[0].x, v[0].y, v[1].x, v[1].y};
    std::fill(got.begin(), got.end(), kSentinel);
    EXPECT_EQ(LineSampleCount(t.region, line, nullptr, nullptr), n);
    EXPECT_EQ(LineSampleRead(t.region, line, got.data(), COLORMODEL_RGB), n);
    EXPECT_EQ(got, want);
}

}  // namespace samplingtest
