// Parsing of the voprof-studio command line.
#include "options.h"

#include <algorithm>
#include <cstdlib>

namespace studio {
namespace {

std::optional<int> parseScale(const std::string &text) {
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), ::isdigit))
        return std::nullopt;
    const int value = std::atoi(text.c_str());
    if (value < 1 || value > kMaxScale) return std::nullopt;
    return value;
}

}  // namespace

OptionsResult parseOptions(const std::vector<std::string> &args) {
    Options options;
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        options.command = Command::Help;
        return {options, {}};
    }
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const bool takesValue = arg == "--play" || arg == "--ini" || arg == "--scale";
        if (takesValue && i + 1 >= args.size()) return {std::nullopt, arg + " needs a value"};
        if (arg == "--version") {
            options.command = Command::Version;
        } else if (arg == "--play") {
            if (options.play) return {std::nullopt, "--play given twice"};
            options.play = args[++i];
        } else if (arg == "--ini") {
            options.ini = args[++i];
        } else if (arg == "--scale") {
            std::optional<int> scale = parseScale(args[++i]);
            if (!scale)
                return {std::nullopt, "--scale takes a whole number from 1 to " + std::to_string(kMaxScale)};
            options.scale = *scale;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return {std::nullopt, "unknown option '" + arg + "'"};
        } else {
            options.images.push_back(arg);
        }
    }
    return {options, {}};
}

std::string helpText() {
    return "Usage: voprof-studio [IMAGE...] [--play SCRIPT] [--ini FILE] [--scale N]\n"
           "       voprof-studio --help | --version\n"
           "\n"
           "Shows the host's windows on the desktop: menus, image windows and the line\n"
           "profile module, driven by the mouse and the keyboard.\n"
           "\n"
           "  IMAGE...       images opened at the start (TIFF, PNG, PGM/PPM)\n"
           "  --play SCRIPT  a macro script played once the images are open; what it\n"
           "                 prints (VoProfGet, Echo) goes to the standard output\n"
           "  --ini FILE     the settings file (default: $XDG_CONFIG_HOME/voprof/voprof.ini)\n"
           "  --scale N      each screen pixel drawn as N x N pixels (1 to 8), for HiDPI\n"
           "\n"
           "VO_MODULE names the module to load (default: the build tree's). Dropping an\n"
           "image file on the window opens it.\n";
}

}  // namespace studio
