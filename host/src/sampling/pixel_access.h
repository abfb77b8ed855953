// Typed views of an image's pixels for the line readers: each copies the pixel
// at a row-major index into per-channel output arrays, as doubles.
#pragma once

#include <cstdint>

namespace host {

// A gray image of element type T (uint8_t, uint16_t, float): one channel.
template <class T>
struct GrayPixels {
    static constexpr int kChannels = 1;
    const T *data;
    int64_t width;
    int64_t height;

    void copy(int64_t index, double *const *out, int64_t i) const {
        out[0][i] = static_cast<double>(data[index]);
    }
};

// An RGB image, three interleaved bytes per pixel: three channels.
struct RgbPixels {
    static constexpr int kChannels = 3;
    const uint8_t *data;
    int64_t width;
    int64_t height;

    void copy(int64_t index, double *const *out, int64_t i) const {
        const uint8_t *p = data + 3 * index;
        out[0][i] = p[0];
        out[1][i] = p[1];
        out[2][i] = p[2];
    }
};

}  // namespace host
