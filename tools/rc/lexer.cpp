// The lexer of resource scripts.
#include "lexer.h"

#include <cctype>
#include <cstdio>
#include <strings.h>

namespace rc {
namespace {

bool isIdentifierStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool isIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool Token::isKeyword(const char *keyword) const {
    return kind == TokenKind::Identifier && strcasecmp(text.c_str(), keyword) == 0;
}

std::string Token::describe() const {
    switch (kind) {
        case TokenKind::End:
            return "end of file";
        case TokenKind::String:
            return "\"" + text + "\"";
        case TokenKind::Directive:
            return "#" + text;
        default:
            return "'" + text + "'";
    }
}

Lexer::Lexer(std::string_view text, const std::string *file, int firstLine, Errors &errors)
    : text_(text), file_(file), line_(firstLine), errors_(errors) {}

char Lexer::peekChar(size_t ahead) const {
    return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
}

Token Lexer::make(TokenKind kind, int line) const {
    Token token;
    token.kind = kind;
    token.file = file_;
    token.line = line;
    return token;
}

Token Lexer::fail(const std::string &message) {
    errors_.report(*file_, line_, message);
    pos_ = text_.size();
    return make(TokenKind::End, line_);
}

void Lexer::skipSpaceAndComments() {
    while (!atEnd()) {
        const char c = peekChar();
        if (c == '\n') {
            ++line_;
            lineStart_ = true;
            ++pos_;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            ++pos_;
        } else if (c == '/' && peekChar(1) == '/') {
            while (!atEnd() && peekChar() != '\n') ++pos_;
        } else if (c == '/' && peekChar(1) == '*') {
            const int startLine = line_;
            pos_ += 2;
            while (!atEnd() && !(peekChar() == '*' && peekChar(1) == '/')) {
                if (peekChar() == '\n') ++line_;
                ++pos_;
            }
            if (atEnd()) {
                errors_.report(*file_, startLine, "unterminated comment");
                return;
            }
            pos_ += 2;
        } else {
            return;
        }
    }
}

Token Lexer::next() {
    skipSpaceAndComments();
    if (errors_.failed() || atEnd()) return make(TokenKind::End, line_);
    const char c = peekChar();
    if (c == '#' && lineStart_) return readDirective();
    lineStart_ = false;
    if (c == 'L' && peekChar(1) == '"') {
        ++pos_;  // a wide string is read as a narrow one
        return readString(line_);
    }
    if (isIdentifierStart(c)) {
        Token token = make(TokenKind::Identifier, line_);
        while (!atEnd() && isIdentifierChar(peekChar())) token.text += text_[pos_++];
        return token;
    }
    if (std::isdigit(static_cast<unsigned char>(c))) return readNumber();
    if (c == '"') return readString(line_);
    return readPunct();
}

Token Lexer::nextDirective() {
    while (!atEnd()) {
        while (peekChar() == ' ' || peekChar() == '\t' || peekChar() == '\r') ++pos_;
        if (peekChar() == '#') return readDirective();
        while (!atEnd() && peekChar() != '\n') ++pos_;
        if (!atEnd()) {
            ++pos_;
            ++line_;
        }
    }
    return make(TokenKind::End, line_);
}

// The logical line after '#': continuation lines joined, comments removed.
Token Lexer::readDirective() {
    Token token = make(TokenKind::Directive, line_);
    ++pos_;
    bool inString = false;
    while (!atEnd()) {
        const char c = peekChar();
        if (c == '\n') break;
        if (c == '\\' && (peekChar(1) == '\n' || (peekChar(1) == '\r' && peekChar(2) == '\n'))) {
            pos_ += peekChar(1) == '\n' ? 2 : 3;
            ++line_;
            token.text += ' ';
        } else if (!inString && c == '/' && peekChar(1) == '/') {
            while (!atEnd() && peekChar() != '\n') ++pos_;
        } else if (!inString && c == '/' && peekChar(1) == '*') {
            const int startLine = line_;
            pos_ += 2;
            while (!atEnd() && !(peekChar() == '*' && peekChar(1) == '/')) {
                if (peekChar() == '\n') ++line_;
                ++pos_;
            }
            if (atEnd()) {
                errors_.report(*file_, startLine, "unterminated comment");
                return make(TokenKind::End, line_);
            }
            pos_ += 2;
            token.text += ' ';
        } else {
            if (c == '"') inString = !inString;
            token.text += c;
            ++pos_;
        }
    }
    if (!atEnd()) {
        ++pos_;
        ++line_;
    }
    lineStart_ = true;
    return token;
}

// Decimal or 0x hexadecimal, with optional U and L suffixes as in C.
Token Lexer::readNumber() {
    Token token = make(TokenKind::Number, line_);
    while (!atEnd() && isIdentifierChar(peekChar())) token.text += text_[pos_++];
    const std::string &s = token.text;
    size_t i = 0;
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        i = 2;
    }
    uint64_t value = 0;
    const size_t digitsStart = i;
    for (; i < s.size(); ++i) {
        const int digit = hexValue(s[i]);
        if (digit < 0 || digit >= base) break;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > 0xFFFFFFFFull) return fail("number " + s + " does not fit in 32 bits");
    }
    const size_t suffixStart = i;
    while (i < s.size() && (s[i] == 'u' || s[i] == 'U' || s[i] == 'l' || s[i] == 'L')) ++i;
    if (i != s.size() || suffixStart == digitsStart || i - suffixStart > 3)
        return fail("bad number '" + s + "'");
    token.number = static_cast<uint32_t>(value);
    return token;
}

