// Exact sample positions along a line (see line_path.h for the rule).
#include "sampling/line_path.h"

#include <cstdlib>

namespace host {

int64_t floorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

int64_t LinePath::steps() const {
    const int64_t ax = std::llabs(dx());
    const int64_t ay = std::llabs(dy());
    return ax > ay ? ax : ay;
}

PixelPoint LinePath::sampleAt(int64_t i) const {
    const int64_t m = steps();
    if (m == 0) return start;
    return {start.x + floorDiv(2 * i * dx() + m, 2 * m), start.y + floorDiv(2 * i * dy() + m, 2 * m)};
}

}  // namespace host
