// Key names of the KeyDown and KeyUp statements, case-insensitive:
//   left right up down home end pageup pagedown insert delete
//   return (or enter) escape (or esc) tab space backspace shift control
//   f1 .. f12, the letters a .. z and the digits 0 .. 9.
#pragma once

#include <optional>
#include <string_view>

namespace host::macro {

// The virtual-key code of a key name; none for a name not listed above.
std::optional<int> virtualKeyOf(std::string_view name);

}  // namespace host::macro
