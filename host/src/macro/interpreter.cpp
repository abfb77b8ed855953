// Checking a script, then playing it statement by statement, and the text of
// a script error.
#include "macro/interpreter.h"

#include <cctype>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <platform/embed.h>
#include <platform/files.h>

#include "core/host_state.h"
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

// The dialog's check box with that text (an '&' before a mnemonic aside), or null.
HWND findCheckBox(HWND dialog, const std::string &text) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = "";
        GetClassNameA(child, className, sizeof className);
        const LONG type = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
        if (lstrcmpiA(className, "button") != 0 || (type != BS_CHECKBOX && type != BS_AUTOCHECKBOX)) continue;
        std::string label(static_cast<size_t>(GetWindowTextLengthA(child)) + 1, '\0');
        label.resize(
            static_cast<size_t>(GetWindowTextA(child, label.data(), static_cast<int>(label.size()))));
        std::erase(label, '&');
        if (label == text) return child;
    }
    return nullptr;
}

// Sets the check boxes as a hand would: a click on each box whose state
// differs from the one wanted, so that the dialog and its hook see the
// WM_COMMAND a click sends. The first box missing ends it with a message.
std::optional<std::string> setCheckBoxes(HWND dialog,
                                         const std::vector<std::pair<std::string, bool>> &boxes) {
    for (const auto &[text, wanted] : boxes) {
        HWND box = findCheckBox(dialog, text);
        if (!box)
            return "the Save dialog has no check box " + quotedForMessage(text) + " for SaveDialogOption";
        const bool checked = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (checked != wanted) SendMessageA(box, BM_CLICK, 0, 0);
    }
    return std::nullopt;
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
    // One answer per dialog: a later Save dialog without a new SaveDialog() is
    // cancelled. The check boxes are set first (the hook has made them by
    // now); a box the dialog lacks cancels it, and the statement that opened
    // the dialog fails with the reason.
    plat::setSaveFileChooser([this](HWND dialog, const OPENFILENAMEA &) -> std::optional<std::string> {
        std::optional<std::string> answer = std::move(context_.saveAnswer);
        context_.saveAnswer.reset();
        std::vector<std::pair<std::string, bool>> boxes = std::move(context_.saveOptions);
        context_.saveOptions.clear();
        if (std::optional<std::string> error = setCheckBoxes(dialog, boxes)) {
            context_.saveDialogError = std::move(error);
            return std::nullopt;
        }
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
            state().pluginFileFailure.reset();
            outcome = findStatement(statement.name)->handler(context_, statement);
            plat::pumpMessages();
        }
        if (context_.saveDialogError && !outcome) outcome = Failure{*context_.saveDialogError, -1};
        context_.saveDialogError.reset();
        // A file the plug-in could not write fails the statement that made it
        // write, even where the plug-in's own result does not tell.
        if (!outcome && state().pluginFileFailure) outcome = fail(*state().pluginFileFailure);
        // A stop asked for while the statement ran ends the script here, whatever the
        // statement made of it (long work it cut short reports a failure of its own).
        if (!progress.advance(i + 1)) return errorAt(scriptName, statement, Failure{"interrupted"});
        if (outcome) return errorAt(scriptName, statement, *outcome);
    }
    return std::nullopt;
}

}  // namespace host::macro
