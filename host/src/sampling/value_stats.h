// Summary statistics of a run of sample values.
#pragma once

#include <span>

namespace host {

struct ValueSummary {
    double sum = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    double stdDev = 0.0;  // population form: divides by n
    double mean = 0.0;
};

// All zeros for no values. The deviation is taken about the mean in a second
// pass, so equal values give exactly 0.
ValueSummary summarize(std::span<const double> values);

}  // namespace host
