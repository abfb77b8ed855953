// A host with images and image windows, and the module's core linked into the
// test program (its resources too), so tests drive the module as the host does.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

#include "frame/exports.h"
#include "frame/profile_record.h"

namespace testing_support {

// A pixel of a window's client area as the screen shows it (0xDEAD when it cannot be captured).
uint32_t windowPixel(HWND window, int x, int y);

// A chart drawn into a white 400 x 300 bitmap, with the plot area it reports.
struct ChartCanvas {
    explicit ChartCanvas(DWORD chart);
    ~ChartCanvas();
    ChartCanvas(const ChartCanvas &) = delete;
    ChartCanvas &operator=(const ChartCanvas &) = delete;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    LONG area[4] = {0, 0, 0, 0};
};

class ModuleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A synthetic image (kinds and patterns of the ImgNew statement) in a new image window.
    HWND openImage(int width, int height, const char *kind, const char *pattern);
    // InterfaceFunction on the active image; the current profile or null.
    ProfileRecord *createProfile();
    // A profile on a new synthetic image.
    ProfileRecord *profileOn(int width, int height, const char *kind, const char *pattern) {
        openImage(width, height, kind, pattern);
        return createProfile();
    }
    // Adopts and reads a geometry as a line move would; false when refused.
    bool moveTo(ProfileRecord *record, LONG x1, LONG y1, LONG x2, LONG y2);
    std::vector<double> channel(const ProfileRecord *record, int c) const;
    LONG macro(WORD code, LONG_PTR a = 0, LONG_PTR b = 0, LONG_PTR c = 0, LONG_PTR d = 0);

    HWND host = nullptr;
    std::string iniPath;
    std::vector<HWND> imageWindows;
};

}  // namespace testing_support
