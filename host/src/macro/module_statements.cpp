// The plug-in's own statements, played through its MacroExecFunction with
// the command codes 18000 to 18160, and the host's point list that
// VoListPts and VoMorePts fill.
//
// The argument block is LONG_PTR[5]: element 0 unused, 1 to 4 the
// statement's arguments a to d; a string goes as a pointer to its text. A
// negative answer is the plug-in's result, not a script error: --trace and
// VoProfGet show it.
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/host_state.h"
#include "macro/data_query.h"
#include "macro/statements.h"
#include "window/host_window.h"

namespace host::macro {
namespace {

struct ModuleCode {
    const char *name;
    WORD code;
};

constexpr ModuleCode kCodes[] = {
    {"VoProfCreate", 18000},   {"VoProfDestroy", 18010}, {"VoProfLineMove", 18020}, {"VoProfMaximize", 18050},
    {"VoProfMinimize", 18060}, {"VoProfMove", 18070},    {"VoProfRestore", 18090},  {"VoProfSave", 18100},
    {"VoProfSelect", 18110},   {"VoProfSetAttr", 18120}, {"VoProfSize", 18140},     {"VoProfUpdate", 18150},
    {"VoProfGet", 18160},
};

constexpr long kLineGeometry = 127;

Outcome needPlugin(const Context &context, const Statement &statement) {
    if (context.plugin) return std::nullopt;
    return fail("'" + statement.name +
                "' needs the plug-in module, and none is loaded: " + context.noPluginReason);
}

LONG callPlugin(Context &context, const Statement &statement, WORD code, const LONG_PTR (&args)[4]) {
    LONG_PTR block[5] = {0, args[0], args[1], args[2], args[3]};
    LONG extra = 0;  // read only by 18000, which hands it on to InterfaceFunction
    LONG result = context.plugin->macroExec(hostWindow(), code, block, &extra);
    if (context.trace) context.print(statement.canonical() + " -> " + std::to_string(result));
    return result;
}

// Numbers go as they are, strings as pointers to their text; LINEGEOMETRY
// also hands over the point list as c = the POINTs, d = their count.
Outcome playModuleStatement(Context &context, const Statement &statement) {
    if (Outcome missing = needPlugin(context, statement)) return missing;
    WORD code = 0;
    for (const ModuleCode &entry : kCodes)
        if (statement.name == entry.name) code = entry.code;
    LONG_PTR args[4] = {0, 0, 0, 0};
    for (size_t i = 0; i < statement.args.size() && i < 4; ++i) {
        const Argument &argument = statement.args[i];
        args[i] = argument.kind == ArgKind::String ? reinterpret_cast<LONG_PTR>(argument.text.c_str())
                                                   : static_cast<LONG_PTR>(wholeArg(statement, i));
    }
    if (code == 18120 && args[0] == kLineGeometry) {
        std::vector<POINT> &points = state().pointList;
        args[2] = reinterpret_cast<LONG_PTR>(points.data());
        args[3] = static_cast<LONG_PTR>(points.size());
    }
    callPlugin(context, statement, code, args);
    return std::nullopt;
}

Outcome playDataQuery(Context &context, const Statement &statement) {
    if (Outcome missing = needPlugin(context, statement)) return missing;
    const long code = wholeArg(statement, 0);
    const long argument = statement.args.size() > 1 ? wholeArg(statement, 1) : 0;
    DataQueryBuffer buffer;
    LONG_PTR args[4] = {code, argument, reinterpret_cast<LONG_PTR>(buffer.data()), 0};
    LONG result = callPlugin(context, statement, 18160, args);
    context.print(buffer.format(result, code, argument));
    return std::nullopt;
}

// Any command code with up to four whole-number arguments; prints the result.
// Where the plug-in takes a pointer the host hands over its own memory, as the
// statements do, never the number written: the data query gets an output
// buffer, LINEGEOMETRY the point list; the save, which takes a file name, is
// refused.
Outcome playModuleExec(Context &context, const Statement &statement) {
    if (Outcome missing = needPlugin(context, statement)) return missing;
    LONG_PTR args[4] = {0, 0, 0, 0};
    for (size_t i = 1; i < statement.args.size(); ++i) args[i - 1] = wholeArg(statement, i);
    const auto code = static_cast<WORD>(wholeArg(statement, 0));
    if (code == 18100)
        return fail("ModuleExec cannot hand a file name to code 18100: use VoProfSave(\"file\", flags)", 0);
    DataQueryBuffer buffer;
    if (code == 18160) args[2] = reinterpret_cast<LONG_PTR>(buffer.data());
    if (code == 18120 && static_cast<WORD>(args[0]) == kLineGeometry) {
        std::vector<POINT> &points = state().pointList;
        args[2] = reinterpret_cast<LONG_PTR>(points.data());
        args[3] = static_cast<LONG_PTR>(points.size());
    }
    context.print(std::to_string(callPlugin(context, statement, code, args)));
    return std::nullopt;
}

// "x y x y ...": whole numbers separated by blanks, in pairs.
Outcome appendPoints(const Statement &statement, size_t index, std::vector<POINT> &points) {
    const std::string &text = textArg(statement, index);
    std::vector<long> values;
    const char *p = text.c_str();
    for (;;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (*p == '\0') break;
        char *end = nullptr;
        errno = 0;
        long value = std::strtol(p, &end, 10);
        const size_t length = std::strcspn(p, " \t");
        if (end != p + length || errno != 0 || value < INT32_MIN || value > INT32_MAX)
            return fail("'" + std::string(p, length) + "' in the point list is not a whole number",
                        static_cast<int>(index));
        values.push_back(value);
        p = end;
    }
    if (values.size() % 2 != 0)
        return fail("the point list has an odd number of coordinates", static_cast<int>(index));
    for (size_t i = 0; i < values.size(); i += 2)
        points.push_back(POINT{static_cast<LONG>(values[i]), static_cast<LONG>(values[i + 1])});
    return std::nullopt;
}

Outcome listPoints(Context &, const Statement &statement) {
    std::vector<POINT> points;
    if (Outcome bad = appendPoints(statement, 1, points)) return bad;
    state().pointList = std::move(points);
    return std::nullopt;
}

Outcome morePoints(Context &, const Statement &statement) {
    std::vector<POINT> points = state().pointList;
    if (Outcome bad = appendPoints(statement, 0, points)) return bad;
    state().pointList = std::move(points);
    return std::nullopt;
}

// Statements the plug-in records for commands it has no macro code for (its
// Load and Print menu commands): accepted so that a recorded session plays
// back, and nothing is done.
Outcome recordedOnly(Context &, const Statement &) {
    return std::nullopt;
}

constexpr StatementRow kStatements[] = {
    {"VoProfCreate", "", "VoProfCreate()", playModuleStatement},
    {"VoProfDestroy", "", "VoProfDestroy()", playModuleStatement},
    {"VoProfLineMove", "iiii", "VoProfLineMove(x1, y1, x2, y2)", playModuleStatement},
    {"VoProfMaximize", "", "VoProfMaximize()", playModuleStatement},
    {"VoProfMinimize", "", "VoProfMinimize()", playModuleStatement},
    {"VoProfMove", "ii", "VoProfMove(x, y)", playModuleStatement},
    {"VoProfRestore", "", "VoProfRestore()", playModuleStatement},
    {"VoProfSave", "si", "VoProfSave(\"file\", flags)", playModuleStatement},
    {"VoProfSelect", "i", "VoProfSelect(index)", playModuleStatement},
    {"VoProfSetAttr", "ii", "VoProfSetAttr(attribute, value)", playModuleStatement},
    {"VoProfSize", "ii", "VoProfSize(width, height)", playModuleStatement},
    {"VoProfUpdate", "", "VoProfUpdate()", playModuleStatement},
    {"VoProfGet", "i|ii", "VoProfGet(code[, argument])", playDataQuery},
    {"VoProfLoad", "s", "VoProfLoad(? FileName ?) (recorded; does nothing)", recordedOnly},
    {"VoProfPrint", "", "VoProfPrint() (recorded; does nothing)", recordedOnly},
    {"VoListPts", "ps", "VoListPts(Pts(0), \"x y x y ...\")", listPoints},
    {"VoMorePts", "s", "VoMorePts(\"x y x y ...\")", morePoints},
    {"ModuleExec", "i|ii|iii|iiii|iiiii", "ModuleExec(code[, a[, b[, c[, d]]]])", playModuleExec},
};

}  // namespace

std::span<const StatementRow> moduleStatements() {
    return kStatements;
}

}  // namespace host::macro
