// Synthetic images: a kind (pixel class) and a pattern (a formula of x, y).
//
// Every pattern repeats whole rows: a ramp along x is one row over and over,
// a checker has two distinct rows, RGB ramps repeat every 256 rows. So each
// row is either computed once, straight in the pixel type, or copied from an
// earlier row with the same values; the copy runs at memory speed, which
// matters for images of a thousand million pixels. A large image is made by
// two threads, a half each.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>
#include <thread>
#include <vector>

#include <platform/files.h>

#include "core/helper_thread.h"
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

// Coordinates are whole and not negative and the moduli are powers of two, so
// a ramp's wrap is a mask.
static_assert(std::all_of(std::begin(kKinds), std::end(kKinds), [](const Kind &k) {
    const auto m = static_cast<int64_t>(k.modulus);
    return (m & (m - 1)) == 0;
}));

enum class Shape { Constant, RampX, RampY, Checker };

struct Pattern {
    Shape shape = Shape::Constant;
    std::vector<double> values;  // Constant: one per channel
    int side = 1;                // Checker: the squares' side in pixels
    int64_t mask = INT64_MAX;    // ramps: all ones when they do not wrap
    double high = 0.0;           // Checker: the bright squares' value
};

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

std::optional<Pattern> parsePattern(const std::string &text, const Kind &kind) {
    Pattern pattern;
    if (kind.modulus > 0.0) pattern.mask = static_cast<int64_t>(kind.modulus) - 1;
    pattern.high = kind.maximum;
    if (text.rfind("const:", 0) == 0) {
        std::optional<std::vector<double>> v = parseNumbers(text.substr(6));
        const size_t channels = kind.cls == ImageClass::Rgb ? 3 : 1;
        if (!v || v->size() != channels) return std::nullopt;
        for (double value : *v)
            if (!fitsKind(value, kind)) return std::nullopt;
        pattern.values = std::move(*v);
        return pattern;
    }
    if (text == "ramp-x" || text == "ramp-y") {
        pattern.shape = text == "ramp-x" ? Shape::RampX : Shape::RampY;
        return pattern;
    }
    if (text.rfind("checker:", 0) == 0) {
        char *end = nullptr;
        const long n = std::strtol(text.c_str() + 8, &end, 10);
        if (end == text.c_str() + 8 || *end != '\0' || n < 1 || n > 1000000) return std::nullopt;
        pattern.shape = Shape::Checker;
        pattern.side = static_cast<int>(n);
        return pattern;
    }
    return std::nullopt;
}

// A row of [y0, y) holding the same values as row y, or -1 when row y must
// be computed.
int sameRowAs(const Pattern &p, int y, int y0, int channels, int64_t rgbPeriod) {
    int same = -1;
    switch (p.shape) {
        case Shape::Constant:
            same = y0;
            break;
        case Shape::RampX:
        case Shape::RampY:
            // Gray ramps along x do not depend on y; a gray ramp along y is one
            // value per row, as quick to fill as to copy. RGB rows repeat with
            // the channels' wrap.
            if (channels == 1)
                same = p.shape == Shape::RampX ? y0 : -1;
            else
                same = static_cast<int>(y - rgbPeriod);
            break;
        case Shape::Checker:
            same = y % p.side != 0 ? y - 1 : y - 2 * p.side;
            break;
    }
    return same >= y0 && same < y ? same : -1;
}

// Row y of the pattern, `channels` values per pixel, straight in the pixel type.
// Values are formed as whole numbers and converted once, so they equal the
// pattern's formula in double converted to the pixel type.
template <class T>
void computeRow(const Pattern &p, int y, int width, int channels, T *row) {
    const int64_t m = p.mask;
    switch (p.shape) {
        case Shape::Constant:
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < channels; ++c) *row++ = static_cast<T>(p.values[c]);
            return;
        case Shape::RampX:
        case Shape::RampY: {
            const bool alongX = p.shape == Shape::RampX;
            if (channels == 1) {
                if (alongX)
                    for (int x = 0; x < width; ++x) row[x] = static_cast<T>(x & m);
                else
                    std::fill_n(row, width, static_cast<T>(y & m));
                return;
            }
            for (int64_t x = 0; x < width; ++x, row += 3) {
                const int64_t a = alongX ? x : y, b = alongX ? y : x;
                row[0] = static_cast<T>(a & m);
                row[1] = static_cast<T>(b & m);
                row[2] = static_cast<T>((a + b) & m);
            }
            return;
        }
        case Shape::Checker: {
            const int band = y / p.side;  // 0 at the top-left square
            for (int x0 = 0; x0 < width; x0 += p.side) {
                const int run = std::min(p.side, width - x0);
                const bool bright = (x0 / p.side + band) % 2 == 1;
                std::fill_n(row + static_cast<size_t>(x0) * channels, static_cast<size_t>(run) * channels,
                            static_cast<T>(bright ? p.high : 0.0));
            }
            return;
        }
    }
}

