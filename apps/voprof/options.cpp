// Reading the voprof command line into Options, and the help text.
#include "options.h"

#include <algorithm>

#include "macro/statements.h"

namespace host::cli {
namespace {

constexpr const char *kUsage =
    "usage: voprof run SCRIPT.mac [--ini FILE] [--record FILE] [--trace] [--module PATH | --no-module]\n"
    "       voprof --help | --version\n";

constexpr const char *kDescription =
    "\n"
    "Plays a macro script on the host without a display: images and image windows,\n"
    "the mouse and keys on them, the plug-in module's statements, PNG snapshots.\n"
    "\n"
    "Options of run:\n"
    "  --ini FILE     settings of the host and the plug-in (default:\n"
    "                 $XDG_CONFIG_HOME/voprof/voprof.ini, else ~/.config/voprof/voprof.ini)\n"
    "  --record FILE  write the statements recorded during the run, one per line,\n"
    "                 when it ends (also after an error)\n"
    "  --trace        print \"<statement> -> <result>\" for every call into the module\n"
    "  --module PATH  the plug-in module (default: $VO_MODULE, else libvoprof32.so\n"
    "                 of the build tree the program belongs to, if present)\n"
    "  --no-module    run without a plug-in module\n"
    "\n"
    "Exit status: 0 the script ran to its end, 1 a script error (file:line:column\n"
    "on stderr), 2 wrong usage, 130 stopped by Ctrl+C (SIGINT) or SIGTERM at the\n"
    "next statement or image row (\"file:line:column: interrupted\" on stderr; a file\n"
    "being written is finished, none is left half written).\n"
    "\n"
    "Work running longer than a second (making, reading or saving a large image, a\n"
    "long script) shows its progress on stderr; VO_PROGRESS=0 turns this off.\n"
    "\n"
    "Scripts: one statement per line, '#' starts a comment; numbers (12, -3, 0.5,\n"
    "1e-5), \"strings\", constants joined with '+' (S_DATA+S_HEADER), Pts(0).\n"
    "Paths are relative to the working directory. Keys: left right up down home end\n"
    "pageup pagedown insert delete return escape tab space backspace f1..f12 a..z 0..9.\n"
    "\n"
    "Statements:\n";

// "--name=value" or "--name value"; false when the value is missing.
bool takeValue(const std::vector<std::string> &args, size_t &i, const std::string &name, std::string &value) {
    const std::string &arg = args[i];
    if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) return false;
    value = args[++i];
    return true;
}

bool isValueOption(const std::string &arg, const std::string &name) {
    return arg == name || arg.compare(0, name.size() + 1, name + "=") == 0;
}

OptionsResult parseRun(const std::vector<std::string> &args) {
    Options options;
    options.command = Command::Run;
    bool haveScript = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string &arg = args[i];
        std::string value;
        if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--no-module") {
            options.noModule = true;
        } else if (isValueOption(arg, "--ini") || isValueOption(arg, "--record") ||
                   isValueOption(arg, "--module")) {
            const std::string name = arg.substr(0, arg.find('='));
            if (!takeValue(args, i, name, value))
                return {std::nullopt, "option '" + name + "' needs a value"};
            (name == "--ini" ? options.ini : name == "--record" ? options.record : options.module) = value;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return {std::nullopt, "unknown option '" + arg + "'"};
        } else if (haveScript) {
            return {std::nullopt, "one script at a time ('" + options.script + "' and '" + arg + "')"};
        } else {
            options.script = arg;
            haveScript = true;
        }
    }
    if (!haveScript) return {std::nullopt, "'run' needs a script"};
    if (options.noModule && options.module)
        return {std::nullopt, "'--module' and '--no-module' exclude each other"};
    return {options, {}};
}

}  // namespace

OptionsResult parseOptions(const std::vector<std::string> &args) {
    if (std::find(args.begin(), args.end(), "--help") != args.end() || (!args.empty() && args[0] == "-h"))
        return {Options{}, {}};
    if (args.empty()) return {std::nullopt, "no command given"};
    if (args[0] == "--version") {
        if (args.size() > 1) return {std::nullopt, "'--version' takes nothing after it"};
        Options options;
        options.command = Command::Version;
        return {options, {}};
    }
    if (args[0] == "run") return parseRun(args);
    return {std::nullopt, "unknown command '" + args[0] + "'"};
}

std::string helpText() {
    std::string text = std::string(kUsage) + kDescription;
    for (const macro::StatementRow *row : macro::allStatements())
        text += std::string("  ") + row->usage + "\n";
    return text;
}

}  // namespace host::cli
