// The parser of resource scripts: turns the preprocessed token stream into the
// platform's resource tables. One recursive-descent parser over three files:
// parser.cpp (tokens, expressions, names, string tables, icons and cursors),
// parser_dialog.cpp and parser_menu.cpp.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "diagnostics.h"
#include "internal/resources.h"
#include "preprocessor.h"
#include "token.h"

namespace rc {

class Parser {
public:
    Parser(Preprocessor &preprocessor, Errors &errors, plat::res::ModuleResources &out);

    // Parses the whole script; errors end up in the Errors given.
    void parseScript();

private:
    // Tokens
    const Token &peek(size_t ahead = 0);
    Token take();
    bool acceptPunct(const char *punct);
    bool acceptKeyword(const char *keyword);
    bool expectComma();
    void fail(const Token &at, const std::string &message);
    bool ok() const { return !errors_.failed(); }

    // Expressions: C's integer operators; NOT x is ~x, and in a style it
    // removes x from the style built so far.
    uint32_t parseExpression();
    uint32_t parseBinary(size_t level);
    uint32_t parseUnary();
    uint32_t parseStyle(uint32_t initial);
    int parseInt() { return static_cast<int32_t>(parseExpression()); }
    void skipExpression();
    std::string parseText();

    // Blocks and common statements
    bool openBlock(Token &opening);
    bool blockContinues(const Token &opening);
    bool startsResource();
    void skipMemoryOptions();
    bool skipCommonStatement();

    // Resources
    std::optional<plat::res::ResName> parseName();
    void parseStringTable();
    void parseImage(const Token &nameToken, const plat::res::ResName &name, bool cursor);
    void parseDialog(const Token &nameToken, const plat::res::ResName &name, bool extended);
    void parseDialogStatements(plat::res::DialogTemplate &dialog, bool &gotStyle);
    void parseControl(const Token &keyword, plat::res::DialogTemplate &dialog);
    void parseGenericControl(plat::res::DialogControl &control);
    void parseMenu(const Token &nameToken, const plat::res::ResName &name);
    void parseMenuItems(std::vector<plat::res::MenuTemplateItem> &items, const Token &opening);
    UINT parseMenuOptions();

    Preprocessor &pp_;
    Errors &errors_;
    plat::res::ModuleResources &out_;
    std::deque<Token> lookahead_;
};

// Resource names are unique per type.
bool sameName(const plat::res::ResName &a, const plat::res::ResName &b);
// A name for messages: 100 or 'NAME'.
std::string describeName(const plat::res::ResName &name);

}  // namespace rc
