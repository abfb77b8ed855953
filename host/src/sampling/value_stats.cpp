// Sum, extremes, mean and population standard deviation of sample values.
#include "sampling/value_stats.h"

#include <algorithm>
#include <cmath>

namespace host {

ValueSummary summarize(std::span<const double> values) {
    ValueSummary s;
    if (values.empty()) return s;
    s.minimum = values.front();
    s.maximum = values.front();
    for (const double v : values) {
        s.sum += v;
        s.minimum = std::min(s.minimum, v);
        s.maximum = std::max(s.maximum, v);
    }
    const auto n = static_cast<double>(values.size());
    s.mean = s.sum / n;
    double squares = 0.0;
    for (const double v : values) squares += (v - s.mean) * (v - s.mean);
    s.stdDev = std::sqrt(squares / n);
    return s;
}

}  // namespace host
