// Whole-file reads for the kernel functions that rewrite files (the INI
// functions; their writes go through plat::replaceFile). Failures set the
// Win32 last error and leave errno as the failing call set it.
#pragma once

#include <optional>
#include <string>

namespace plat {

// nullopt when the file cannot be read (ERROR_FILE_NOT_FOUND when missing).
std::optional<std::string> readFileBytes(const std::string &path);

}  // namespace plat
