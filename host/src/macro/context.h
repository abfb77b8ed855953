// What statements act through besides the host's global state: the plug-in's
// entry points, where output goes, the --trace switch and the answer waiting
// for the next Save dialog.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <hostmsg.h>

namespace host::macro {

// The plug-in entry points module statements and LineProfile() go through.
struct PluginEntryPoints {
    PluginInterfaceProc interfaceFunction = nullptr;
    PluginMacroExecProc macroExec = nullptr;
};

struct Context {
    std::optional<PluginEntryPoints> plugin;
    std::string noPluginReason;  // why there is none, for the error message
    bool trace = false;          // print "<statement> -> <result>" for module calls
    std::function<void(const std::string &)>
        print;                              // one line of output, without its line end (default: stdout)
    std::optional<std::string> saveAnswer;  // the next Save dialog's answer; none: Cancel
    // Check boxes of the next Save dialog, by their text, and the state each must have.
    std::vector<std::pair<std::string, bool>> saveOptions;
    std::optional<std::string> saveDialogError;  // why the last Save dialog could not be answered
};

// A statement that could not do its work: the message, and the argument
// (0-based) the message is about, or -1 for the statement as a whole.
struct Failure {
    std::string message;
    int argument = -1;
};
using Outcome = std::optional<Failure>;

inline Outcome fail(std::string message, int argument = -1) {
    return Failure{std::move(message), argument};
}

}  // namespace host::macro
