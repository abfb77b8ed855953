// The length units that image files can state a resolution in.
#include <array>
#include <utility>

#include "image/codecs.h"

namespace host {

std::optional<double> metresPerUnit(const std::string &unit) {
    static constexpr std::array<std::pair<const char *, double>, 6> kUnits{{
        {"m", 1.0},
        {"cm", 1e-2},
        {"mm", 1e-3},
        {"um", 1e-6},
        {"nm", 1e-9},
        {"inch", 0.0254},
    }};
    for (const auto &[name, metres] : kUnits)
        if (unit == name) return metres;
    return std::nullopt;
}

}  // namespace host
