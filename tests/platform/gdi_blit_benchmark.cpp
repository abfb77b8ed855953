// Speed of the paths an image display takes: StretchDIBits of an 8-bit
// picture at 1:1, zoomed in and out, and a line of text. Not run by CTest;
// compare ratios within one run (or instruction counts under callgrind).
#include <benchmark/benchmark.h>

#include <vector>

#include <windows.h>

namespace {

struct Picture {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD palette[256];
    } info{};
    std::vector<uint8_t> bits;

    explicit Picture(int side) : bits(static_cast<size_t>(side) * static_cast<size_t>(side)) {
        info.header = {sizeof(BITMAPINFOHEADER), side, side, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
        for (int i = 0; i < 256; ++i) info.palette[i] = {BYTE(i), BYTE(i), BYTE(i), 0};
        for (size_t i = 0; i < bits.size(); ++i) bits[i] = static_cast<uint8_t>(i * 7 + i / 1024);
    }
};

struct Target {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    explicit Target(int side) : bitmap(CreateCompatibleBitmap(dc, side, side)) { SelectObject(dc, bitmap); }
    ~Target() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
};

// state.range(0): destination side for a 1024 x 1024 picture.
void stretchDIBits8(benchmark::State &state) {
    Picture picture(1024);
    auto side = static_cast<int>(state.range(0));
    Target target(side);
    for (auto _ : state)
        StretchDIBits(target.dc, 0, 0, side, side, 0, 0, 1024, 1024, picture.bits.data(),
                      reinterpret_cast<const BITMAPINFO *>(&picture.info), DIB_RGB_COLORS, SRCCOPY);
    state.SetItemsProcessed(state.iterations() * side * side);
}
BENCHMARK(stretchDIBits8)->Arg(1024)->Arg(2048)->Arg(512)->Arg(1536);

void textLine(benchmark::State &state) {
    Target target(400);
    SelectObject(target.dc, GetStockObject(DEFAULT_GUI_FONT));
    const char text[] = "Profile of line 3: length 512.0 px, mean 1234.5";
    for (auto _ : state) TextOutA(target.dc, 2, 2, text, sizeof text - 1);
}
BENCHMARK(textLine);

}  // namespace

BENCHMARK_MAIN();
