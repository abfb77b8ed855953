// Fuzz target of the macro parser: properties that hold for every input.
#include "macro_fuzz.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "macro/interpreter.h"
#include "macro/parser.h"

namespace {

using namespace host::macro;

void require(bool condition, const char *what) {
    if (condition) return;
    std::fprintf(stderr, "fuzzMacro: property violated: %s\n", what);
    std::abort();
}

// The lines as the parser numbers them: LF or CR LF ends, a byte order mark skipped.
std::vector<std::string_view> splitLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

// What a trace prints of a statement parses back to the same statement.
void checkRoundTrip(const Statement &statement) {
    const std::string text = statement.canonical();
    ParsedLine again = parseLine(text, statement.line);
    require(!again.error && again.statement.has_value(), "a statement's trace text parses");
    require(again.statement->name == statement.name, "the name reads back");
    require(again.statement->args.size() == statement.args.size(), "the argument count reads back");
    for (size_t i = 0; i < statement.args.size(); ++i) {
        const Argument &a = again.statement->args[i], &b = statement.args[i];
        require(a.kind == b.kind && std::memcmp(&a.number, &b.number, sizeof a.number) == 0 &&
                    a.integral == b.integral && a.text == b.text && a.source == b.source,
                "each argument reads back");
    }
    require(again.statement->canonical() == text, "the trace text is a fixed point");
}

}  // namespace

int fuzzMacro(const uint8_t *data, size_t size) {
    std::string_view text(reinterpret_cast<const char *>(data), size);
    ParsedScript script = parseScript(text);
    const std::vector<std::string_view> lines = splitLines(text);
    int previousLine = 0;
    for (const Statement &statement : script.statements) {
        require(statement.line > previousLine, "statements come in line order");
        require(statement.line <= static_cast<int>(lines.size()), "a statement lies on a line of the text");
        require(statement.column >= 1, "columns count from 1");
        previousLine = statement.line;
        checkRoundTrip(statement);
        (void)Interpreter::check(statement);
    }
    if (script.error) {
        const ParseError &error = *script.error;
        require(error.line > previousLine && error.line <= static_cast<int>(lines.size()),
                "the error is on a line");
        const auto length = static_cast<int>(lines[static_cast<size_t>(error.line - 1)].size());
        require(error.column >= 1 && error.column <= length + 1, "the error column lies on its line");
        require(!error.message.empty(), "the error says something");
    }
    return 0;
}
