// The parsed form of a macro script: statements with their arguments, each
// carrying the line and column it came from so that every later error can
// point at it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host::macro {

enum class ArgKind {
    Number,  // a literal, a constant or constants joined with '+'
    String,  // a double-quoted text
    Points,  // the point-list reference Pts(n)
};

struct Argument {
    ArgKind kind = ArgKind::Number;
    double number = 0.0;   // Number: the value, constants resolved
    bool integral = true;  // Number: the value is a whole number
    std::string text;      // String: the text with its escapes resolved
    int pointsIndex = 0;   // Points: the n of Pts(n)
    std::string source;    // the argument as written, for traces
    int column = 0;        // 1-based column of its first character
};

struct Statement {
    std::string name;
    std::vector<Argument> args;
    int line = 0;    // 1-based
    int column = 0;  // 1-based column of the name

    // "Name(arg, arg)" with each argument as written: the form traces print.
    std::string canonical() const;
};

struct ParseError {
    int line = 0;
    int column = 0;
    std::string message;
};

struct ParsedLine {
    std::optional<Statement> statement;  // none for blank and comment lines
    std::optional<ParseError> error;
};

struct ParsedScript {
    std::vector<Statement> statements;
    std::optional<ParseError> error;  // the first error; statements before it are kept
};

}  // namespace host::macro
