// Colour models on known colours against hand-computed components, read
// through BINSUM32 channel-major in both directions; model codes other than
// 2 to 4 mean RGB.
#include <array>

#include "sampling_test_images.h"

namespace {

using Triple = std::array<double, 3>;

struct KnownColour {
    Triple rgb, hsi, hsv, yiq;
};

// HSI: hue, 1 - min / I, I = (R + G + B) / 3. HSV: hexcone hue, (max - min) / max, max.
const KnownColour kColours[] = {
    {{255, 0, 0}, {0, 1, 85}, {0, 1, 255}, {76.245, 151.98, 53.805}},
    {{0, 255, 0}, {120, 1, 85}, {120, 1, 255}, {149.685, -69.87, -133.365}},
    {{0, 0, 255}, {240, 1, 85}, {240, 1, 255}, {29.07, -82.11, 79.56}},
    {{255, 255, 255}, {0, 0, 255}, {0, 0, 255}, {255, 0, 0}},
    {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
    {{128, 128, 128}, {0, 0, 128}, {0, 0, 128}, {128, 0, 0}},
    // cos H = 250 / (2 sqrt(17500)); HSV hue 60 x 50 / 150.
    {{200, 100, 50}, {19.1066053509, 4 / 7.0, 350 / 3.0}, {20, 0.75, 200}, {124.2, 75.7, 5.5}},
    // B > G: 360 - acos(382 / (2 sqrt(48769))); HSV 360 - 60 x 128 / 255.
    {{255, 0, 128}, {329.8702757757, 1, 383 / 3.0}, {329.8823529412, 1, 255}, {90.837, 110.764, 93.741}},
    // G largest: HSV hue 60 (2 + 50 / 150).
    {{50, 200, 100}, {139.1066053509, 4 / 7.0, 350 / 3.0}, {140, 0.75, 200}, {143.75, -57.2, -62.85}},
};
constexpr LONG kCount = std::size(kColours);

class ColourReading : public ::testing::Test {
protected:
    std::vector<double> read(LONG model, bool reversed) {
        const LONG line[4] = {reversed ? kCount - 1 : 0, 0, reversed ? 0 : kCount - 1, 0};
        std::vector<double> out(3 * kCount);
        EXPECT_EQ(LineSampleRead(t_.region, line, out.data(), model), kCount);
        return out;
    }
    samplingtest::TestImage t_{samplingtest::makeImage(host::ImageClass::Rgb, kCount, 1,
                                                       [](int x, int, int c) { return kColours[x].rgb[c]; })};
};

TEST_F(ColourReading, EveryModelGivesItsComponentsChannelMajor) {
    for (const LONG model : {0, 5, -1, 1000})
        EXPECT_EQ(read(model, false), read(COLORMODEL_RGB, false));  // RGB too
    for (const bool reversed : {false, true}) {
        const std::vector<double> got[4] = {read(1, reversed), read(2, reversed), read(3, reversed),
                                            read(4, reversed)};
        for (LONG i = 0; i < kCount; ++i) {
            const KnownColour &k = kColours[reversed ? kCount - 1 - i : i];
            const Triple *want[4] = {&k.rgb, &k.hsi, &k.hsv, &k.yiq};
            for (int m = 0; m < 4; ++m)
                for (int c = 0; c < 3; ++c)
                    EXPECT_NEAR(got[m][c * kCount + i], (*want[m])[c], 1e-6) << i << m << c;
        }
    }
}

}  // namespace
