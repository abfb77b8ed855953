// An image held by the host: pixels of one of five classes, its title and
// file, and its calibrations. Pixels are stored row by row, top to bottom.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/pixel_array.h"

namespace host {

enum class ImageClass : uint32_t { Gray8 = 1, Rgb = 3, Gray12 = 4, Float = 5, Gray16 = 6 };

struct SpatialCalibration {
    double xScale = 1.0;  // units per pixel
    double yScale = 1.0;
    std::string unit;
};

// Calibrated value = offset + scale x raw value.
struct IntensityCalibration {
    double offset = 0.0;
    double scale = 1.0;
    std::string unit;
};

struct Image {
    int id = -1;
    ImageClass cls = ImageClass::Gray8;
    int width = 0;
    int height = 0;
    std::string title;  // shown in the window caption and written in saved files
    std::string path;   // empty for synthetic images

    // Exactly one of these holds the pixels, by class: Gray8 -> gray8; Gray12 and Gray16 ->
    // gray16; Float -> gray32f; Rgb -> rgb (R, G, B interleaved).
    // The array may show a private mapping of the image's file (see pixel_array.h).
    PixelArray<uint8_t> gray8;
    PixelArray<uint16_t> gray16;
    PixelArray<float> gray32f;
    PixelArray<uint8_t> rgb;
    // Pages (directories) in the file the image was read from; the first one is shown.
    int pageCount = 1;

    std::optional<SpatialCalibration> spatial;
    std::optional<IntensityCalibration> intensity;

    bool isColour() const { return cls == ImageClass::Rgb; }
    // The raw gray value at (x, y) (for RGB images the mean of the three channels); the caller
    // checks the bounds.
    double gray(int x, int y) const;
    // Lowest and highest value the pixel class can hold; for float images the lowest and
    // highest value present.
    std::pair<double, double> valueRange() const;
};

// Lowest and highest of `count` floats, NaN left out; nullopt when none is a number.
std::optional<std::pair<float, float>> floatExtremes(const float *values, size_t count);

}  // namespace host
