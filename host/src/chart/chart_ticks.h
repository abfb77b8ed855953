// The numbers along a chart axis: the span the axis covers, tick steps of 1,
// 2 or 5 times a power of ten, the tick values and their texts. No drawing
// here: the axes choose how many ticks fit and place them.
#pragma once

#include <string>
#include <vector>

namespace host {

// What an axis covers, low < high, both finite.
struct AxisSpan {
    double low = 0.0;
    double high = 1.0;
};

// The span for the union [low, high] of the plots' ranges. Infinite and NaN
// ends are dropped (0 to 1 when neither is left), the ends are put in order,
// and a span too narrow to divide (a single value, or one lost in the
// rounding of its magnitude) is widened around its middle.
AxisSpan axisSpan(double low, double high);

// mantissa x 10^exponent, the mantissa 1, 2 or 5.
struct TickStep {
    int mantissa = 1;
    int exponent = 0;
    double value() const;
};

// The smallest step that cuts the span into at most maxIntervals intervals
// (at least one).
TickStep niceStep(double span, int maxIntervals);
// The steps after and before `step` (..., 0.5, 1, 2, 5, 10, ...).
TickStep nextStep(TickStep step);
TickStep previousStep(TickStep step);

// The multiples of the step inside the span, ends included, each with its
// text. All texts of an axis share one form: fixed with as many decimals as
// the step needs, or, when that gets long, the shorter exponent form ("2e6",
// "1.5e-5").
struct AxisTicks {
    TickStep step;
    std::vector<double> values;
    std::vector<std::string> texts;
};

AxisTicks axisTicks(const AxisSpan &span, TickStep step);

}  // namespace host
