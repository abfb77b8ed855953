// Pixel tests on small memory-DC canvases: a canvas owns a memory DC with a
// 32-bit bitmap selected and reads pixels straight from the bitmap;
// pixelsFollow compares the picture with a per-pixel rule and, when they
// differ, dumps the actual picture as a PNG to look at.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "internal/gdi.h"
#include "platform/embed.h"

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// Every pixel differs from its neighbours, so a misplaced write always shows.
inline COLORREF patternColour(int x, int y) {
    return RGB((x * 37 + y * 11) & 0xFF, (x * 7 + y * 53) & 0xFF, (x * 91 + y * 29 + 5) & 0xFF);
}

inline bool inBox(int x, int y, int l, int t, int r, int b) {
    return x >= l && x < r && y >= t && y < b;
}

class TestCanvas {
public:
    TestCanvas(int width, int height, COLORREF fill = kWhite)
        : width_(width),
          height_(height),
          dc_(CreateCompatibleDC(nullptr)),
          bitmap_(CreateCompatibleBitmap(dc_, width, height)),
          previous_(SelectObject(dc_, bitmap_)) {
        this->fill([fill](int, int) { return fill; });
    }
    ~TestCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    TestCanvas(const TestCanvas &) = delete;
    TestCanvas &operator=(const TestCanvas &) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    plat::Surface &surface() const { return *plat::bitmapSurface(bitmap_); }
    std::vector<uint32_t> pixels() const {
        const auto &surfacePixels = surface().pixels;
        std::vector<uint32_t> copy(surfacePixels.size());
        std::copy(surfacePixels.begin(), surfacePixels.end(), copy.begin());
        return copy;
    }
    COLORREF at(int x, int y) const { return plat::colorrefFromPixel(surface().at(x, y)); }
    void fill(const std::function<COLORREF(int, int)> &f) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) surface().row(y)[x] = plat::pixelFromColorref(f(x, y));
    }
    // The box of the pixels that are not `background`; empty if none.
    RECT inkBox(COLORREF background) const {
        RECT r{width_, height_, 0, 0};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (at(x, y) != background)
                    r = {std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
                         std::max<LONG>(r.bottom, y + 1)};
        return r;
    }
    // Writes the picture to <suite>_<test>.png in the working directory; returns the path.
    std::string dump() const {
        const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string path = std::string(info->test_suite_name()) + "_" + info->name() + ".png";
        std::replace(path.begin(), path.end(), '/', '_');
        plat::writePng(plat::Image{width_, height_, pixels()}, path, nullptr);
        return path;
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

inline ::testing::AssertionResult pixelsFollow(const TestCanvas &canvas,
                                               const std::function<COLORREF(int, int)> &rule) {
    int bad = 0;
    std::string report;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            COLORREF want = rule(x, y), got = canvas.at(x, y);
            if (want != got && ++bad <= 6) {
                char line[80];
                std::snprintf(line, sizeof line, "\n  (%d, %d): got %06X, want %06X", x, y, got, want);
                report += line;
            }
        }
    if (bad == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << bad << " pixels differ (picture in " << canvas.dump() << "):" << report;
}

// Selects an object for the guard's lifetime, then restores and deletes it.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), previous_(SelectObject(dc, object)) {}
    ~Selected() {
        SelectObject(dc_, previous_);
        DeleteObject(object_);
    }
    Selected(const Selected &) = delete;
    Selected &operator=(const Selected &) = delete;

private:
    HDC dc_;
    HGDIOBJ object_, previous_;
};
