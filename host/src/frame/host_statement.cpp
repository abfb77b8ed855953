// Running one host statement from a menu command.
#include "frame/host_statement.h"

#include <cstdio>
#include <cstdlib>

#include <platform/embed.h>

#include "core/host_state.h"
#include "macro/interpreter.h"
#include "macro/parser.h"
#include "macro/statements.h"

namespace host::frame {

std::string quotedArgument(const std::string &text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string numberArgument(double value) {
    // The shortest of the usual precisions that reads back exactly (0.1, not 0.10000000000000001).
    char text[32];
    for (int digits : {9, 15, 17}) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) break;
    }
    return text;
}

std::optional<std::string> runStatement(macro::Context &context, const std::string &line, bool record) {
    macro::ParsedLine parsed = macro::parseLine(line, 1);
    if (parsed.error) return parsed.error->message;
    if (!parsed.statement) return "no statement";
    const macro::Statement &statement = *parsed.statement;
    if (std::optional<macro::Failure> bad = macro::Interpreter::check(statement)) return bad->message;
    macro::Outcome outcome = macro::findStatement(statement.name)->handler(context, statement);
    plat::pumpMessages();
    if (outcome) return outcome->message;
    if (record) state().recorded.push_back(statement.canonical());
    return std::nullopt;
}

}  // namespace host::frame
