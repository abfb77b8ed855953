// From values to pixel positions along one side of the plot area. The ends
// of an axis span fall on the centres of the area's outermost pixels, so the
// lowest and highest values are drawn inside the area, not on its frame.
#pragma once

#include <windows.h>

#include "chart/chart_ticks.h"

namespace host {

struct AxisScale {
    AxisSpan span;
    double first = 0.0;  // pixel position of span.low
    double last = 1.0;   // pixel position of span.high

    double pixel(double value) const {
        return first + (value - span.low) / (span.high - span.low) * (last - first);
    }
};

// Left to right across the columns of the area.
inline AxisScale distanceScale(const AxisSpan &span, const RECT &area) {
    return AxisScale{span, static_cast<double>(area.left), static_cast<double>(area.right - 1)};
}

// Bottom to top across the rows of the area.
inline AxisScale valueScale(const AxisSpan &span, const RECT &area) {
    return AxisScale{span, static_cast<double>(area.bottom - 1), static_cast<double>(area.top)};
}

}  // namespace host
