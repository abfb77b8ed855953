// The default settings file ($XDG_CONFIG_HOME, then ~/.config) and the module
// next to the program in the build tree.
#include "paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace host::cli {

std::string defaultIniPath() {
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config) return std::string(config) + "/voprof/voprof.ini";
    const char *home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.config/voprof/voprof.ini";
    return "voprof.ini";
}

std::string buildTreeModulePath() {
    std::error_code ec;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return (program.parent_path() / ".." / ".." / "voprof32" / "libvoprof32.so").lexically_normal().string();
}

}  // namespace host::cli
