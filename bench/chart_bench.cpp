// Chart drawing speed through ChartDraw: three plots (a colour profile's
// channels) drawn into an 800 x 400 memory bitmap, at the largest profile
// length and at about one point per column for comparison. Items are points
// drawn; the data callback and the copy of the points are part of each draw,
// as they are when a profile window repaints.
#include <benchmark/benchmark.h>

#include <chartw32.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 800, kHeight = 400;
constexpr int kPlots = 3;

// The channels' values, channel-major, and the shared distances; the
// callback finds them through the chart's owner value.
struct Profile {
    std::vector<double> distances;
    std::vector<double> values;
};

PlotDataReply *CALLBACK profileData(LONG kind, HPLOT plot, PlotDataReply *reply) {
    auto chart = static_cast<HCHART>(PlotAttr(plot, PLOTATTR_CHART, 0, 0, nullptr));
    const auto *profile =
        reinterpret_cast<const Profile *>(ChartAttr(chart, CHARTATTR_RECORD, 0, 0, nullptr));
    const size_t n = profile->distances.size();
    const double *y = profile->values.data() + PlotAttr(plot, PLOTATTR_USER, 0, 0, nullptr) * n;
    reply->count = static_cast<WORD>(n);
    reply->xMin = profile->distances.front();
    reply->xMax = profile->distances.back();
    reply->yMin = 0.0;
    reply->yMax = 255.0;
    if (kind == PLOTDATA_SERIES) {
        reply->x = PlotSeries{PLOTSERIES_DOUBLES, profile->distances.data(), 0, sizeof(double), {0, 0}};
        reply->y = PlotSeries{PLOTSERIES_DOUBLES, y, 0, sizeof(double), {0, 0}};
    }
    return reply;
}

// Slow waves with pixel noise from a multiplicative hash: many distinct
// extremes in every column, as a real profile of a textured image has.
Profile makeProfile(size_t n) {
    Profile p;
    for (size_t i = 0; i < n; ++i) p.distances.push_back(0.5 * static_cast<double>(i));
    for (int c = 0; c < kPlots; ++c)
        for (size_t i = 0; i < n; ++i) {
            uint32_t noise = static_cast<uint32_t>((i + 7919u * c) * 2654435761u) >> 27;
            p.values.push_back(100.0 + 60.0 * std::sin(static_cast<double>(i) / (900.0 + 300.0 * c)) + noise);
        }
    return p;
}

void BM_ChartDrawThreePlots(benchmark::State &state) {
    const size_t points = static_cast<size_t>(state.range(0));
    Profile profile = makeProfile(points);
    ChartSpec settings{"Line Profile", "Pixel", "Count", "Legend", {}};
    HCHART chart = ChartCreate(&settings);
    ChartAttr(chart, CHARTATTR_SET | CHARTATTR_RECORD, 0, reinterpret_cast<LONG_PTR>(&profile), nullptr);
    const char *names[kPlots] = {"Red", "Green", "Blue"};
    const COLORREF colours[kPlots] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    for (int c = 0; c < kPlots; ++c) {
        PlotSpec plot{};
        std::snprintf(plot.name, sizeof plot.name, "%s", names[c]);
        plot.colour = colours[c];
        plot.userValue = static_cast<DWORD>(c);
        plot.dataProc = profileData;
        plot.shown = plot.shown2 = 1;
        ChartAddPlot(chart, &plot);
    }
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, kWidth, kHeight);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    const RECT rect{0, 0, kWidth, kHeight};
    for (auto _ : state) benchmark::DoNotOptimize(ChartDraw(chart, dc, &rect, 0, 1));
    state.SetItemsProcessed(state.iterations() * kPlots * static_cast<int64_t>(points));
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ChartDestroy(chart);
}

BENCHMARK(BM_ChartDrawThreePlots)->Arg(65535)->Arg(800)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
