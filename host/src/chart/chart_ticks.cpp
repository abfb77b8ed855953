// Axis spans, tick steps and tick texts.
#include "chart/chart_ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace host {

namespace {

// Far enough from the largest double that a difference of two ends and the
// widening of a degenerate span stay finite.
constexpr double kLargest = 1e300;
// A span narrower than this fraction of its magnitude cannot be told apart
// from a single value once the tick values are rounded to doubles.
constexpr double kNarrowest = 1e-9;
// Tick values sit on multiples of the step; this much of a step is forgiven
// at the ends, so that an end that is a multiple up to rounding gets its tick.
constexpr double kEndSlack = 1e-9;
// More ticks than an axis of any real screen could show.
constexpr double kMaxTicks = 1000;
// Fixed texts up to this many characters (sign aside) read well; longer ones
// give way to the exponent form when it is shorter.
constexpr size_t kLongFixedText = 6;

double powerOfTen(int exponent) {
    return std::pow(10.0, exponent);
}

std::string withoutNegativeZero(std::string text) {
    if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string fixedText(double value, int decimals) {
    // Whole numbers (the ticks of most axes) print as their integer; "%.0f"
    // gives the same digits, and -0 becomes 0 as below.
    if (decimals == 0 && std::fabs(value) < 0x1p53 && value == std::trunc(value))
        return std::to_string(static_cast<long long>(value));
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return withoutNegativeZero(buffer);
}

// "1.50e+06" with the mantissa's trailing zeros and the exponent's sign and
// leading zeros taken off: "1.5e6"; "-2.0e-05": "-2e-5".
std::string exponentText(double value, int stepExponent) {
    if (value == 0.0) return "0";
    int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    int digits = std::clamp(magnitude - stepExponent, 0, 16);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits, value);
    std::string text(buffer);
    size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    std::string power = text.substr(e + 1);
    bool negative = power[0] == '-';
    power.erase(0, power.find_first_not_of("+-0"));
    if (power.empty()) return mantissa;
    return mantissa + (negative ? "e-" : "e") + power;
}

size_t longest(const std::vector<std::string> &texts) {
    size_t most = 0;
    for (const std::string &text : texts) most = std::max(most, text.size() - (text[0] == '-' ? 1 : 0));
    return most;
}

}  // namespace

AxisSpan axisSpan(double low, double high) {
    bool lowKnown = std::isfinite(low), highKnown = std::isfinite(high);
    if (!lowKnown && !highKnown) return AxisSpan{};
    if (!lowKnown) low = high;
    if (!highKnown) high = low;
    if (low > high) std::swap(low, high);
    low = std::clamp(low, -kLargest, kLargest);
    high = std::clamp(high, -kLargest, kLargest);
    double magnitude = std::max(std::fabs(low), std::fabs(high));
    if (high - low > magnitude * kNarrowest) return AxisSpan{low, high};
    // A single value gets a tenth of itself on either side (zero gets 1), so
    // a flat profile shows as a flat line in the middle with sane numbers.
    double middle = low / 2 + high / 2;
    double half = std::fabs(middle) > 1e-290 ? std::fabs(middle) / 10 : 1.0;
    return AxisSpan{middle - half, middle + half};
}

double TickStep::value() const {
    // Dividing by an exact power of ten keeps 0.1 and 0.2 the nearest
    // doubles to those decimals.
    return exponent >= 0 ? mantissa * powerOfTen(exponent) : mantissa / powerOfTen(-exponent);
}

TickStep nextStep(TickStep step) {
    switch (step.mantissa) {
        case 1:
            return TickStep{2, step.exponent};
        case 2:
            return TickStep{5, step.exponent};
        default:
            return TickStep{1, step.exponent + 1};
    }
}

TickStep previousStep(TickStep step) {
    switch (step.mantissa) {
        case 5:
            return TickStep{2, step.exponent};
        case 2:
            return TickStep{1, step.exponent};
        default:
            return TickStep{5, step.exponent - 1};
    }
}

TickStep niceStep(double span, int maxIntervals) {
    if (!(span > 0.0) || !std::isfinite(span)) return TickStep{};
    double intervals = std::max(maxIntervals, 1);
    // Start a decade under the estimate, so that a log10 rounded the wrong
    // way cannot skip the step that fits.
    TickStep step{1, static_cast<int>(std::floor(std::log10(span / intervals))) - 1};
    while (span / step.value() > intervals * (1 + kEndSlack)) step = nextStep(step);
    return step;
}

AxisTicks axisTicks(const AxisSpan &span, TickStep step) {
    AxisTicks ticks;
    ticks.step = step;
    double size = step.value();
    double first = std::ceil(span.low / size - kEndSlack);
    double last = std::floor(span.high / size + kEndSlack);
    if (!std::isfinite(first) || !std::isfinite(last) || last < first) return ticks;
    const auto count = static_cast<long long>(std::min(last - first + 1, kMaxTicks));
    int decimals = std::max(0, -step.exponent);
    for (long long i = 0; i < count; ++i) {
        // A multiple of the step, never a running sum: no drift along the axis.
        double value = (first + static_cast<double>(i)) * size;
        ticks.values.push_back(value);
        ticks.texts.push_back(fixedText(value, decimals));
    }
    // Long numbers are written with an exponent when that is shorter.
    const size_t fixedLength = longest(ticks.texts);
    if (fixedLength <= kLongFixedText) return ticks;
    std::vector<std::string> exponentTexts;
    for (double value : ticks.values) exponentTexts.push_back(exponentText(value, step.exponent));
    if (longest(exponentTexts) < fixedLength) ticks.texts = std::move(exponentTexts);
    return ticks;
}

}  // namespace host
