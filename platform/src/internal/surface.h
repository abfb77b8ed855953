// Surface: a 32-bit pixel buffer that GDI draws into. Every top-level window
// owns one covering its whole window rectangle (frame included); memory DCs
// draw into a bitmap's surface. Pixels are 0x00RRGGBB, rows top to bottom,
// which is the memory layout of a 32-bit top-down DIB (B, G, R, 0 bytes).
#pragma once

#include <cstdint>
#include <vector>

#include <windows.h>

#include "platform/large_blocks.h"

namespace plat {

struct Surface {
    int width = 0;
    int height = 0;
    // A window-sized surface is megabytes: it takes huge pages.
    std::vector<uint32_t, LargeBlockAllocator<uint32_t>> pixels;

    Surface() = default;
    Surface(int w, int h, uint32_t fill = 0) { resize(w, h, fill); }

    void resize(int w, int h, uint32_t fill = 0) {
        width = w > 0 ? w : 0;
        height = h > 0 ? h : 0;
        pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
    }
    uint32_t *row(int y) { return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width); }
    const uint32_t *row(int y) const {
        return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    }
    uint32_t at(int x, int y) const { return row(y)[x]; }
};

// COLORREF is 0x00BBGGRR; surface pixels are 0x00RRGGBB.
inline uint32_t pixelFromColorref(COLORREF c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline COLORREF colorrefFromPixel(uint32_t p) {
    return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}

}  // namespace plat
