// The lexer: splits the text of one file (or of one directive line) into
// tokens, skipping white space and comments. It knows nothing of macros or
// conditionals; the preprocessor drives it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "diagnostics.h"
#include "token.h"

namespace rc {

class Lexer {
public:
    // text must outlive the lexer; file names the source in tokens and errors.
    Lexer(std::string_view text, const std::string *file, int firstLine, Errors &errors);

    // The next token. A '#' that starts a line comes back as one Directive
    // token; errors are reported and give End.
    Token next();

    // Skips whole lines up to the next directive line and returns it, or End
    // at the end of the text. For conditional blocks that are not compiled
    // and for headers, whose other lines the resource compiler ignores.
    Token nextDirective();

    int line() const { return line_; }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    char peekChar(size_t ahead = 0) const;
    void skipSpaceAndComments();
    Token make(TokenKind kind, int line) const;
    Token readDirective();
    Token readNumber();
    Token readString(int startLine);
    bool readEscape(std::string &out);
    Token readPunct();
    Token fail(const std::string &message);

    std::string_view text_;
    const std::string *file_;
    size_t pos_ = 0;
    int line_;
    bool lineStart_ = true;  // nothing but white space so far on this line
    Errors &errors_;
};

}  // namespace rc
