// Pixel access shared by every image class.
#include "core/image.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace host {

double Image::gray(int x, int y) const {
    const size_t i = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
    switch (cls) {
        case ImageClass::Gray8:
            return gray8[i];
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            return gray16[i];
        case ImageClass::Float:
            return gray32f[i];
        case ImageClass::Rgb:
            return (rgb[3 * i] + rgb[3 * i + 1] + rgb[3 * i + 2]) / 3.0;
    }
    return 0.0;
}

std::pair<double, double> Image::valueRange() const {
    switch (cls) {
        case ImageClass::Gray8:
        case ImageClass::Rgb:
            return {0.0, 255.0};
        case ImageClass::Gray12:
            return {0.0, 4095.0};
        case ImageClass::Gray16:
            return {0.0, 65535.0};
        case ImageClass::Float:
            break;
    }
    // NaN samples are no value, so they are left out; with no value present the
    // range is 0..0, which keeps callers' arithmetic finite.
    bool any = false;
    double lo = 0.0, hi = 0.0;
    for (float v : gray32f) {
        if (std::isnan(v)) continue;
        lo = any ? std::min<double>(lo, v) : v;
        hi = any ? std::max<double>(hi, v) : v;
        any = true;
    }
    return {lo, hi};
}

}  // namespace host
