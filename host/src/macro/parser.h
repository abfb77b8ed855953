// The macro parser: script text to statements, or the first error with its
// line and column. The grammar, one statement per line:
//
//   line      := [ statement ] [ '#' comment ]
//   statement := Name '(' [ argument { ',' argument } ] ')'
//   argument  := String | 'Pts' '(' 0 ')' | term { '+' term }
//   term      := Number | Constant
//
// Constants are resolved here, so an unknown one is a parse error; whether a
// statement exists and takes those arguments is the interpreter's check.
#pragma once

#include <string_view>

#include "macro/script.h"

namespace host::macro {

// One line (without its line end), numbered lineNumber in messages.
ParsedLine parseLine(std::string_view line, int lineNumber);

// A whole script: lines end in LF or CR LF; a UTF-8 byte order mark at the
// start is skipped. Parsing stops at the first error.
ParsedScript parseScript(std::string_view text);

}  // namespace host::macro
