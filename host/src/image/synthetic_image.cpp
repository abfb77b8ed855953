// Synthetic images: a kind (pixel class) and a pattern (a formula of x, y).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <vector>

#include <platform/files.h>

#include "core/progress.h"
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

// One row's values, `channels` per pixel (one for gray, three for RGB). A row
// at a time keeps the per-pixel work to the formula itself: a 32768 x 32768
// image is a thousand million pixels.
using RowFormula = std::function<void(int y, int width, int channels, double *row)>;

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

std::optional<RowFormula> constFormula(const std::string &values, const Kind &kind) {
    std::optional<std::vector<double>> v = parseNumbers(values);
    const size_t channels = kind.cls == ImageClass::Rgb ? 3 : 1;
    if (!v || v->size() != channels) return std::nullopt;
    for (double value : *v)
        if (!fitsKind(value, kind)) return std::nullopt;
    return [v = *v](int, int width, int, double *row) {
        for (int x = 0; x < width; ++x) row = std::copy(v.begin(), v.end(), row);
    };
}

std::optional<RowFormula> formulaOf(const std::string &pattern, const Kind &kind) {
    // Coordinates are whole and not negative and the moduli are powers of two, so
    // the wrap is a mask (all ones when there is none).
    const int64_t mask = kind.modulus > 0.0 ? static_cast<int64_t>(kind.modulus) - 1 : INT64_MAX;
    static_assert(std::all_of(std::begin(kKinds), std::end(kKinds), [](const Kind &k) {
        const auto m = static_cast<int64_t>(k.modulus);
        return (m & (m - 1)) == 0;
    }));
    auto wrap = [mask](int64_t v) { return static_cast<double>(v & mask); };
    if (pattern.rfind("const:", 0) == 0) return constFormula(pattern.substr(6), kind);
    if (pattern == "ramp-x" || pattern == "ramp-y") {
        const bool alongX = pattern == "ramp-x";
        return [wrap, alongX](int y, int width, int channels, double *row) {
            for (int x = 0; x < width; ++x, row += channels) {
                const int64_t a = alongX ? x : y, b = alongX ? y : x;
                row[0] = wrap(a);
                if (channels == 1) continue;
                row[1] = wrap(b);
                row[2] = wrap(a + b);
            }
        };
    }
    if (pattern.rfind("checker:", 0) == 0) {
        char *end = nullptr;
        const long n = std::strtol(pattern.c_str() + 8, &end, 10);
        if (end == pattern.c_str() + 8 || *end != '\0' || n < 1 || n > 1000000) return std::nullopt;
        const double high = kind.maximum;
        return [n, high](int y, int width, int channels, double *row) {
            for (int x = 0; x < width; ++x, row += channels) {
                const bool bright = (x / n + y / n) % 2 == 1;  // 0 at the top-left square
                std::fill_n(row, channels, bright ? high : 0.0);
            }
        };
    }
    return std::nullopt;
}

// Stores one row of values in the image's pixel class.
void storeRow(Image &image, int y, const std::vector<double> &row) {
    const size_t first = pixelIndex(image, 0, y), count = row.size();
    switch (image.cls) {
        case ImageClass::Gray8:
            for (size_t i = 0; i < count; ++i) image.gray8[first + i] = static_cast<uint8_t>(row[i]);
            break;
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            for (size_t i = 0; i < count; ++i) image.gray16[first + i] = static_cast<uint16_t>(row[i]);
            break;
        case ImageClass::Float:
            for (size_t i = 0; i < count; ++i) image.gray32f[first + i] = static_cast<float>(row[i]);
            break;
        case ImageClass::Rgb:
            for (size_t i = 0; i < count; ++i) image.rgb[3 * first + i] = static_cast<uint8_t>(row[i]);
            break;
    }
}

// False when a stop was asked for before the last row.
bool fill(Image &image, const RowFormula &formula) {
    const int channels = image.isColour() ? 3 : 1;
    std::vector<double> row(static_cast<size_t>(image.width) * static_cast<size_t>(channels));
    ProgressTask task("ImgNew " + std::to_string(image.width) + "x" + std::to_string(image.height),
                      static_cast<uint64_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        formula(y, image.width, channels, row.data());
        storeRow(image, y, row);
        if (!task.advance(static_cast<uint64_t>(y) + 1)) return false;
    }
    return true;
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
    const std::optional<RowFormula> formula = formulaOf(pattern, *kind);
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
    if (!fill(image, *formula)) return ImageResult::failure("interrupted");
    image.title = kindName + " " + pattern;
    return ImageResult::success(std::move(image));
}

}  // namespace host
