// The voprof-studio command line: what the arguments ask for, or why they
// make no sense (wrong usage, exit status 2).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace studio {

enum class Command { Run, Help, Version };

struct Options {
    Command command = Command::Run;
    std::vector<std::string> images;  // opened at the start, in order
    std::optional<std::string> play;  // --play SCRIPT, played once the images are open
    std::optional<std::string> ini;   // --ini FILE
    int scale = 1;                    // --scale N
};

struct OptionsResult {
    std::optional<Options> options;
    std::string error;  // set when the usage is wrong
};

constexpr int kMaxScale = 8;

// The arguments after the program name. "--help" anywhere asks for help.
OptionsResult parseOptions(const std::vector<std::string> &args);

std::string helpText();

}  // namespace studio
