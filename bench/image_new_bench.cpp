// Making an 8192 x 8192 synthetic image (the ImgNew statement) of every kind
// and pattern, allocation included: what a script waits for before its first
// profile. Blank/KIND is the floor under them: the zeroed pixels alone, whose
// cost is the system's for handing out fresh memory. Items are pixels.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "image/pixel_storage.h"
#include "image/synthetic_image.h"

namespace {

constexpr int kSide = 8192;

struct Kind {
    const char *name;
    host::ImageClass cls;
};

const Kind kKinds[] = {{"gray8", host::ImageClass::Gray8},
                       {"gray12", host::ImageClass::Gray12},
                       {"gray16", host::ImageClass::Gray16},
                       {"float", host::ImageClass::Float},
                       {"rgb", host::ImageClass::Rgb}};

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

void blankImage(benchmark::State &state, host::ImageClass cls) {
    for (auto _ : state) {
        host::Image image = host::makeBlankImage(kSide, kSide, cls);
        benchmark::DoNotOptimize(image.width);
    }
    state.SetItemsProcessed(state.iterations() * int64_t{kSide} * kSide);
}

// Per kind: Blank/kind, then ImgNew/kind/pattern for each pattern.
const bool kRegistered = [] {
    for (const Kind &kind : kKinds) {
        benchmark::RegisterBenchmark((std::string("Blank/") + kind.name).c_str(), blankImage, kind.cls)
            ->Unit(benchmark::kMillisecond);
        for (const char *pattern : {"const", "ramp-x", "ramp-y", "checker:64"}) {
            const std::string name = std::string("ImgNew/") + kind.name + "/" + pattern;
            benchmark::RegisterBenchmark(name.c_str(), makeImage, kind.name, patternFor(kind.name, pattern))
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
