// The mapping between image pixels and an image window's client pixels, in
// one place so that the point conversions and the painting agree pixel for
// pixel: the window pixel a conversion names is the one showing that image
// pixel's top-left corner, and every client pixel shows the image pixel the
// inverse conversion names.
#pragma once

#include <cmath>

#include <windows.h>

namespace host {

struct ViewGeometry {
    double zoom = 1.0;  // client pixels per image pixel, any positive factor
    int scrollX = 0;    // image pixel shown at the client area's left edge
    int scrollY = 0;    // image pixel shown at the client area's top edge
};

// floor() that takes a value within rounding error of an integer as that
// integer: 33 / 1.1 computes as 29.999999999999996, yet window pixel 33 at
// zoom 1.1 shows image pixel 30. One product or quotient errs by a few parts
// in 1e16; the allowance is 1e-12 of the value, which stays far below one
// pixel across the whole LONG range. Results are kept in LONG range.
inline LONG floorToLong(double value) {
    double f = std::floor(value + 1e-12 * std::fmax(1.0, std::fabs(value)));
    if (f <= -2147483648.0) return -2147483647 - 1;
    if (f >= 2147483647.0) return 2147483647;
    return static_cast<LONG>(f);
}

// window = floor((image - scroll) * zoom)
inline LONG imageToClient(LONG image, int scroll, double zoom) {
    return floorToLong((static_cast<double>(image) - scroll) * zoom);
}

// image = floor(window / zoom) + scroll
inline LONG clientToImage(LONG window, int scroll, double zoom) {
    return floorToLong(static_cast<double>(window) / zoom + scroll);
}

}  // namespace host
