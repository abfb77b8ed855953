// Files a script writes (snapshots, the clipboard text, the recorded
// statements). Each is written to a temporary file next to it and renamed
// over the old one only when complete, so a failed write leaves what was
// already there untouched. Missing parent folders are created.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace host::macro {

// `write` writes the contents to the path it is given, or returns false and
// says why. The result is the error, if any, naming the file.
std::optional<std::string> writeFileSafely(
    const std::string &path, const std::function<bool(const std::string &, std::string *)> &write);

std::optional<std::string> writeTextFile(const std::string &path, const std::string &text);

}  // namespace host::macro
