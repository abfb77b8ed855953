// Device-independent bitmaps as StretchDIBits reads them: 8-bit with a colour
// table, 24-bit and 32-bit BI_RGB, bottom-up (positive height, the first row
// in memory is the bottom of the picture) or top-down (negative height).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include <windows.h>

namespace plat::raster {

// Larger pictures are refused (Windows' own coordinate limit is 2^27; we
// refuse rows longer than that and pictures over 2^31 bytes).
constexpr int64_t kMaxDibSide = int64_t{1} << 27;
constexpr int64_t kMaxDibBytes = int64_t{1} << 31;

struct DibLayout {
    int64_t width = 0;
    int64_t height = 0;  // always positive
    bool topDown = false;
    int bitCount = 0;
    int64_t stride = 0;                   // bytes per row, rows padded to 4 bytes
    std::array<uint32_t, 256> palette{};  // 8-bit: colour table as surface pixels
    bool grayPalette = false;             // 8-bit: entry i is gray level i, as gray images use
};

// nullopt for what StretchDIBits refuses: a bad header, an unsupported depth
// or compression, DIB_PAL_COLORS (there are no logical palettes here).
std::optional<DibLayout> dibLayout(const BITMAPINFO *info, UINT usage);

// Pixels [x0, x1) of row y, counted from the top of the picture, as surface pixels.
void dibRow(const DibLayout &layout, const uint8_t *bits, int64_t y, int64_t x0, int64_t x1, uint32_t *out);

}  // namespace plat::raster
