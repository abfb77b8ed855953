// Polyline and line readings over a region (rules in line_path.h).
#include "sampling/profile_reader.h"

#include "core/image_store.h"
#include "core/region.h"
#include "sampling/line_reader.h"

namespace host {

std::optional<SampleSource> sampleSourceOf(const void *regionHandle) {
    if (regionHandle == nullptr) return std::nullopt;
    const Region *region = findRegion(regionHandle);
    if (region == nullptr) return std::nullopt;
    const Image *image = images().find(region->imageId);
    if (image == nullptr) return std::nullopt;
    SampleSource source;
    source.image = image;
    source.origin = {region->left, region->top};
    source.calibration = region->intensity ? &*region->intensity : nullptr;
    return source;
}

void applyCalibration(const IntensityCalibration &calibration, double *values, size_t n) {
    const double offset = calibration.offset;
    const double scale = calibration.scale;
    for (size_t i = 0; i < n; ++i) values[i] = offset + scale * values[i];
}

std::optional<int64_t> readPolyline(const SampleSource &source, std::span<const PixelPoint> vertices,
                                    double *values, ColourModel model) {
    const auto n = static_cast<int64_t>(vertices.size());
    const std::optional<int64_t> count = polylineSampleCount(n, [&](int64_t k) { return vertices[k]; });
    if (!count) return std::nullopt;
    const Image &image = *source.image;
    const int channels = channelCountOf(image);
    ChannelOutput out;
    for (int c = 0; c < channels; ++c) out.channels[c] = values + c * *count;

    if (n == 1) {
        readLineRaw(image, LinePath{vertices[0], vertices[0]}, 1, out);
    } else {
        // Each segment gives its samples without its last point; the last
        // segment keeps its end point, which is the polyline's final point.
        int64_t written = 0;
        for (int64_t k = 0; k + 1 < n; ++k) {
            const LinePath segment{vertices[k], vertices[k + 1]};
            const int64_t take = segment.steps() + (k + 2 == n ? 1 : 0);
            readLineRaw(image, segment, take, out.advanced(written));
            written += take;
        }
    }

    if (image.isColour()) {
        convertColours(model, out.channels[0], out.channels[1], out.channels[2], static_cast<size_t>(*count));
    } else if (source.calibration != nullptr) {
        applyCalibration(*source.calibration, values, static_cast<size_t>(*count));
    }
    return count;
}

}  // namespace host
