// Built-in names of resource scripts (WS_*, WS_EX_*, DS_*, BS_*, SS_*, LBS_*,
// ES_*, IDOK and friends). Names are case-sensitive, as C macros are.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace rc {

std::optional<uint32_t> findConstant(std::string_view name);
// All names in table order, for tests.
std::vector<std::string_view> constantNames();

}  // namespace rc
