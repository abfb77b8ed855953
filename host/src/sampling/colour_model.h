// Colour models: the three components a colour sample gives in each model the
// host's readings offer (formulas and ranges in binsum32.h).
#pragma once

#include <cstddef>
#include <cstdint>

namespace host {

enum class ColourModel { Rgb, Hsi, Hsv, Yiq };

// The model for a reading's model code: 2 HSI, 3 HSV, 4 YIQ; 0, 1 and every
// other value RGB.
ColourModel colourModelOf(int32_t code);

struct ColourComponents {
    double c0 = 0.0;
    double c1 = 0.0;
    double c2 = 0.0;
};

// r, g and b in 0..255.
ColourComponents rgbToHsi(double r, double g, double b);
ColourComponents rgbToHsv(double r, double g, double b);
ColourComponents rgbToYiq(double r, double g, double b);

// Replaces n samples of red, green and blue held in c0, c1 and c2 by the
// model's three components. RGB leaves them as they are.
void convertColours(ColourModel model, double *c0, double *c1, double *c2, size_t n);

}  // namespace host
