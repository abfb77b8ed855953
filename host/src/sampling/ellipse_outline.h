// The pixel outline of an ellipse: an 8-connected closed chain without
// repeated pixels, starting at the end of the major axis and running
// clockwise on the screen (y grows downward).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "sampling/line_path.h"

namespace host {

struct EllipseShape {
    PixelPoint centre;
    double major = 0.0;  // full axis lengths in pixels
    double minor = 0.0;
    double angle = 0.0;  // radians; the major axis points along (cos, sin) in pixel coordinates
};

// Axis lengths above this many pixels are refused.
inline constexpr double kMaxEllipseAxis = 100000.0;

// The semi-axis of a full axis length L: (L - 1) / 2, so that an ellipse of
// an 11 x 11 box spans exactly 11 pixels; 0 for L <= 1.
double semiAxisOf(double length);

// The outline of `shape`. An ellipse whose semi-axes are both 0 is its centre
// pixel. Empty for lengths or an angle that are not finite or lengths above
// kMaxEllipseAxis.
std::optional<std::vector<PixelPoint>> ellipseOutline(const EllipseShape &shape);

}  // namespace host
