// Where voprof finds its settings file and the plug-in module by default.
#pragma once

#include <string>

namespace host::cli {

// $XDG_CONFIG_HOME/voprof/voprof.ini, else $HOME/.config/voprof/voprof.ini,
// else voprof.ini in the working directory.
std::string defaultIniPath();

// The module of the build tree the program was built in:
// <folder of the program>/../../voprof32/libvoprof32.so.
std::string buildTreeModulePath();

}  // namespace host::cli
