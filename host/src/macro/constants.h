// The symbolic constants of the macro language: the keywords and option names
// that the plug-in's recorded statements use (attribute codes and their
// values, save flags). A script may join them with '+' (S_DATA+S_HEADER).
#pragma once

#include <optional>
#include <string_view>

namespace host::macro {

struct NamedConstant {
    const char *name;
    long value;
};

// The value of a constant; none for a name that is not one. Names are
// case-sensitive, as they are recorded.
std::optional<long> constantValue(std::string_view name);

}  // namespace host::macro
