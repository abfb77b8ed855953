// Files a script writes (snapshots, the clipboard text, the recorded
// statements). Missing parent folders are created; the file itself is written
// by the safe writer (plat::replaceFile), so a failed write leaves what was
// already there untouched.
#pragma once

#include <optional>
#include <string>

namespace host::macro {

// Creates the missing folders above the path; the error, if any, names it.
std::optional<std::string> makeParentFolders(const std::string &path);

// Replaces the file with the text; the error, if any, names the file and the reason.
std::optional<std::string> writeTextFile(const std::string &path, const std::string &text);

}  // namespace host::macro
