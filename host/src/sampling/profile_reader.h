// Profile readings through a region: counting and reading the samples of a
// line or polyline given in region coordinates, in a colour model, with the
// region's intensity calibration.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/image.h"
#include "sampling/colour_model.h"
#include "sampling/line_path.h"

namespace host {

// What a region reads from: its image, its top-left corner in image pixels and
// the intensity calibration bound to it (null when none).
struct SampleSource {
    const Image *image = nullptr;
    PixelPoint origin;
    const IntensityCalibration *calibration = nullptr;

    PixelPoint toImage(int64_t x, int64_t y) const { return {origin.x + x, origin.y + y}; }
};

// The source behind a region handle; empty for an unknown or freed region or
// one whose image is gone.
std::optional<SampleSource> sampleSourceOf(const void *region);

// Reads the polyline through `vertices` (image pixels, at least one) into
// `values`: count values per channel, channel c of sample i at c * count + i.
// Colour images give the three components of `model`; gray values go through
// the calibration when one is set. Returns the count, or empty (nothing
// written) when there are no vertices or the count is too large.
std::optional<int64_t> readPolyline(const SampleSource &source, std::span<const PixelPoint> vertices,
                                    double *values, ColourModel model);

// Maps n gray values through calibration: value = offset + scale x value.
void applyCalibration(const IntensityCalibration &calibration, double *values, size_t n);

}  // namespace host
