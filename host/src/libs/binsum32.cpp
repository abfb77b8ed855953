// BINSUM32: the host's profile sampling and statistics (contract in
// binsum32.h). These entry points check their arguments, turn region
// coordinates into image pixels and hand over to the sampling readers.
#include <binsum32.h>

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "sampling/colour_model.h"
#include "sampling/line_path.h"
#include "sampling/profile_reader.h"
#include "sampling/value_stats.h"

namespace {

constexpr LONG kFailed = -1;

using host::PixelPoint;

std::array<PixelPoint, 2> lineVertices(const host::SampleSource &source, const LONG *line) {
    return {source.toImage(line[0], line[1]), source.toImage(line[2], line[3])};
}

std::vector<PixelPoint> polyVertices(const host::SampleSource &source, const POINT *points, LONG n) {
    std::vector<PixelPoint> vertices;
    vertices.reserve(static_cast<size_t>(n));
    for (LONG k = 0; k < n; ++k) vertices.push_back(source.toImage(points[k].x, points[k].y));
    return vertices;
}

LONG reportCount(std::span<const PixelPoint> vertices, LONG *count, LONG *spare) {
    const auto total = host::polylineSampleCount(static_cast<int64_t>(vertices.size()),
                                                 [&](int64_t k) { return vertices[k]; });
    if (!total) return kFailed;
    if (count != nullptr) *count = static_cast<LONG>(*total);
    if (spare != nullptr) *spare = 0;
    return static_cast<LONG>(*total);
}

LONG readValues(const host::SampleSource &source, std::span<const PixelPoint> vertices, double *values,
                LONG colorModel) {
    const auto total = host::readPolyline(source, vertices, values, host::colourModelOf(colorModel));
    return total ? static_cast<LONG>(*total) : kFailed;
}

}  // namespace

extern "C" {

LONG WINAPI LineSampleCount(HIMGREGION region, const LONG *line, LONG *count, LONG *spare) {
    const auto source = host::sampleSourceOf(region);
    if (!source || line == nullptr) return kFailed;
    return reportCount(lineVertices(*source, line), count, spare);
}

LONG WINAPI PolySampleCount(HIMGREGION region, const POINT *points, LONG n, LONG *count, LONG *spare) {
    const auto source = host::sampleSourceOf(region);
    if (!source || points == nullptr || n < 1) return kFailed;
    return reportCount(polyVertices(*source, points, n), count, spare);
}

LONG WINAPI LineSampleRead(HIMGREGION region, const LONG *line, double *values, LONG colorModel) {
    const auto source = host::sampleSourceOf(region);
    if (!source || line == nullptr || values == nullptr) return kFailed;
    return readValues(*source, lineVertices(*source, line), values, colorModel);
}

LONG WINAPI PolySampleRead(HIMGREGION region, const POINT *points, LONG n, double *values, LONG colorModel) {
    const auto source = host::sampleSourceOf(region);
    if (!source || points == nullptr || n < 1 || values == nullptr) return kFailed;
    return readValues(*source, polyVertices(*source, points, n), values, colorModel);
}

LONG WINAPI ValueStats(const double *values, LONG n, double *out) {
    if (out == nullptr || n < 0 || (n > 0 && values == nullptr)) return kFailed;
    const host::ValueSummary s = host::summarize({values, static_cast<size_t>(n)});
    out[0] = s.sum;
    out[1] = s.minimum;
    out[2] = s.maximum;
    out[3] = s.stdDev;
    out[4] = s.mean;
    return 0;
}

}  // extern "C"
