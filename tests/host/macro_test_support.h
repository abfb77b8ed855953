// Playing a script in a test: the lines it printed and its error, if any.
#pragma once

#include "macro/interpreter.h"

namespace macro_test {

struct Played {
    std::vector<std::string> output;
    std::optional<host::macro::ScriptError> error;
    std::string errorText() const { return error ? error->format() : ""; }
};

// Plays the script as "t.mac" with the context given (its print is replaced).
inline Played play(const std::string &script, host::macro::Context context = {}) {
    Played played;
    context.print = [&played](const std::string &line) { played.output.push_back(line); };
    played.error = host::macro::Interpreter(std::move(context)).run(script, "t.mac");
    return played;
}

}  // namespace macro_test
