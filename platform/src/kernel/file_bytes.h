// Whole-file reads and writes for the kernel functions that rewrite files
// (the INI functions). Failures set the Win32 last error.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plat {

// nullopt when the file cannot be read (ERROR_FILE_NOT_FOUND when missing).
std::optional<std::string> readFileBytes(const std::string &path);
// Creates or truncates the file and writes the bytes.
bool writeFileBytes(const std::string &path, std::string_view bytes);

}  // namespace plat
