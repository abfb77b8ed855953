// The statement table: every statement's name, the arguments it takes and
// its handler. Each group of statements lives in its own file and lists its
// rows there; the interpreter finds a statement by name and checks the
// arguments against the row before the handler ever sees them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "macro/context.h"
#include "macro/script.h"

namespace host::macro {

using Handler = Outcome (*)(Context &, const Statement &);

struct StatementRow {
    const char *name;
    // One letter per argument: 'i' a whole number, 'n' any number, 's' a
    // string, 'p' the point list Pts(0). Alternatives are separated by '|'
    // ("iin|iinnn"); "" takes no argument.
    const char *signature;
    const char *usage;  // how it is written, for messages and --help
    Handler handler;
};

std::span<const StatementRow> imageStatements();   // Img*, Cal*
std::span<const StatementRow> inputStatements();   // mouse, keys, Shift
std::span<const StatementRow> outputStatements();  // Echo, Snapshot, plug-in window, Save dialog, ...
std::span<const StatementRow> moduleStatements();  // VoProf*, VoListPts, VoMorePts
std::span<const StatementRow> menuStatements();    // the plug-in window's menu and plot order dialog
std::span<const StatementRow> windowStatements();  // the plug-in window moved, sized, shown, clicked

const StatementRow *findStatement(std::string_view name);
std::vector<const StatementRow *> allStatements();  // in table order, for --help

// Whether the statement's arguments fit the row: their number, then each one's kind.
Outcome checkArguments(const StatementRow &row, const Statement &statement);

// Arguments as the handlers read them, once checkArguments has passed.
long wholeArg(const Statement &statement, size_t index);
double numberArg(const Statement &statement, size_t index);
const std::string &textArg(const Statement &statement, size_t index);

// Window coordinates and sizes travel in 16 bits of a message parameter, so the
// statements take them only in this range.
constexpr long kCoordinateMin = -32768;
constexpr long kCoordinateMax = 32767;

// Fails naming the first of `count` whole-number arguments from `first` that
// lies outside low..high.
Outcome argsInRange(const Statement &statement, size_t first, size_t count, long low, long high);

}  // namespace host::macro
