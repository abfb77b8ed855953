// The voprof command line: what the arguments ask for, or why they make no
// sense (wrong usage, exit status 2).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host::cli {

enum class Command { Run, Help, Version };

struct Options {
    Command command = Command::Help;
    std::string script;
    std::optional<std::string> ini;     // --ini FILE
    std::optional<std::string> record;  // --record FILE
    std::optional<std::string> module;  // --module PATH
    bool noModule = false;              // --no-module
    bool trace = false;                 // --trace
};

struct OptionsResult {
    std::optional<Options> options;
    std::string error;  // set when the usage is wrong
};

// The arguments after the program name. "--help" anywhere asks for help.
OptionsResult parseOptions(const std::vector<std::string> &args);

// The text of voprof --help, with the list of statements.
std::string helpText();

}  // namespace host::cli
