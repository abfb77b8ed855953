// Tokens of resource scripts and of the preprocessor lines in them.
#pragma once

#include <cstdint>
#include <string>

namespace rc {

enum class TokenKind {
    End,         // end of input (or of a directive line)
    Identifier,  // names and keywords
    Number,      // integer literal; value in number
    String,      // quoted text with escapes resolved; value in text
    Punct,       // operators and brackets: , | + - & * / % ( ) { } ~ ! ^ < > == != <= >= << >> && ||
    Directive,   // '#' at the start of a line; text holds the rest of the logical line
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;
    uint32_t number = 0;
    const std::string *file = nullptr;  // owned by the preprocessor, stable for the whole run
    int line = 0;
    int expansionDepth = 0;  // how many macro expansions produced this token

    bool is(TokenKind k, const char *spelling) const { return kind == k && text == spelling; }
    bool isPunct(const char *spelling) const { return is(TokenKind::Punct, spelling); }
    // Keywords of resource scripts are case-insensitive.
    bool isKeyword(const char *keyword) const;
    // For messages: the token as the script spells it.
    std::string describe() const;
};

}  // namespace rc