// C escapes plus "" for a quote inside the string, as resource scripts write it.
Token Lexer::readString(int startLine) {
    Token token = make(TokenKind::String, startLine);
    ++pos_;
    for (;;) {
        if (atEnd() || peekChar() == '\n' || peekChar() == '\r') {
            errors_.report(*file_, startLine, "unterminated string");
            pos_ = text_.size();
            return make(TokenKind::End, line_);
        }
        const char c = text_[pos_++];
        if (c == '"') {
            if (peekChar() != '"') break;
            ++pos_;
            token.text += '"';
        } else if (c == '\\' && !atEnd() && peekChar() != '\n') {
            if (!readEscape(token.text)) return make(TokenKind::End, line_);
        } else {
            token.text += c;
        }
    }
    return token;
}

// The escape after a backslash; unknown escapes are kept as written.
bool Lexer::readEscape(std::string &out) {
    static const char kSimple[] = "n\nt\tr\ra\ab\bf\fv\v\\\\\"\"''??";
    const char e = text_[pos_++];
    for (size_t i = 0; i + 1 < sizeof kSimple; i += 2) {
        if (kSimple[i] == e) {
            out += kSimple[i + 1];
            return true;
        }
    }
    if (e == 'x' || (e >= '0' && e <= '7')) {
        const int base = e == 'x' ? 16 : 8;
        const int maxDigits = e == 'x' ? 2 : 3;
        int value = e == 'x' ? 0 : e - '0';
        int digits = e == 'x' ? 0 : 1;
        while (digits < maxDigits && hexValue(peekChar()) >= 0 && hexValue(peekChar()) < base) {
            value = value * base + hexValue(text_[pos_++]);
            ++digits;
        }
        if (digits == 0) {
            fail("bad escape '\\x' in string");
            return false;
        }
        out += static_cast<char>(value & 0xFF);
        return true;
    }
    out += '\\';
    out += e;
    return true;
}

Token Lexer::readPunct() {
    static const char *const kTwoChar[] = {"==", "!=", "<=", ">=", "<<", ">>", "&&", "||"};
    Token token = make(TokenKind::Punct, line_);
    for (const char *op : kTwoChar) {
        if (peekChar() == op[0] && peekChar(1) == op[1]) {
            token.text = op;
            pos_ += 2;
            return token;
        }
    }
    const char c = peekChar();
    if (std::string_view(",|+-&*/%(){}~!^<>").find(c) == std::string_view::npos) {
        char shown[16];
        if (std::isprint(static_cast<unsigned char>(c))) {
            std::snprintf(shown, sizeof shown, "'%c'", c);
        } else {
            std::snprintf(shown, sizeof shown, "0x%02X", static_cast<unsigned char>(c));
        }
        return fail(std::string("unexpected character ") + shown);
    }
    token.text = std::string(1, c);
    ++pos_;
    return token;
}

}  // namespace rc