// What the threads filling an image share: finished rows, and whether to stop.
struct FillProgress {
    std::atomic<uint64_t> done{0};
    std::atomic<bool> stop{false};
};

// Rows [y0, y1): each computed, or copied from an earlier row of the range
// with the same values (another thread's rows may not be written yet).
// With a task, reports the rows both threads finished and raises the stop
// when asked. False when stopped before the last row.
template <class T>
bool fillRange(T *pixels, int width, int y0, int y1, int channels, const Pattern &pattern, int64_t rgbPeriod,
               FillProgress &progress, ProgressTask *task) {
    const size_t rowLength = static_cast<size_t>(width) * static_cast<size_t>(channels);
    for (int y = y0; y < y1; ++y) {
        if (progress.stop.load(std::memory_order_relaxed)) return false;
        T *row = pixels + static_cast<size_t>(y) * rowLength;
        const int same = sameRowAs(pattern, y, y0, channels, rgbPeriod);
        if (same >= 0)
            std::memcpy(row, pixels + static_cast<size_t>(same) * rowLength, rowLength * sizeof(T));
        else
            computeRow(pattern, y, width, channels, row);
        const uint64_t done = progress.done.fetch_add(1, std::memory_order_relaxed) + 1;
        if (task && !task->advance(done)) {
            progress.stop.store(true);
            return false;
        }
    }
    return true;
}

// Below this many bytes a second thread costs more than it saves.
constexpr size_t kTwoThreadBytes = size_t{4} << 20;

// A large image is filled by two threads, a half each: the system's zeroing
// of fresh pages, paid as each is first written, is then shared by two
// cores. False when a stop was asked for before the last row.
template <class T>
bool fillRows(T *pixels, int width, int height, int channels, const Pattern &pattern, int64_t rgbPeriod,
              ProgressTask &task) {
    FillProgress progress;
    const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * channels * sizeof(T);
    const bool two = bytes >= kTwoThreadBytes && height >= 2 && std::thread::hardware_concurrency() >= 2;
    const int half = two ? height / 2 : height;
    std::thread second;
    const ThreadJoiner joiner{second};
    if (two)
        second = startThread(
            [&] { fillRange(pixels, width, half, height, channels, pattern, rgbPeriod, progress, nullptr); });
    const int firstEnd = second.joinable() ? half : height;
    bool finished = fillRange(pixels, width, 0, firstEnd, channels, pattern, rgbPeriod, progress, &task);
    if (second.joinable()) second.join();
    return finished && task.advance(progress.done.load());
}

bool fill(Image &image, const Pattern &pattern, const Kind &kind) {
    ProgressTask task("ImgNew " + std::to_string(image.width) + "x" + std::to_string(image.height),
                      static_cast<uint64_t>(image.height));
    const int w = image.width, h = image.height;
    const auto period = static_cast<int64_t>(kind.modulus);
    switch (image.cls) {
        case ImageClass::Gray8:
            return fillRows(image.gray8.data(), w, h, 1, pattern, period, task);
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            return fillRows(image.gray16.data(), w, h, 1, pattern, period, task);
        case ImageClass::Float:
            return fillRows(image.gray32f.data(), w, h, 1, pattern, period, task);
        case ImageClass::Rgb:
            return fillRows(image.rgb.data(), w, h, 3, pattern, period, task);
    }
    return false;
}

}  // namespace

ImageResult makeSyntheticImage(int width, int height, const std::string &kindName,
                               const std::string &patternText) {
    const Kind *kind = nullptr;
    for (const Kind &k : kKinds)
        if (kindName == k.name) kind = &k;
    if (!kind)
        return ImageResult::failure("unknown image kind \"" + plat::shortenedForMessage(kindName, 64) +
                                    "\" (gray8, gray12, gray16, float or rgb)");
    const std::optional<Pattern> pattern = parsePattern(patternText, *kind);
    if (!pattern)
        return ImageResult::failure("bad pattern \"" + plat::shortenedForMessage(patternText, 64) +
                                    "\" for " + kindName +
                                    " (const:V, const:R,G,B for rgb, ramp-x, ramp-y or checker:N)");
    if (width < 1 || height < 1)
        return ImageResult::failure("bad image size " + std::to_string(width) + " x " +
                                    std::to_string(height));
    const std::string tooLarge = checkImageSize(uint64_t(width), uint64_t(height), kind->cls, DecodeLimits{});
    if (!tooLarge.empty()) return ImageResult::failure(tooLarge);
    Image image = makeBlankImage(width, height, kind->cls);
    if (!fill(image, *pattern, *kind)) return ImageResult::failure("interrupted");
    image.title = kindName + " " + patternText;
    return ImageResult::success(std::move(image));
}

}  // namespace host
