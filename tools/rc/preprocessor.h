// The preprocessor of resource scripts: #include, object-like #define and
// #undef, conditional blocks (#if, #ifdef, #ifndef, #elif, #else, #endif),
// #pragma (ignored) and #error. Macros are expanded in the token stream, so
// an id defined in a resource.h-style header reaches the parser as a number.
// Included .h and .c files contribute only their directives, as with the
// Windows resource compiler.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "lexer.h"
#include "token.h"

namespace rc {

// Reads a whole file; nullopt when it cannot be read. Tests supply files from memory.
using FileReader = std::function<std::optional<std::string>(const std::string &path)>;
FileReader diskReader();

class Preprocessor {
public:
    Preprocessor(Errors &errors, FileReader reader, std::vector<std::string> includeDirs);
    ~Preprocessor();

    // Starts reading the main script. False (with an error) when it cannot be read.
    bool open(const std::string &path);
    // The next token after preprocessing; End at the end of the script or after an error.
    Token next();

    // Every file read, the script first (for the depfile).
    const std::vector<std::string> &filesRead() const { return filesRead_; }
    const FileReader &reader() const { return reader_; }
    // Records a file that the parser read (icons, cursors) as a dependency.
    void noteFileRead(const std::string &path) { filesRead_.push_back(path); }
    // A stable copy of a string that tokens can point to.
    const std::string *intern(const std::string &text);

private:
    struct Macro {
        std::vector<Token> body;
        bool functionLike = false;
    };
    struct Conditional {
        bool active;  // this branch is being compiled
        bool taken;   // some branch of this #if has been compiled
        bool parentActive;
        bool sawElse;
        const std::string *file;
        int line;
    };
    struct SourceFile;

    bool active() const { return conditionals_.empty() || conditionals_.back().active; }
    bool pushFile(const std::string &path, std::string content, const Token *includedFrom);
    void popFile();
    bool expandMacro(const Token &token);
    void handleDirective(const Token &directive);
    void handleInclude(const Token &directive, std::string_view argument);
    void handleDefine(const Token &directive, std::string_view argument);
    void handleConditional(const Token &directive, const std::string &name, std::string_view argument);
    bool evaluateCondition(const Token &directive, std::string_view expression);
    std::vector<Token> tokenize(const Token &directive, std::string_view text);

    Errors &errors_;
    FileReader reader_;
    std::vector<std::string> includeDirs_;
    std::deque<std::string> interned_;
    std::vector<std::unique_ptr<SourceFile>> files_;
    std::vector<std::string> filesRead_;
    std::vector<Conditional> conditionals_;
    std::map<std::string, Macro> macros_;
    std::vector<Token> pending_;             // macro expansions, next token at the back
    const std::string *lastFile_ = nullptr;  // where the script ended, for End tokens
    int lastLine_ = 0;
};

}  // namespace rc
