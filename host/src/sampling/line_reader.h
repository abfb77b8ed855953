// Reads the raw pixel values along a straight line into per-channel arrays:
// the fast paths for horizontal and vertical lines and the exact stepping for
// all other directions.
#pragma once

#include <cstdint>

#include "core/image.h"
#include "sampling/line_path.h"

namespace host {

// Where a reading writes: channel c of sample i goes to channels[c][i].
struct ChannelOutput {
    double *channels[3] = {nullptr, nullptr, nullptr};

    // The same arrays moved forward by `offset` samples.
    ChannelOutput advanced(int64_t offset) const;
};

// Number of channels an image gives per sample: 3 for RGB, else 1.
int channelCountOf(const Image &image);

// Writes the raw values (gray value, or red, green and blue) of the first
// `take` samples of `path` (take <= path.sampleCount()). Coordinates are image
// pixels; a sample outside the image reads 0 in every channel. Images whose
// pixel vector does not match their size read 0 everywhere.
void readLineRaw(const Image &image, const LinePath &path, int64_t take, const ChannelOutput &out);

}  // namespace host
