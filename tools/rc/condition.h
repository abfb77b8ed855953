// Evaluation of #if and #elif expressions, after the preprocessor has replaced
// defined(NAME) and macros by numbers and unknown names by 0, as C does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "token.h"

namespace rc {

// The value of the expression, or nullopt with a reason in error.
std::optional<int64_t> evaluateCondition(const std::vector<Token> &tokens, std::string &error);

}  // namespace rc
