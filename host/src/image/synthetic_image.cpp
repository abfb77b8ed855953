// Synthetic images: a kind (pixel class) and a pattern (a formula of x, y).
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

#include <platform/files.h>

#include "image/pixel_storage.h"
#include "image/synthetic_image.h"

namespace host {

namespace {

struct Kind {
    const char *name;
    ImageClass cls;
    double maximum;  // the checker's bright squares
    double modulus;  // ramps wrap at this value (0: no wrap, for float)
};

constexpr Kind kKinds[] = {
    {"gray8", ImageClass::Gray8, 255.0, 256.0},       {"gray12", ImageClass::Gray12, 4095.0, 4096.0},
    {"gray16", ImageClass::Gray16, 65535.0, 65536.0}, {"float", ImageClass::Float, 1.0, 0.0},
    {"rgb", ImageClass::Rgb, 255.0, 256.0},
};

// A pixel's value for each of its channels (one for gray, three for RGB).
using Formula = std::function<void(int x, int y, double *channels)>;

// The numbers after "const:", separated by commas; none when any is not a number.
std::optional<std::vector<double>> parseNumbers(const std::string &text) {
    std::vector<double> numbers;
    const char *p = text.c_str();
    while (true) {
        char *end = nullptr;
        const double v = std::strtod(p, &end);
        if (end == p || !std::isfinite(v)) return std::nullopt;
        numbers.push_back(v);
        if (*end == '\0') return numbers;
        if (*end != ',') return std::nullopt;
        p = end + 1;
    }
}

// Constant values must be whole numbers in the class's range (any finite value for float).
bool fitsKind(double v, const Kind &kind) {
    if (kind.cls == ImageClass::Float) return true;
    return v >= 0.0 && v <= kind.maximum && v == std::floor(v);
}

std::optional<Formula> constFormula(const std::string &values, const Kind &kind) {
    std::optional<std::vector<double>> v = parseNumbers(values);
    const size_t channels = kind.cls == ImageClass::Rgb ? 3 : 1;
    if (!v || v->size() != channels) return std::nullopt;
    for (double value : *v)
        if (!fitsKind(value, kind)) return std::nullopt;
    return [v = *v](int, int, double *out) { std::copy(v.begin(), v.end(), out); };
}

std::optional<Formula> formulaOf(const std::string &pattern, const Kind &kind) {
    const double m = kind.modulus;
    auto wrap = [m](double v) { return m > 0.0 ? std::fmod(v, m) : v; };
    if (pattern.rfind("const:", 0) == 0) return constFormula(pattern.substr(6), kind);
    if (pattern == "ramp-x" || pattern == "ramp-y") {
        const bool alongX = pattern == "ramp-x";
        return [wrap, alongX](int x, int y, double *out) {
            const double a = alongX ? x : y, b = alongX ? y : x;
            out[0] = wrap(a);
            out[1] = wrap(b);  // the RGB channels; gray images use out[0] only
            out[2] = wrap(a + b);
        };
    }
    if (pattern.rfind("checker:", 0) == 0) {
        char *end = nullptr;
        const long n = std::strtol(pattern.c_str() + 8, &end, 10);
        if (end == pattern.c_str() + 8 || *end != '\0' || n < 1 || n > 1000000) return std::nullopt;
        const double high = kind.maximum;
        return [n, high](int x, int y, double *out) {
            const bool bright = (x / n + y / n) % 2 == 1;  // 0 at the top-left square
            out[0] = out[1] = out[2] = bright ? high : 0.0;
        };
    }
    return std::nullopt;
}

void fill(Image &image, const Formula &formula) {
    double v[3] = {0.0, 0.0, 0.0};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            formula(x, y, v);
            const size_t i = pixelIndex(image, x, y);
            switch (image.cls) {
                case ImageClass::Gray8:
                    image.gray8[i] = static_cast<uint8_t>(v[0]);
                    break;
                case ImageClass::Gray12:
                case ImageClass::Gray16:
                    image.gray16[i] = static_cast<uint16_t>(v[0]);
                    break;
                case ImageClass::Float:
                    image.gray32f[i] = static_cast<float>(v[0]);
                    break;
                case ImageClass::Rgb:
                    for (int c = 0; c < 3; ++c) image.rgb[3 * i + c] = static_cast<uint8_t>(v[c]);
                    break;
            }
        }
    }
}

}  // namespace

ImageResult makeSyntheticImage(int width, int height, const std::string &kindName,
                               const std::string &pattern) {
    const Kind *kind = nullptr;
    for (const Kind &k : kKinds)
        if (kindName == k.name) kind = &k;
    if (!kind)
        return ImageResult::failure("unknown image kind \"" + plat::shortenedForMessage(kindName, 64) +
                                    "\" (gray8, gray12, gray16, float or rgb)");
    const std::optional<Formula> formula = formulaOf(pattern, *kind);
    if (!formula)
        return ImageResult::failure("bad pattern \"" + plat::shortenedForMessage(pattern, 64) + "\" for " +
                                    kindName +
                                    " (const:V, const:R,G,B for rgb, ramp-x, ramp-y or checker:N)");
    if (width < 1 || height < 1)
        return ImageResult::failure("bad image size " + std::to_string(width) + " x " +
                                    std::to_string(height));
    const std::string tooLarge = checkImageSize(uint64_t(width), uint64_t(height), kind->cls, DecodeLimits{});
    if (!tooLarge.empty()) return ImageResult::failure(tooLarge);
    Image image = makeBlankImage(width, height, kind->cls);
    fill(image, *formula);
    image.title = kindName + " " + pattern;
    return ImageResult::success(std::move(image));
}

}  // namespace host
