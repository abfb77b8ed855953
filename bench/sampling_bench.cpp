// Profile reading speed through LineSampleRead on an 8192 x 8192 16-bit
// image: lines of 4096 samples in each kind of direction, and a band of 512
// rows by 1024 columns read one row at a time. Items are samples; bytes are
// what a sample moves: 2 bytes of pixel read and 8 bytes of double written.
#include <benchmark/benchmark.h>

#include <binsum32.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/image.h"
#include "core/image_store.h"
#include "core/region.h"

namespace {

constexpr int kSide = 8192;
constexpr LONG kSamples = 4096;
constexpr int64_t kBytesPerSample = 2 + 8;

// One image and two regions over all of it (plain and calibrated), made once.
struct BenchImage {
    HIMGREGION plain = nullptr;
    HIMGREGION calibrated = nullptr;
    const uint16_t *pixels = nullptr;  // the stored image's, for the plain loops

    BenchImage() {
        host::Image image;
        image.cls = host::ImageClass::Gray16;
        image.width = kSide;
        image.height = kSide;
        image.gray16.resize(static_cast<size_t>(kSide) * kSide);
        for (size_t i = 0; i < image.gray16.size(); ++i)
            image.gray16[i] = static_cast<uint16_t>(i * 2654435761u >> 16);
        const int id = host::images().add(std::move(image));
        pixels = host::images().find(id)->gray16.data();
        plain = static_cast<HIMGREGION>(host::addRegion({id, 0, 0, kSide - 1, kSide - 1, std::nullopt}));
        calibrated = static_cast<HIMGREGION>(
            host::addRegion({id, 0, 0, kSide - 1, kSide - 1, host::IntensityCalibration{-3.0, 0.125, "u"}}));
    }
};

const BenchImage &benchImage() {
    static const BenchImage image;
    return image;
}

void readLine(benchmark::State &state, LONG x1, LONG y1, LONG x2, LONG y2, bool calibrated) {
    const BenchImage &img = benchImage();
    const HIMGREGION region = calibrated ? img.calibrated : img.plain;
    const LONG line[4] = {x1, y1, x2, y2};
    std::vector<double> values(kSamples);
    for (auto _ : state) {
        benchmark::DoNotOptimize(LineSampleRead(region, line, values.data(), COLORMODEL_RGB));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
    state.SetBytesProcessed(state.iterations() * kSamples * kBytesPerSample);
}

void BM_Horizontal(benchmark::State &s) {
    readLine(s, 2048, 4000, 2048 + kSamples - 1, 4000, false);
}
void BM_HorizontalReversed(benchmark::State &s) {
    readLine(s, 2048 + kSamples - 1, 4000, 2048, 4000, false);
}
void BM_HorizontalCalibrated(benchmark::State &s) {
    readLine(s, 2048, 4000, 2048 + kSamples - 1, 4000, true);
}
void BM_Vertical(benchmark::State &s) {
    readLine(s, 4000, 2048, 4000, 2048 + kSamples - 1, false);
}
void BM_VerticalReversed(benchmark::State &s) {
    readLine(s, 4000, 2048 + kSamples - 1, 4000, 2048, false);
}
void BM_VerticalCalibrated(benchmark::State &s) {
    readLine(s, 4000, 2048, 4000, 2048 + kSamples - 1, true);
}
void BM_Diagonal45(benchmark::State &s) {
    readLine(s, 1000, 1000, 1000 + kSamples - 1, 1000 + kSamples - 1, false);
}
void BM_DiagonalShallow(benchmark::State &s) {
    readLine(s, 1000, 1000, 1000 + kSamples - 1, 4071, false);
}
void BM_DiagonalSteep(benchmark::State &s) {
    readLine(s, 6000, 1000, 3000, 1000 + kSamples - 1, false);
}

// A band of 512 rows by 1024 columns, one LineSampleRead per row.
void BM_BandRowByRow(benchmark::State &state) {
    constexpr LONG kRows = 512, kColumns = 1024, kLeft = 3000, kTop = 2000;
    const HIMGREGION region = benchImage().plain;
    std::vector<double> row(kColumns);
    for (auto _ : state) {
        for (LONG y = kTop; y < kTop + kRows; ++y) {
            const LONG line[4] = {kLeft, y, kLeft + kColumns - 1, y};
            benchmark::DoNotOptimize(LineSampleRead(region, line, row.data(), COLORMODEL_RGB));
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
    state.SetBytesProcessed(state.iterations() * kRows * kColumns * kBytesPerSample);
}

// Plain loops over the same pixels: the floor each reading above is held
// against (a row, a 45-degree diagonal, and the band's mean and standard
// deviation in double). scripts/bench reads the ratios from the JSON output.
void plainLine(benchmark::State &state, size_t first, size_t stride) {
    const uint16_t *pixels = benchImage().pixels;
    std::vector<double> values(kSamples);
    for (auto _ : state) {
        for (size_t i = 0; i < static_cast<size_t>(kSamples); ++i) values[i] = pixels[first + i * stride];
        benchmark::DoNotOptimize(values.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
    state.SetBytesProcessed(state.iterations() * kSamples * kBytesPerSample);
}

void BM_PlainRow(benchmark::State &s) {
    plainLine(s, size_t{4000} * kSide + 2048, 1);
}
void BM_PlainDiagonal45(benchmark::State &s) {
    plainLine(s, size_t{1000} * kSide + 1000, kSide + 1);
}

void BM_PlainBandMeanStd(benchmark::State &state) {
    constexpr size_t kRows = 512, kColumns = 1024, kLeft = 3000, kTop = 2000;
    const uint16_t *pixels = benchImage().pixels;
    for (auto _ : state) {
        double sum = 0.0, squares = 0.0;
        for (size_t y = kTop; y < kTop + kRows; ++y)
            for (size_t x = kLeft; x < kLeft + kColumns; ++x) {
                const double v = pixels[y * kSide + x];
                sum += v;
                squares += v * v;
            }
        const double n = kRows * kColumns, mean = sum / n;
        benchmark::DoNotOptimize(mean);
        benchmark::DoNotOptimize(std::sqrt((squares - sum * mean) / (n - 1)));
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
    state.SetBytesProcessed(state.iterations() * kRows * kColumns * kBytesPerSample);
}

BENCHMARK(BM_Horizontal);
BENCHMARK(BM_HorizontalReversed);
BENCHMARK(BM_HorizontalCalibrated);
BENCHMARK(BM_Vertical);
BENCHMARK(BM_VerticalReversed);
BENCHMARK(BM_VerticalCalibrated);
BENCHMARK(BM_Diagonal45);
BENCHMARK(BM_DiagonalShallow);
BENCHMARK(BM_DiagonalSteep);
BENCHMARK(BM_BandRowByRow);
BENCHMARK(BM_PlainRow);
BENCHMARK(BM_PlainDiagonal45);
BENCHMARK(BM_PlainBandMeanStd);

}  // namespace

BENCHMARK_MAIN();
