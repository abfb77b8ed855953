// Splitting a script line into tokens: names, numbers, strings, punctuation.
#include "macro/lexer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include <platform/files.h>

namespace host::macro {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A character that cannot follow a number without making it a bad one.
bool gluesToNumber(char c) {
    return isNameChar(c) || c == '.';
}

std::string describe(char c) {
    char text[16];
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
        std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned char>(c));
    else
        std::snprintf(text, sizeof text, "'%c'", c);
    return text;
}

}  // namespace

bool isNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isNameChar(char c) {
    return isNameStart(c) || isDigit(c);
}

std::string quotedForMessage(std::string_view text) {
    return "'" + plat::shortenedForMessage(text, kQuotedLimit) + "'";
}

Token Lexer::make(TokenKind kind, size_t start, size_t end) const {
    Token token;
    token.kind = kind;
    token.source = line_.substr(start, end - start);
    token.column = static_cast<int>(start) + 1;
    return token;
}

Token Lexer::fail(size_t start, size_t end, std::string message) const {
    Token token = make(TokenKind::Error, start, end);
    token.text = std::move(message);
    return token;
}

Token Lexer::next() {
    while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t')) ++pos_;
    if (pos_ >= line_.size() || line_[pos_] == '#') return make(TokenKind::End, pos_, pos_);
    const char c = line_[pos_];
    const char following = pos_ + 1 < line_.size() ? line_[pos_ + 1] : '\0';
    const char afterThat = pos_ + 2 < line_.size() ? line_[pos_ + 2] : '\0';
    if (isDigit(c) || (c == '.' && isDigit(following)) ||
        (c == '-' && (isDigit(following) || (following == '.' && isDigit(afterThat)))))
        return readNumber();
    if (c == '"') return readString();
    if (c == '?') return readPlaceholder();
    if (isNameStart(c)) return readName();
    const size_t start = pos_++;
    switch (c) {
        case '(':
            return make(TokenKind::LeftParen, start, pos_);
        case ')':
            return make(TokenKind::RightParen, start, pos_);
        case ',':
            return make(TokenKind::Comma, start, pos_);
        case '+':
            return make(TokenKind::Plus, start, pos_);
        default:
            return fail(start, pos_, "unexpected character " + describe(c));
    }
}

Token Lexer::readNumber() {
    const size_t start = pos_;
    auto digits = [this] {
        size_t count = 0;
        while (pos_ < line_.size() && isDigit(line_[pos_])) ++pos_, ++count;
        return count;
    };
    if (line_[pos_] == '-') ++pos_;
    digits();
    if (pos_ < line_.size() && line_[pos_] == '.') {
        ++pos_;
        digits();
    }
    bool wellFormed = true;
    if (pos_ < line_.size() && (line_[pos_] == 'e' || line_[pos_] == 'E')) {
        ++pos_;
        if (pos_ < line_.size() && (line_[pos_] == '+' || line_[pos_] == '-')) ++pos_;
        wellFormed = digits() > 0;
    }
    if (!wellFormed || (pos_ < line_.size() && gluesToNumber(line_[pos_]))) {
        while (pos_ < line_.size() && gluesToNumber(line_[pos_])) ++pos_;
        return fail(start, pos_, "bad number " + quotedForMessage(line_.substr(start, pos_ - start)));
    }
    Token token = make(TokenKind::Number, start, pos_);
    const char *first = line_.data() + start;
    const char *last = line_.data() + pos_;
    auto [end, error] = std::from_chars(first, last, token.number);
    if (error != std::errc() || end != last || !std::isfinite(token.number))
        return fail(start, pos_, "number out of range " + quotedForMessage(token.source));
    return token;
}

Token Lexer::readString() {
    const size_t start = pos_++;
    std::string text;
    while (pos_ < line_.size() && line_[pos_] != '"') {
        // A NUL would silently end the text wherever it becomes a C string
        // (a path would name another file), so it is refused.
        if (line_[pos_] == '\0') {
            const size_t at = pos_;
            pos_ = line_.size();
            return fail(at, at + 1, "a string cannot hold a NUL byte");
        }
        char c = line_[pos_++];
        if (c == '\\' && pos_ < line_.size() && (line_[pos_] == '"' || line_[pos_] == '\\'))
            c = line_[pos_++];
        text += c;
    }
    if (pos_ >= line_.size()) {
        pos_ = line_.size();
        return fail(start, start + 1, "unterminated string");
    }
    ++pos_;
    Token token = make(TokenKind::String, start, pos_);
    token.text = std::move(text);
    return token;
}

// "? FileName ?": where a recorded statement leaves a value for the user to
// give at playback; read as the text between the marks, blanks trimmed.
Token Lexer::readPlaceholder() {
    const size_t start = pos_++;
    const size_t close = line_.find('?', pos_);
    if (close == std::string_view::npos) {
        pos_ = line_.size();
        return fail(start, start + 1, "unterminated '?' placeholder");
    }
    std::string text(line_.substr(pos_, close - pos_));
    pos_ = close + 1;
    const size_t first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t");
    Token token = make(TokenKind::String, start, pos_);
    token.text = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    return token;
}

Token Lexer::readName() {
    const size_t start = pos_;
    while (pos_ < line_.size() && isNameChar(line_[pos_])) ++pos_;
    return make(TokenKind::Name, start, pos_);
}

}  // namespace host::macro
