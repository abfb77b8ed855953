// Rendering an image view to display pixels and drawing it.
#include "window/image_paint.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <climits>
#include <cmath>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace host {

namespace {

uint32_t grayPixel(uint8_t level) {
    return (uint32_t{level} << 16) | (uint32_t{level} << 8) | level;
}

// For each client column (row) of the area: the image column (row) it shows,
// or -1 outside the image.
std::vector<int> sourceMap(LONG first, LONG last, int scroll, double zoom, int size) {
    std::vector<int> map;
    map.reserve(static_cast<size_t>(std::max<LONG>(last - first, 0)));
    for (LONG c = first; c < last; ++c) {
        LONG i = clientToImage(c, scroll, zoom);
        map.push_back(i >= 0 && i < size ? static_cast<int>(i) : -1);
    }
    return map;
}

// The display level of image pixel i (the index in its class's vector) of a
// gray image; 8-bit, 12-bit and 16-bit values through a table.
struct LevelReader {
    const Image &image;
    DisplayRange range;
    std::array<uint8_t, 256> table8{};
    std::vector<uint8_t> table16;

    LevelReader(const Image &img, DisplayRange r) : image(img), range(r) {
        if (img.cls == ImageClass::Gray8)
            for (size_t v = 0; v < table8.size(); ++v) table8[v] = displayLevel(static_cast<double>(v), r);
        if (img.cls == ImageClass::Gray12 || img.cls == ImageClass::Gray16) {
            table16.resize(65536);
            for (size_t v = 0; v < table16.size(); ++v) table16[v] = displayLevel(static_cast<double>(v), r);
        }
    }

    uint8_t operator()(size_t i) const {
        switch (image.cls) {
            case ImageClass::Gray8:
                return table8[image.gray8[i]];
            case ImageClass::Gray12:
            case ImageClass::Gray16:
                return table16[image.gray16[i]];
            case ImageClass::Float:
                return displayLevel(image.gray32f[i], range);
            case ImageClass::Rgb:
                break;
        }
        return 0;
    }
};

// The display pixel of image pixel i.
struct PixelReader {
    const Image &image;
    LevelReader levels;

    PixelReader(const Image &img, DisplayRange r) : image(img), levels(img, r) {}

    uint32_t operator()(size_t i) const {
        if (image.cls != ImageClass::Rgb) return grayPixel(levels(i));
        return (uint32_t{image.rgb[3 * i]} << 16) | (uint32_t{image.rgb[3 * i + 1]} << 8) |
               image.rgb[3 * i + 2];
    }
};

// Writes read(image pixel) for every client pixel whose column and row both
// map into the image (columns.size() pixels a row, rows.size() rows, rows
// `stride` pixels apart); the others are left as they are. A client row
// showing the same image row as the row above is a copy of it.
template <typename Pixel, typename Read>
void renderMapped(const std::vector<int> &columns, const std::vector<int> &rows, int imageWidth, Read read,
                  Pixel *pixels, size_t stride) {
    const size_t width = columns.size();
    for (size_t y = 0; y < rows.size(); ++y) {
        const int sy = rows[y];
        if (sy < 0) continue;
        Pixel *out = pixels + y * stride;
        if (y > 0 && rows[y - 1] == sy) {
            std::copy_n(out - stride, width, out);
            continue;
        }
        const size_t rowStart = static_cast<size_t>(sy) * static_cast<size_t>(imageWidth);
        for (size_t x = 0; x < width; ++x) {
            const int sx = columns[x];
            if (sx >= 0) out[x] = read(rowStart + static_cast<size_t>(sx));
        }
    }
}

// The first and one past the last client position in [0, extent) that show
// an image pixel; equal when none does.
std::pair<LONG, LONG> shownRun(LONG extent, int scroll, double zoom, int size) {
    LONG first = 0, last = extent;
    while (first < last && clientToImage(first, scroll, zoom) < 0) ++first;
    while (last > first && clientToImage(last - 1, scroll, zoom) >= size) --last;
    return {first, last};
}

// Lowest and highest of n > 0 values.
DisplayRange gray16Extremes(const uint16_t *values, size_t count) {
    uint16_t lo = UINT16_MAX, hi = 0;
    size_t i = 0;
#if defined(__SSE2__)
    // SSE2 compares 16-bit lanes as signed only: flipping the top bit maps
    // 0..65535 onto -32768..32767 in the same order.
    const __m128i flip = _mm_set1_epi16(INT16_MIN);
    __m128i lanesLo = _mm_set1_epi16(INT16_MAX), lanesHi = _mm_set1_epi16(INT16_MIN);
    for (; i + 8 <= count; i += 8) {
        const __m128i v = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(values + i)), flip);
        lanesLo = _mm_min_epi16(lanesLo, v);
        lanesHi = _mm_max_epi16(lanesHi, v);
    }
    alignas(16) uint16_t laneLo[8], laneHi[8];
    _mm_store_si128(reinterpret_cast<__m128i *>(laneLo), _mm_xor_si128(lanesLo, flip));
    _mm_store_si128(reinterpret_cast<__m128i *>(laneHi), _mm_xor_si128(lanesHi, flip));
    for (int lane = 0; lane < 8; ++lane) {
        lo = std::min(lo, laneLo[lane]);
        hi = std::max(hi, laneHi[lane]);
    }
