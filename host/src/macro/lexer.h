// The macro lexer: splits one line of a script into tokens. Statements never
// span lines, so a line is lexed on its own; '#' outside a string ends it.
#pragma once

#include <string>
#include <string_view>

namespace host::macro {

enum class TokenKind { Name, Number, String, LeftParen, RightParen, Comma, Plus, End, Error };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view source;  // the characters as written (for Error: the offending text)
    std::string text;         // String: the text with escapes resolved; Error: the message
    double number = 0.0;      // Number: its value
    int column = 1;           // 1-based column of the first character
};

// Number literals: an optional leading minus, digits with an optional
// fraction (or a fraction alone, ".5"), an optional exponent ("1e-5",
// "2.5E+10"). Anything glued to a number ("12px", "1.2.3", "1e") is a bad
// number, not two tokens.
//
// Strings: double quotes; "\"" and "\\" are the only escapes, so a Windows
// path such as "C:\data\a.tif" needs no doubling. A string must end on its
// line.
class Lexer {
public:
    explicit Lexer(std::string_view line) : line_(line) {}

    // The next token; End at the end of the line or at a comment. After an
    // Error token the rest of the line is not looked at.
    Token next();

private:
    Token readNumber();
    Token readString();
    Token readPlaceholder();
    Token readName();
    Token make(TokenKind kind, size_t start, size_t end) const;
    Token fail(size_t start, size_t end, std::string message) const;

    std::string_view line_;
    size_t pos_ = 0;
};

bool isNameStart(char c);
bool isNameChar(char c);

// A name, number or other script text for a message, in single quotes; a
// long one is cut to kQuotedLimit bytes and "..." so that a huge token does
// not make a huge message.
constexpr size_t kQuotedLimit = 64;
std::string quotedForMessage(std::string_view text);

}  // namespace host::macro
