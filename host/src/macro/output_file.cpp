// Writing a script's output files through a temporary file and a rename.
#include "macro/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace host::macro {

std::optional<std::string> writeFileSafely(
    const std::string &path, const std::function<bool(const std::string &, std::string *)> &write) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    if (ec) return "cannot create the folder of '" + path + "': " + ec.message();
    const std::string temporary = path + ".part";
    std::string why;
    if (!write(temporary, &why)) {
        fs::remove(temporary, ec);
        return "cannot write '" + path + "': " + why;
    }
    fs::rename(temporary, target, ec);
    if (!ec) return std::nullopt;
    fs::remove(temporary, ec);
    return "cannot write '" + path + "': " + ec.message();
}

std::optional<std::string> writeTextFile(const std::string &path, const std::string &text) {
    return writeFileSafely(path, [&text](const std::string &temporary, std::string *why) {
        std::FILE *file = std::fopen(temporary.c_str(), "wb");
        if (!file) {
            *why = std::strerror(errno);
            return false;
        }
        const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        const bool closed = std::fclose(file) == 0;
        if (!written || !closed) *why = "the disk refused the data";
        return written && closed;
    });
}

}  // namespace host::macro