#endif
    for (; i < count; ++i) {
        lo = std::min(lo, values[i]);
        hi = std::max(hi, values[i]);
    }
    return {static_cast<double>(lo), static_cast<double>(hi)};
}

// Reading every pixel of an image larger than this would read all of a file
// that is mapped rather than loaded (only such images are this large) before
// the first paint; those take their range from evenly spaced rows instead, at
// most about kSampledBytes of them.
constexpr uint64_t kFullScanBytes = uint64_t{1} << 30;
constexpr uint64_t kSampledBytes = uint64_t{32} << 20;

// Every row (1), or every n-th row of an image too large to read whole.
size_t rangeRowStep(const Image &image, size_t bytesPerPixel) {
    const uint64_t bytes = uint64_t(image.width) * uint64_t(image.height) * bytesPerPixel;
    if (bytes <= kFullScanBytes) return 1;
    return static_cast<size_t>((bytes + kSampledBytes - 1) / kSampledBytes);
}

// The lowest and highest value of every `step`-th row; `rowExtremes` answers
// one row, or nullopt when it holds no value.
template <typename RowExtremes>
DisplayRange sampledRange(const Image &image, size_t step, RowExtremes rowExtremes) {
    std::optional<DisplayRange> range;
    for (size_t y = 0; y < static_cast<size_t>(image.height); y += step) {
        const std::optional<DisplayRange> row = rowExtremes(y * static_cast<size_t>(image.width));
        if (!row) continue;
        if (!range) range = row;
        range->low = std::min(range->low, row->low);
        range->high = std::max(range->high, row->high);
    }
    return range.value_or(DisplayRange{0.0, 0.0});
}

}  // namespace

DisplayRange displayRange(const Image &image) {
    const size_t width = static_cast<size_t>(image.width);
    switch (image.cls) {
        case ImageClass::Gray8:
        case ImageClass::Rgb:
            return {0.0, 255.0};
        case ImageClass::Gray12:
            return {0.0, 4095.0};
        case ImageClass::Gray16: {
            if (image.gray16.size() == 0) return {0.0, 0.0};
            const size_t step = rangeRowStep(image, sizeof(uint16_t));
            if (step == 1) return gray16Extremes(image.gray16.data(), image.gray16.size());
            return sampledRange(image, step, [&](size_t start) -> std::optional<DisplayRange> {
                image.gray16.willRead(start, width);
                return gray16Extremes(image.gray16.data() + start, width);
            });
        }
        case ImageClass::Float: {
            const size_t step = rangeRowStep(image, sizeof(float));
            if (step == 1 || image.gray32f.size() == 0) {
                const auto [low, high] = image.valueRange();
                return {low, high};
            }
            return sampledRange(image, step, [&](size_t start) -> std::optional<DisplayRange> {
                image.gray32f.willRead(start, width);
                const auto row = floatExtremes(image.gray32f.data() + start, width);
                if (!row) return std::nullopt;
                return DisplayRange{row->first, row->second};
            });
        }
    }
    return {};
}

uint8_t displayLevel(double value, DisplayRange range) {
    if (!(range.high > range.low) || !(value > range.low)) return 0;  // NaN shows black too
    if (value >= range.high) return 255;
    return static_cast<uint8_t>(std::lround((value - range.low) * 255.0 / (range.high - range.low)));
}

RECT shownImageArea(const Image &image, const ViewGeometry &geometry, LONG width, LONG height) {
    const auto [left, right] = shownRun(width, geometry.scrollX, geometry.zoom, image.width);
    const auto [top, bottom] = shownRun(height, geometry.scrollY, geometry.zoom, image.height);
    if (left == right || top == bottom) return RECT{0, 0, 0, 0};
    return RECT{left, top, right, bottom};
}

void renderView(const Image &image, const ViewGeometry &geometry, DisplayRange range, const RECT &area,
                uint32_t background, uint32_t *pixels) {
    const LONG width = std::max<LONG>(area.right - area.left, 0);
    const LONG height = std::max<LONG>(area.bottom - area.top, 0);
    std::fill_n(pixels, static_cast<size_t>(width) * static_cast<size_t>(height), background);
    if (width == 0 || height == 0) return;
    renderMapped(sourceMap(area.left, area.right, geometry.scrollX, geometry.zoom, image.width),
                 sourceMap(area.top, area.bottom, geometry.scrollY, geometry.zoom, image.height), image.width,
                 PixelReader(image, range), pixels, static_cast<size_t>(width));
}

void renderLevels(const Image &image, const ViewGeometry &geometry, DisplayRange range, const RECT &area,
                  uint8_t *levels, size_t stride) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    renderMapped(sourceMap(area.left, area.right, geometry.scrollX, geometry.zoom, image.width),
                 sourceMap(area.top, area.bottom, geometry.scrollY, geometry.zoom, image.height), image.width,
                 LevelReader(image, range), levels, stride);
}

}  // namespace host
