// The macro interpreter: checks a whole script, then plays it statement by
// statement on the host, letting the window system dispatch what each
// statement caused before the next one runs.
//
// A script is checked whole before its first statement runs (syntax,
// constants, statement names, the number and kind of arguments), so a typo
// at the end does not leave half a run behind. Errors found while playing (a
// missing file, no image open, no plug-in module) stop the script at that
// statement. Either way the error names the file, line and column.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "macro/context.h"
#include "macro/script.h"

namespace host::macro {

struct ScriptError {
    std::string file;
    int line = 0;
    int column = 0;
    std::string message;

    // "file:line:column: message", the form editors and build tools recognise.
    std::string format() const;
};

class Interpreter {
public:
    // Installs the headless answer to the Save dialog, which SaveDialog(),
    // SaveDialogCancel() and SaveDialogOption() set; the destructor removes it again.
    explicit Interpreter(Context context);
    ~Interpreter();
    Interpreter(const Interpreter &) = delete;
    Interpreter &operator=(const Interpreter &) = delete;

    // Runs a script; scriptName names it in error messages. The first error, if any.
    std::optional<ScriptError> run(std::string_view text, const std::string &scriptName);

    // Checks one parsed statement as run() does before playing: name and arguments.
    static std::optional<Failure> check(const Statement &statement);

    Context &context() { return context_; }

private:
    Context context_;
};

}  // namespace host::macro
