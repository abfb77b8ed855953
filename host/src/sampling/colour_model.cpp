// Colour conversions of RGB samples into HSI, HSV and YIQ.
#include "sampling/colour_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace host {

ColourModel colourModelOf(int32_t code) {
    switch (code) {
        case 2:
            return ColourModel::Hsi;
        case 3:
            return ColourModel::Hsv;
        case 4:
            return ColourModel::Yiq;
        default:
            return ColourModel::Rgb;
    }
}

ColourComponents rgbToHsi(double r, double g, double b) {
    const double intensity = (r + g + b) / 3.0;
    const double saturation = intensity > 0.0 ? 1.0 - std::min({r, g, b}) / intensity : 0.0;
    // The root vanishes only for grays (R = G = B), which have hue 0.
    const double root = std::sqrt((r - g) * (r - g) + (r - b) * (g - b));
    double hue = 0.0;
    if (root > 0.0) {
        // Rounding can carry the quotient a hair past +-1, where acos is undefined.
        const double cosine = std::clamp(((r - g) + (r - b)) / (2.0 * root), -1.0, 1.0);
        hue = std::acos(cosine) * (180.0 / std::numbers::pi);
        if (b > g) hue = 360.0 - hue;
    }
    return {hue, saturation, intensity};
}

ColourComponents rgbToHsv(double r, double g, double b) {
    const double high = std::max({r, g, b});
    const double low = std::min({r, g, b});
    const double spread = high - low;
    double hue = 0.0;
    if (spread > 0.0) {
        // The hexcone: the sector of the largest component, ties going to red, then green.
        if (high == r) {
            hue = 60.0 * (g - b) / spread;
            if (hue < 0.0) hue += 360.0;
        } else if (high == g) {
            hue = 60.0 * ((b - r) / spread + 2.0);
        } else {
            hue = 60.0 * ((r - g) / spread + 4.0);
        }
    }
    const double saturation = high > 0.0 ? spread / high : 0.0;
    return {hue, saturation, high};
}

ColourComponents rgbToYiq(double r, double g, double b) {
    return {0.299 * r + 0.587 * g + 0.114 * b, 0.596 * r - 0.274 * g - 0.322 * b,
            0.211 * r - 0.523 * g + 0.312 * b};
}

namespace {

template <class Convert>
void convertAll(Convert convert, double *c0, double *c1, double *c2, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const ColourComponents k = convert(c0[i], c1[i], c2[i]);
        c0[i] = k.c0;
        c1[i] = k.c1;
        c2[i] = k.c2;
    }
}

}  // namespace

void convertColours(ColourModel model, double *c0, double *c1, double *c2, size_t n) {
    switch (model) {
        case ColourModel::Rgb:
            return;
        case ColourModel::Hsi:
            return convertAll(rgbToHsi, c0, c1, c2, n);
        case ColourModel::Hsv:
            return convertAll(rgbToHsv, c0, c1, c2, n);
        case ColourModel::Yiq:
            return convertAll(rgbToYiq, c0, c1, c2, n);
    }
}

}  // namespace host
