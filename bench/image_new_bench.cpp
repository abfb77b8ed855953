// Making an 8192 x 8192 synthetic image (the ImgNew statement) of every kind
// and pattern, allocation included: what a script waits for before its first
// profile. Items are pixels.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "image/synthetic_image.h"

namespace {

constexpr int kSide = 8192;

const char *const kKinds[] = {"gray8", "gray12", "gray16", "float", "rgb"};

// The constant pattern needs one value per channel.
std::string patternFor(const std::string &kind, const std::string &pattern) {
    if (pattern != "const") return pattern;
    return kind == "rgb" ? "const:10,20,30" : "const:1";
}

void makeImage(benchmark::State &state, const std::string &kind, const std::string &pattern) {
    for (auto _ : state) {
        host::ImageResult made = host::makeSyntheticImage(kSide, kSide, kind, pattern);
        if (!made.ok()) {
            state.SkipWithError(made.error.c_str());
            break;
        }
        benchmark::DoNotOptimize(made.image->width);
    }
    state.SetItemsProcessed(state.iterations() * int64_t{kSide} * kSide);
}

// One benchmark per kind and pattern, named kind/pattern.
const bool kRegistered = [] {
    for (const char *kind : kKinds)
        for (const char *pattern : {"const", "ramp-x", "ramp-y", "checker:64"}) {
            const std::string name = std::string("ImgNew/") + kind + "/" + pattern;
            benchmark::RegisterBenchmark(name.c_str(), makeImage, kind, patternFor(kind, pattern))
                ->Unit(benchmark::kMillisecond);
        }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
