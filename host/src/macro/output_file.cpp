// Files a script writes: their folders, then the platform's safe writer.
#include "macro/output_file.h"

#include <filesystem>
#include <system_error>

#include <platform/files.h>

namespace host::macro {

std::optional<std::string> makeParentFolders(const std::string &path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    if (ec) return "cannot create the folder of '" + plat::shortenedForMessage(path) + "': " + ec.message();
    return std::nullopt;
}

std::optional<std::string> writeTextFile(const std::string &path, const std::string &text) {
    if (std::optional<std::string> error = makeParentFolders(path)) return error;
    if (std::optional<plat::FileError> error = plat::replaceFile(path, text)) return error->message();
    return std::nullopt;
}

}  // namespace host::macro
