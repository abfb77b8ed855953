// Finding a statement's row by name, checking the arguments of a call against
// the row's signatures before its handler runs, and the handlers' argument readers.
#include <climits>
#include <cmath>
#include <cstdio>

#include "macro/statements.h"

namespace host::macro {
namespace {

std::vector<std::string_view> alternatives(std::string_view signature) {
    std::vector<std::string_view> result;
    for (;;) {
        size_t bar = signature.find('|');
        result.push_back(signature.substr(0, bar));
        if (bar == std::string_view::npos) return result;
        signature.remove_prefix(bar + 1);
    }
}

// "takes no arguments", "takes 1 argument", "takes 3 or 5 arguments".
std::string countsText(const std::vector<std::string_view> &forms) {
    if (forms.size() == 1 && forms[0].empty()) return "takes no arguments";
    std::string text = "takes ";
    for (size_t i = 0; i < forms.size(); ++i) {
        if (i > 0) text += i + 1 == forms.size() ? " or " : ", ";
        text += std::to_string(forms[i].size());
    }
    return text + (forms.size() == 1 && forms[0].size() == 1 ? " argument" : " arguments");
}

Outcome checkKind(char kind, const Argument &argument, const std::string &what, int index) {
    switch (kind) {
        case 'i':
            if (argument.kind != ArgKind::Number || !argument.integral)
                return fail(what + " must be a whole number", index);
            if (std::fabs(argument.number) > INT_MAX) return fail(what + " is out of range", index);
            return std::nullopt;
        case 'n':
            if (argument.kind != ArgKind::Number) return fail(what + " must be a number", index);
            return std::nullopt;
        case 's':
            if (argument.kind != ArgKind::String)
                return fail(what + " must be a text in double quotes", index);
            return std::nullopt;
        default:
            if (argument.kind != ArgKind::Points) return fail(what + " must be Pts(0)", index);
            return std::nullopt;
    }
}

}  // namespace

const StatementRow *findStatement(std::string_view name) {
    for (const StatementRow *row : allStatements())
        if (name == row->name) return row;
    return nullptr;
}

std::vector<const StatementRow *> allStatements() {
    std::vector<const StatementRow *> all;
    for (auto group : {imageStatements(), inputStatements(), outputStatements(), windowStatements(),
                       moduleStatements(), menuStatements()})
        for (const StatementRow &row : group) all.push_back(&row);
    return all;
}

Outcome checkArguments(const StatementRow &row, const Statement &statement) {
    const std::vector<std::string_view> forms = alternatives(row.signature);
    for (std::string_view form : forms) {
        if (form.size() != statement.args.size()) continue;
        for (size_t i = 0; i < form.size(); ++i) {
            std::string what = "argument " + std::to_string(i + 1) + " of '" + statement.name + "'";
            if (Outcome bad = checkKind(form[i], statement.args[i], what, static_cast<int>(i))) return bad;
        }
        return std::nullopt;
    }
    return fail("'" + statement.name + "' " + countsText(forms) + ", not " +
                std::to_string(statement.args.size()) + ": " + row.usage);
}

long wholeArg(const Statement &statement, size_t index) {
    return std::lround(statement.args.at(index).number);
}

Outcome argsInRange(const Statement &statement, size_t first, size_t count, long low, long high) {
    for (size_t i = first; i < first + count && i < statement.args.size(); ++i) {
        const double value = statement.args[i].number;
        if (value < static_cast<double>(low) || value > static_cast<double>(high)) {
            char text[96];
            const bool whole = std::fabs(value) < 1e15 && value == std::floor(value);
            std::snprintf(text, sizeof text,
                          whole ? "%.0f is out of range: this argument takes %ld to %ld"
                                : "%.9g is out of range: this argument takes %ld to %ld",
                          value, low, high);
            return fail(text, static_cast<int>(i));
        }
    }
    return std::nullopt;
}

double numberArg(const Statement &statement, size_t index) {
    return statement.args.at(index).number;
}

const std::string &textArg(const Statement &statement, size_t index) {
    return statement.args.at(index).text;
}

}  // namespace host::macro
