// Checking a script, then playing it statement by statement, and the text of
// a script error.
#include "macro/interpreter.h"

#include <cctype>
#include <cstdio>

#include <platform/embed.h>
#include <platform/files.h>

#include "core/progress.h"
#include "macro/lexer.h"
#include "macro/parser.h"
#include "macro/statements.h"

namespace host::macro {
namespace {

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string unknownStatement(const std::string &name) {
    std::string message = "unknown statement " + quotedForMessage(name);
    for (const StatementRow *row : allStatements())
        if (equalsNoCase(name, row->name))
            return message + " (statement names are case-sensitive: '" + row->name + "')";
    return message;
}

ScriptError errorAt(const std::string &file, const Statement &statement, const Failure &failure) {
    const bool onArgument =
        failure.argument >= 0 && static_cast<size_t>(failure.argument) < statement.args.size();
    const int column =
        onArgument ? statement.args[static_cast<size_t>(failure.argument)].column : statement.column;
    return ScriptError{file, statement.line, column, failure.message};
}

}  // namespace

std::string ScriptError::format() const {
    return file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + message;
}

Interpreter::Interpreter(Context context) : context_(std::move(context)) {
    if (!context_.print) context_.print = [](const std::string &line) { std::printf("%s\n", line.c_str()); };
    // One answer per dialog: a later Save dialog without a new SaveDialog() is cancelled.
    plat::setSaveFileChooser([this](HWND, const OPENFILENAMEA &) {
        std::optional<std::string> answer = std::move(context_.saveAnswer);
        context_.saveAnswer.reset();
        return answer;
    });
}

Interpreter::~Interpreter() {
    plat::setSaveFileChooser({});
}

std::optional<Failure> Interpreter::check(const Statement &statement) {
    const StatementRow *row = findStatement(statement.name);
    if (!row) return Failure{unknownStatement(statement.name), -1};
    return checkArguments(*row, statement);
}

std::optional<ScriptError> Interpreter::run(std::string_view text, const std::string &scriptName) {
    ParsedScript script = parseScript(text);
    if (script.error)
        return ScriptError{scriptName, script.error->line, script.error->column, script.error->message};
    for (const Statement &statement : script.statements)
        if (std::optional<Failure> bad = check(statement)) return errorAt(scriptName, statement, *bad);
    ProgressTask progress(scriptName, script.statements.size());
    for (size_t i = 0; i < script.statements.size(); ++i) {
        const Statement &statement = script.statements[i];
        Outcome outcome;
        {
            // The settings a statement changes (the module saves a key at a
            // time) reach the disk once, as the statement ends.
            plat::ProfileWriteBatch settings;
            outcome = findStatement(statement.name)->handler(context_, statement);
            plat::pumpMessages();
        }
        // A stop asked for while the statement ran ends the script here, whatever the
        // statement made of it (long work it cut short reports a failure of its own).
        if (!progress.advance(i + 1)) return errorAt(scriptName, statement, Failure{"interrupted"});
        if (outcome) return errorAt(scriptName, statement, *outcome);
    }
    return std::nullopt;
}

}  // namespace host::macro
