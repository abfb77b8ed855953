// The parser: token handling, expressions, names, the top level, string
// tables, icons and cursors.
#include "parser.h"

#include <strings.h>

#include <algorithm>
#include <filesystem>

#include "constants.h"
#include "icon_file.h"

namespace rc {
namespace {

using plat::res::ResName;

// Binary operators of resource expressions by precedence, lowest first.
const char *const kBinaryLevels[][3] = {{"|"}, {"^"}, {"&"}, {"+", "-"}, {"*", "/", "%"}};
constexpr size_t kLevelCount = std::size(kBinaryLevels);

// Resource types that exist in Windows but not in this compiler.
const char *const kUnsupportedTypes[] = {
    "MENUEX",  "BITMAP", "ACCELERATORS", "RCDATA",       "VERSIONINFO", "TEXTINCLUDE", "DLGINIT",
    "TOOLBAR", "HTML",   "FONT",         "MESSAGETABLE", "DESIGNINFO",  "MANIFEST"};

const char *const kMemoryOptions[] = {"PRELOAD", "LOADONCALL", "MOVEABLE", "DISCARDABLE", "PURE",
                                      "IMPURE",  "FIXED",      "SHARED",   "NONSHARED"};

bool isResourceType(const Token &token) {
    static const char *const kSupported[] = {"DIALOG", "DIALOGEX", "MENU", "ICON", "CURSOR"};
    for (const char *type : kSupported) {
        if (token.isKeyword(type)) return true;
    }
    for (const char *type : kUnsupportedTypes) {
        if (token.isKeyword(type)) return true;
    }
    return false;
}

std::string upperCase(std::string text) {
    for (char &c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

template <typename Entry>
bool containsName(const std::vector<Entry> &entries, const ResName &name) {
    return std::any_of(entries.begin(), entries.end(),
                       [&](const Entry &e) { return sameName(e.name, name); });
}

}  // namespace

// Names are stored upper-cased, so plain comparison is the case-insensitive one.
bool sameName(const ResName &a, const ResName &b) {
    return a.isId == b.isId && (a.isId ? a.id == b.id : a.name == b.name);
}

std::string describeName(const ResName &name) {
    return name.isId ? std::to_string(name.id) : "'" + name.name + "'";
}

Parser::Parser(Preprocessor &preprocessor, Errors &errors, plat::res::ModuleResources &out)
    : pp_(preprocessor), errors_(errors), out_(out) {}

// ---- Tokens -------------------------------------------------------------------

const Token &Parser::peek(size_t ahead) {
    while (lookahead_.size() <= ahead) lookahead_.push_back(pp_.next());
    return lookahead_[ahead];
}

Token Parser::take() {
    Token token = peek();
    lookahead_.pop_front();
    return token;
}

bool Parser::acceptPunct(const char *punct) {
    if (!peek().isPunct(punct)) return false;
    take();
    return true;
}

bool Parser::acceptKeyword(const char *keyword) {
    if (!peek().isKeyword(keyword)) return false;
    take();
    return true;
}

bool Parser::expectComma() {
    if (acceptPunct(",")) return true;
    fail(peek(), "expected ',' but found " + peek().describe());
    return false;
}

void Parser::fail(const Token &at, const std::string &message) {
    errors_.report(at.file ? *at.file : std::string("<input>"), at.line, message);
}

// ---- Expressions -----------------------------------------------------------------

uint32_t Parser::parseExpression() {
    return parseBinary(0);
}

uint32_t Parser::parseBinary(size_t level) {
    if (level == kLevelCount) return parseUnary();
    uint32_t left = parseBinary(level + 1);
    for (;;) {
        const Token &next = peek();
        const char *op = nullptr;
        for (const char *candidate : kBinaryLevels[level]) {
            if (candidate && next.isPunct(candidate)) op = candidate;
        }
        if (op == nullptr || !ok()) return left;
        const Token opToken = take();
        const uint32_t right = parseBinary(level + 1);
        const std::string o = op;
        if (o == "|")
            left |= right;
        else if (o == "^")
            left ^= right;
        else if (o == "&")
            left &= right;
        else if (o == "+")
            left += right;
        else if (o == "-")
            left -= right;
        else if (o == "*")
            left *= right;
        else if (right == 0)
            fail(opToken, "division by zero");
        else
            left = o == "/" ? left / right : left % right;
    }
}

uint32_t Parser::parseUnary() {
    const Token token = take();
    if (token.kind == TokenKind::Number) return token.number;
    if (token.isPunct("-")) return 0u - parseUnary();
    if (token.isPunct("+")) return parseUnary();
    if (token.isPunct("~") || token.isKeyword("NOT")) return ~parseUnary();
    if (token.isPunct("(")) {
        const uint32_t value = parseExpression();
        if (!acceptPunct(")")) fail(peek(), "expected ')' but found " + peek().describe());
        return value;
    }
    if (token.kind == TokenKind::Identifier) {
        if (std::optional<uint32_t> value = findConstant(token.text)) return *value;
        fail(token, "undefined identifier '" + token.text + "'");
        return 0;
    }
    fail(token, "expected a number but found " + token.describe());
    return 0;
}

// Terms joined by '|' are applied in order to the style that the statement
// starts with; "NOT x" clears x, as the Windows resource compiler does.
uint32_t Parser::parseStyle(uint32_t initial) {
    uint32_t style = initial;
    do {
        if (acceptKeyword("NOT")) {
            style &= ~parseUnary();
        } else {
            style |= parseBinary(1);
        }
    } while (ok() && acceptPunct("|"));
    return style;
}

// For statements whose values are ignored (LANGUAGE LANG_X, SUBLANG_Y): the
// names in them need not be defined.
void Parser::skipExpression() {
    do {
        while (peek().isPunct("-") || peek().isPunct("+") || peek().isPunct("~")) take();
        if (peek().isPunct("(")) {
            int depth = 0;
            do {
                if (peek().isPunct("(")) ++depth;
                if (peek().isPunct(")")) --depth;
                take();
            } while (depth > 0 && ok() && peek().kind != TokenKind::End);
        } else if (peek().kind == TokenKind::Identifier || peek().kind == TokenKind::Number) {
            take();
        } else {
            return fail(peek(), "expected a value but found " + peek().describe());
        }
    } while (ok() && (acceptPunct("|") || acceptPunct("+") || acceptPunct("-") || acceptPunct("&")));
}

// One string, or adjacent strings joined as C joins them.
std::string Parser::parseText() {
    if (peek().kind != TokenKind::String) {
        fail(peek(), "expected a string but found " + peek().describe());
        return {};
    }
    std::string text = take().text;
    while (peek().kind == TokenKind::String) text += take().text;
    return text;
}

// ---- Blocks ---------------------------------------------------------------------------

bool Parser::openBlock(Token &opening) {
    if (peek().isKeyword("BEGIN") || peek().isPunct("{")) {
        opening = take();
        return true;
    }
    fail(peek(), "expected BEGIN but found " + peek().describe());
    return false;
}

// True while the block has more statements. Consumes the END; a block left
// open at the end of the script, or where the next resource begins, is
// reported at the line that opened it.
bool Parser::blockContinues(const Token &opening) {
    if (!ok()) return false;
    if (acceptKeyword("END") || acceptPunct("}")) return false;
    if (peek().kind == TokenKind::End || startsResource()) {
        fail(opening, "missing END for the block opened here");
        return false;
    }
    return true;
}

bool Parser::startsResource() {
    if (peek().isKeyword("STRINGTABLE")) return true;
    const TokenKind kind = peek().kind;
    if (kind != TokenKind::Number && kind != TokenKind::Identifier && kind != TokenKind::String) return false;
    return isResourceType(peek(1));
}

void Parser::skipMemoryOptions() {
    for (;;) {
        bool found = false;
        for (const char *option : kMemoryOptions) found = found || acceptKeyword(option);
        if (!found) return;
    }
}

// LANGUAGE, VERSION and CHARACTERISTICS carry nothing the platform uses.
bool Parser::skipCommonStatement() {
    if (acceptKeyword("LANGUAGE")) {
        skipExpression();
        if (expectComma()) skipExpression();
        return true;
    }
    if (acceptKeyword("VERSION") || acceptKeyword("CHARACTERISTICS")) {
        skipExpression();
        return true;
    }
    return false;
}

// ---- Top level --------------------------------------------------------------------------

void Parser::parseScript() {
    while (ok() && peek().kind != TokenKind::End) {
        if (skipCommonStatement()) continue;
        if (peek().isKeyword("STRINGTABLE")) {
            parseStringTable();
            continue;
        }
        if (peek().isKeyword("END") || peek().isKeyword("BEGIN"))
            return fail(peek(), "unexpected " + peek().text);
        const Token nameToken = peek();
        std::optional<ResName> name = parseName();
        if (!name) return;
        const Token type = take();
        if (type.kind != TokenKind::Identifier) {
            fail(type.kind == TokenKind::End ? nameToken : type,
                 "expected a resource type after " + nameToken.describe() + " but found " + type.describe());
        } else if (type.isKeyword("DIALOG") || type.isKeyword("DIALOGEX")) {
            parseDialog(nameToken, *name, type.isKeyword("DIALOGEX"));
        } else if (type.isKeyword("MENU")) {
            parseMenu(nameToken, *name);
        } else if (type.isKeyword("ICON") || type.isKeyword("CURSOR")) {
            parseImage(nameToken, *name, type.isKeyword("CURSOR"));
        } else if (isResourceType(type)) {
            fail(type, "unsupported resource type " + upperCase(type.text));
        } else {
            fail(type, "unknown keyword '" + type.text + "'");
        }
    }
    std::sort(out_.strings.begin(), out_.strings.end(),
              [](const plat::res::StringEntry &a, const plat::res::StringEntry &b) { return a.id < b.id; });
}

// A number (macros already replaced), a built-in constant, or a name.
std::optional<ResName> Parser::parseName() {
    const Token token = take();
    ResName name;
    if (token.kind == TokenKind::Number ||
        (token.kind == TokenKind::Identifier && findConstant(token.text).has_value())) {
        const uint32_t value = token.kind == TokenKind::Number ? token.number : *findConstant(token.text);
        if (value > 0xFFFF) {
            fail(token, "resource id " + std::to_string(value) + " is out of range (0 to 65535)");
            return std::nullopt;
        }
        name.id = static_cast<uint16_t>(value);
        return name;
    }
    if ((token.kind == TokenKind::Identifier || token.kind == TokenKind::String) && !token.text.empty()) {
        name.isId = false;
        name.name = upperCase(token.text);
        return name;
    }
    fail(token, token.kind == TokenKind::Punct ? "unexpected " + token.describe()
                                               : "expected a resource name but found " + token.describe());
    return std::nullopt;
}

void Parser::parseStringTable() {
    take();
    skipMemoryOptions();
    while (skipCommonStatement()) {
    }
    Token opening;
    if (!openBlock(opening)) return;
    while (blockContinues(opening)) {
        const Token idToken = peek();
        const uint32_t id = parseExpression();
        acceptPunct(",");
        std::string text = parseText();
        if (!ok()) return;
        if (id > 0xFFFF)
            return fail(idToken, "string id " + std::to_string(id) + " is out of range (0 to 65535)");
        const bool duplicate = std::any_of(out_.strings.begin(), out_.strings.end(),
                                           [&](const plat::res::StringEntry &e) { return e.id == id; });
        if (duplicate) return fail(idToken, "duplicate string id " + std::to_string(id));
        out_.strings.push_back({static_cast<uint16_t>(id), std::move(text)});
    }
}

// ICON or CURSOR naming a file, relative to the script that names it.
void Parser::parseImage(const Token &nameToken, const ResName &name, bool cursor) {
    skipMemoryOptions();
    const Token fileToken = peek();
    std::string fileName = parseText();
    if (!ok()) return;
    if (fileName.empty()) return fail(fileToken, "empty file name");
    std::replace(fileName.begin(), fileName.end(), '\\', '/');
    const std::filesystem::path base = std::filesystem::path(*fileToken.file).parent_path();
    const std::string path =
        fileName.front() == '/' ? fileName : (base / fileName).lexically_normal().string();
    std::optional<std::string> bytes = pp_.reader()(path);
    const char *kind = cursor ? "cursor" : "icon";
    if (!bytes) return fail(fileToken, std::string("cannot open ") + kind + " file '" + fileName + "'");
    pp_.noteFileRead(path);
    std::string error;
    std::optional<plat::res::ImageData> image = decodeIconFile(*bytes, error);
    if (!image) return fail(fileToken, std::string("bad ") + kind + " file '" + fileName + "': " + error);
    auto &list = cursor ? out_.cursors : out_.icons;
    if (containsName(list, name)) {
        return fail(nameToken,
                    std::string("duplicate ") + (cursor ? "CURSOR " : "ICON ") + describeName(name));
    }
    list.push_back({name, std::move(*image)});
}

}  // namespace rc
