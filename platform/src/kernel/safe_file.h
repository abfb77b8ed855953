// The safe writer's steps, for the kernel code that writes a replacement
// through a handle over several calls (the HFILE functions) instead of in
// one plat::replaceFile call.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace plat {

// A new version of a file being written: a temporary file beside the target,
// open for reading and writing.
struct Replacement {
    int fd = -1;
    std::string path;       // as the caller named it (for messages)
    std::string target;     // the file renamed over (a link's target)
    std::string temporary;  // ".NAME.XXXXXX" in the target's folder
};

std::optional<Replacement> beginReplacement(const std::string &path, FileError &error);
// Syncs and closes the temporary file, renames it over the target and syncs
// the folder; on failure the temporary file is removed and the target kept.
std::optional<FileError> commitReplacement(Replacement &replacement);
// Closes and removes the temporary file; the target is untouched.
void abandonReplacement(Replacement &replacement);

// Writes all the bytes; false with errno set by the call that failed.
bool writeAll(int fd, std::string_view bytes);

}  // namespace plat
