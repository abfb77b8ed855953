// Parsing a script line by line into statements, stopping at the first error.
#include "macro/parser.h"

#include <cmath>

#include "macro/constants.h"
#include "macro/lexer.h"

namespace host::macro {
namespace {

std::string quoted(const Token &token) {
    if (token.kind == TokenKind::End) return "the end of the line";
    return quotedForMessage(token.source);
}

class LineParser {
public:
    LineParser(std::string_view line, int lineNumber) : line_(line), lexer_(line), lineNumber_(lineNumber) {}

    ParsedLine parse();

private:
    void advance() { token_ = lexer_.next(); }
    bool fail(int column, std::string message);
    bool failAtToken(const std::string &expected);
    bool parseArguments(Statement &statement);
    bool parseArgument(Argument &argument);
    bool parsePoints(Argument &argument);
    bool parseSum(Argument &argument);

    std::string_view line_;
    Lexer lexer_;
    Token token_;
    int lineNumber_;
    std::optional<ParseError> error_;
};

bool LineParser::fail(int column, std::string message) {
    if (!error_) error_ = ParseError{lineNumber_, column, std::move(message)};
    return false;
}

// A lexer error explains itself; anything else was simply not what the grammar wanted there.
bool LineParser::failAtToken(const std::string &expected) {
    if (token_.kind == TokenKind::Error) return fail(token_.column, token_.text);
    return fail(token_.column, "expected " + expected + ", found " + quoted(token_));
}

ParsedLine LineParser::parse() {
    ParsedLine result;
    advance();
    if (token_.kind == TokenKind::End) return result;
    if (token_.kind != TokenKind::Name) {
        failAtToken("a statement name");
        result.error = error_;
        return result;
    }
    Statement statement;
    statement.name = std::string(token_.source);
    statement.line = lineNumber_;
    statement.column = token_.column;
    advance();
    if (token_.kind != TokenKind::LeftParen) {
        failAtToken("'(' after " + quotedForMessage(statement.name));
    } else if (parseArguments(statement)) {
        advance();
        if (token_.kind != TokenKind::End) failAtToken("the end of the statement");
    }
    if (error_)
        result.error = error_;
    else
        result.statement = std::move(statement);
    return result;
}

// From the opening parenthesis up to and including the closing one.
bool LineParser::parseArguments(Statement &statement) {
    advance();
    if (token_.kind == TokenKind::RightParen) return true;
    for (;;) {
        if (token_.kind == TokenKind::End) return fail(token_.column, "missing ')'");
        Argument argument;
        if (!parseArgument(argument)) return false;
        statement.args.push_back(std::move(argument));
        if (token_.kind == TokenKind::RightParen) return true;
        if (token_.kind == TokenKind::End) return fail(token_.column, "missing ')'");
        if (token_.kind != TokenKind::Comma) return failAtToken("',' or ')'");
        advance();
    }
}

bool LineParser::parseArgument(Argument &argument) {
    argument.column = token_.column;
    if (token_.kind == TokenKind::String) {
        argument.kind = ArgKind::String;
        argument.text = std::move(token_.text);
        argument.source = std::string(token_.source);
        advance();
        return true;
    }
    if (token_.kind == TokenKind::Name && token_.source == "Pts") return parsePoints(argument);
    return parseSum(argument);
}

// Pts(0): the host's one point list, which VoListPts fills.
bool LineParser::parsePoints(Argument &argument) {
    argument.kind = ArgKind::Points;
    advance();
    if (token_.kind != TokenKind::LeftParen) return failAtToken("'(' after 'Pts'");
    advance();
    if (token_.kind == TokenKind::Error) return failAtToken("0");
    if (token_.kind != TokenKind::Number || token_.number != 0.0)
        return fail(token_.column, "the point list is Pts(0)");
    advance();
    if (token_.kind != TokenKind::RightParen) return failAtToken("')' after 'Pts(0'");
    argument.source = "Pts(0)";
    advance();
    return true;
}

bool LineParser::parseSum(Argument &argument) {
    const size_t start = static_cast<size_t>(token_.column - 1);
    size_t end = start;
    argument.kind = ArgKind::Number;
    argument.number = 0.0;
    for (;;) {
        double value = 0.0;
        if (token_.kind == TokenKind::Number) {
            value = token_.number;
        } else if (token_.kind == TokenKind::Name) {
            std::optional<long> constant = constantValue(token_.source);
            if (!constant) return fail(token_.column, "unknown constant " + quotedForMessage(token_.source));
            value = static_cast<double>(*constant);
        } else {
            return failAtToken(end == start ? "an argument" : "a number or a constant after '+'");
        }
        argument.number += value;
        argument.integral = argument.integral && std::floor(value) == value;
        end = static_cast<size_t>(token_.column - 1) + token_.source.size();
        advance();
        if (token_.kind != TokenKind::Plus) break;
        end = static_cast<size_t>(token_.column);
        advance();
    }
    if (!std::isfinite(argument.number)) return fail(argument.column, "number out of range");
    argument.source = std::string(line_.substr(start, end - start));
    return true;
}

}  // namespace

std::string Statement::canonical() const {
    std::string text = name + "(";
    for (size_t i = 0; i < args.size(); ++i) {
        if (i > 0) text += ", ";
        text += args[i].source;
    }
    return text + ")";
}

ParsedLine parseLine(std::string_view line, int lineNumber) {
    return LineParser(line, lineNumber).parse();
}

ParsedScript parseScript(std::string_view text) {
    ParsedScript script;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ParsedLine parsed = parseLine(line, lineNumber);
        if (parsed.error) {
            script.error = std::move(parsed.error);
            break;
        }
        if (parsed.statement) script.statements.push_back(std::move(*parsed.statement));
    }
    return script;
}

}  // namespace host::macro
