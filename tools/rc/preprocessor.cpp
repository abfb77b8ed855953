// The preprocessor of resource scripts.
#include "preprocessor.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "condition.h"

namespace rc {
namespace {

constexpr int kMaxIncludeDepth = 32;
constexpr int kMaxExpansionDepth = 32;

// Headers of the Windows SDK that scripts include for constants the compiler
// already knows; when no such file is on the include path they are skipped.
bool isSystemHeader(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    static const char *const kKnown[] = {"windows.h", "winres.h",   "winresrc.h", "winuser.h", "winuser.rh",
                                         "afxres.h",  "commctrl.h", "dlgs.h",     "winver.h"};
    return std::find(std::begin(kKnown), std::end(kKnown), name) != std::end(kKnown);
}

bool isHeaderPath(const std::string &path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return extension == ".h" || extension == ".hh" || extension == ".hpp" || extension == ".c";
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

// Splits "name rest" at the end of the leading identifier.
std::string_view leadingIdentifier(std::string_view text) {
    size_t end = 0;
    while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_'))
        ++end;
    return text.substr(0, end);
}

}  // namespace

FileReader diskReader() {
    return [](const std::string &path) -> std::optional<std::string> {
        std::ifstream in(path, std::ios::binary);
        if (!in || std::filesystem::is_directory(path)) return std::nullopt;
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    };
}

struct Preprocessor::SourceFile {
    SourceFile(const std::string *name, std::string text, Errors &errors)
        : path(name), content(std::move(text)), lexer(content, path, 1, errors) {}

    const std::string *path;
    std::string content;  // declared before lexer, which views it
    Lexer lexer;
    bool directivesOnly = false;
    size_t conditionalDepth = 0;  // open conditionals when the file was entered
};

Preprocessor::Preprocessor(Errors &errors, FileReader reader, std::vector<std::string> includeDirs)
    : errors_(errors), reader_(std::move(reader)), includeDirs_(std::move(includeDirs)) {
    // The Windows resource compiler defines these for every script.
    for (const char *name : {"RC_INVOKED", "_WIN32"}) {
        Token one;
        one.kind = TokenKind::Number;
        one.text = "1";
        one.number = 1;
        one.file = intern("<built-in>");
        macros_[name].body.push_back(one);
    }
}

Preprocessor::~Preprocessor() = default;

const std::string *Preprocessor::intern(const std::string &text) {
    interned_.push_back(text);
    return &interned_.back();
}

bool Preprocessor::open(const std::string &path) {
    std::optional<std::string> content = reader_(path);
    if (!content) {
        errors_.report(path, 0, "cannot open file");
        return false;
    }
    filesRead_.push_back(path);
    return pushFile(path, std::move(*content), nullptr);
}

bool Preprocessor::pushFile(const std::string &path, std::string content, const Token *includedFrom) {
    const int includeLine = includedFrom ? includedFrom->line : 0;
    const std::string &includeFile = includedFrom ? *includedFrom->file : path;
    if (files_.size() >= kMaxIncludeDepth) {
        errors_.report(includeFile, includeLine, "includes nested too deeply");
        return false;
    }
    if (content.size() >= 2 &&
        ((content[0] == '\xFF' && content[1] == '\xFE') || (content[0] == '\xFE' && content[1] == '\xFF'))) {
        errors_.report(path, 1, "UTF-16 text is not supported; save the file as UTF-8");
        return false;
    }
    if (content.compare(0, 3, "\xEF\xBB\xBF") == 0) content.erase(0, 3);
    auto file = std::make_unique<SourceFile>(intern(path), std::move(content), errors_);
    if (lastFile_ == nullptr) lastFile_ = file->path;
    file->directivesOnly = isHeaderPath(path);
    file->conditionalDepth = conditionals_.size();
    files_.push_back(std::move(file));
    return true;
}

void Preprocessor::popFile() {
    SourceFile &file = *files_.back();
    if (conditionals_.size() > file.conditionalDepth) {
        const Conditional &open = conditionals_.back();
        errors_.report(*open.file, open.line, "#if without #endif");
    }
    lastFile_ = file.path;
    lastLine_ = file.lexer.line();
    files_.pop_back();
}

Token Preprocessor::next() {
    for (;;) {
        if (errors_.failed() || files_.empty()) {
            Token end;
            end.file = lastFile_;
            end.line = lastLine_;
            return end;
        }
        Token token;
        if (!pending_.empty()) {
            token = std::move(pending_.back());
            pending_.pop_back();
        } else {
            SourceFile &file = *files_.back();
            token = (file.directivesOnly || !active()) ? file.lexer.nextDirective() : file.lexer.next();
            if (errors_.failed()) continue;
            if (token.kind == TokenKind::End) {
                popFile();
                continue;
            }
            if (token.kind == TokenKind::Directive) {
                handleDirective(token);
                continue;
            }
        }
        if (token.kind == TokenKind::Identifier && expandMacro(token)) continue;
        return token;
    }
}

bool Preprocessor::expandMacro(const Token &token) {
    auto found = macros_.find(token.text);
    if (found == macros_.end()) return false;
    if (token.expansionDepth >= kMaxExpansionDepth) {
        errors_.report(*token.file, token.line, "macro '" + token.text + "' expands recursively");
        return true;
    }
    if (found->second.functionLike) {
        errors_.report(*token.file, token.line, "function-like macro '" + token.text + "' is not supported");
        return true;
    }
    const std::vector<Token> &body = found->second.body;
    for (auto it = body.rbegin(); it != body.rend(); ++it) {
        Token copy = *it;
        copy.file = token.file;  // errors point at the use, not at the #define
        copy.line = token.line;
        copy.expansionDepth = token.expansionDepth + 1;
        pending_.push_back(std::move(copy));
    }
    return true;
}

std::vector<Token> Preprocessor::tokenize(const Token &directive, std::string_view text) {
    Lexer lexer(text, directive.file, directive.line, errors_);
    std::vector<Token> tokens;
    for (Token token = lexer.next(); token.kind != TokenKind::End; token = lexer.next()) {
        tokens.push_back(std::move(token));
    }
    return tokens;
}

void Preprocessor::handleDirective(const Token &directive) {
    std::string_view text = trim(directive.text);
    const std::string name(leadingIdentifier(text));
    const std::string_view argument = trim(text.substr(name.size()));
    if (name.empty() && text.empty()) return;  // a lone '#' is allowed by C
    if (name == "if" || name == "ifdef" || name == "ifndef" || name == "elif" || name == "else" ||
        name == "endif") {
        handleConditional(directive, name, argument);
    } else if (!active()) {
        return;
    } else if (name == "include") {
        handleInclude(directive, argument);
    } else if (name == "define") {
        handleDefine(directive, argument);
    } else if (name == "undef") {
        macros_.erase(std::string(leadingIdentifier(argument)));
    } else if (name == "pragma" || name == "line") {
        return;  // code_page and the like do not change anything here
    } else if (name == "error") {
        errors_.report(*directive.file, directive.line, "#error " + std::string(argument));
    } else {
        errors_.report(
            *directive.file, directive.line,
            "unknown directive '#" + std::string(text.substr(0, name.empty() ? 1 : name.size())) + "'");
    }
}

void Preprocessor::handleInclude(const Token &directive, std::string_view argument) {
    const bool angled = !argument.empty() && argument.front() == '<';
    const char close = angled ? '>' : '"';
    const size_t end = argument.size() > 1 ? argument.find(close, 1) : std::string_view::npos;
    if (argument.empty() || (argument.front() != '"' && !angled) || end == std::string_view::npos) {
        errors_.report(*directive.file, directive.line, "#include expects \"file\" or <file>");
        return;
    }
    std::string name(argument.substr(1, end - 1));
    std::replace(name.begin(), name.end(), '\\', '/');
    std::vector<std::string> candidates;
    if (!name.empty() && name.front() == '/') {
        candidates.push_back(name);
    } else {
        const std::filesystem::path from = std::filesystem::path(*directive.file).parent_path();
        if (!angled) candidates.push_back((from / name).lexically_normal().string());
        for (const std::string &dir : includeDirs_) {
            candidates.push_back((std::filesystem::path(dir) / name).lexically_normal().string());
        }
    }
    for (const std::string &path : candidates) {
        if (std::optional<std::string> content = reader_(path)) {
            filesRead_.push_back(path);
            pushFile(path, std::move(*content), &directive);
            return;
        }
    }
    if (isSystemHeader(std::filesystem::path(name).filename().string())) return;
    errors_.report(*directive.file, directive.line, "cannot open include file '" + name + "'");
}

void Preprocessor::handleDefine(const Token &directive, std::string_view argument) {
    const std::string_view name = leadingIdentifier(argument);
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name.front()))) {
        errors_.report(*directive.file, directive.line, "#define needs a name");
        return;
    }
    Macro macro;
    macro.functionLike = argument.size() > name.size() && argument[name.size()] == '(';
    if (!macro.functionLike) macro.body = tokenize(directive, argument.substr(name.size()));
    macros_[std::string(name)] = std::move(macro);
}

void Preprocessor::handleConditional(const Token &directive, const std::string &name,
                                     std::string_view argument) {
    auto fail = [&](const std::string &message) { errors_.report(*directive.file, directive.line, message); };
    const size_t fileDepth = files_.back()->conditionalDepth;
    if (name == "if" || name == "ifdef" || name == "ifndef") {
        const bool parentActive = active();
        bool value = false;
        if (parentActive && name == "if") {
            value = evaluateCondition(directive, argument);
        } else if (parentActive) {
            const std::string_view macro = leadingIdentifier(argument);
            if (macro.empty()) return fail("#" + name + " needs a name");
            value = (macros_.count(std::string(macro)) != 0) == (name == "ifdef");
        }
        conditionals_.push_back({value, value, parentActive, false, directive.file, directive.line});
        return;
    }
    if (conditionals_.size() <= fileDepth) return fail("#" + name + " without #if");
    Conditional &open = conditionals_.back();
    if (name == "endif") {
        conditionals_.pop_back();
    } else if (open.sawElse) {
        fail("#" + name + " after #else");
    } else if (name == "else") {
        open.sawElse = true;
        open.active = open.parentActive && !open.taken;
        open.taken = true;
    } else {  // elif
        open.active = open.parentActive && !open.taken && evaluateCondition(directive, argument);
        open.taken = open.taken || open.active;
    }
}

// Replaces defined(NAME) and macros by numbers and other names by 0, then evaluates.
bool Preprocessor::evaluateCondition(const Token &directive, std::string_view expression) {
    std::vector<Token> input = tokenize(directive, expression);
    std::reverse(input.begin(), input.end());
    std::vector<Token> resolved;
    while (!input.empty() && !errors_.failed()) {
        Token token = std::move(input.back());
        input.pop_back();
        if (token.kind != TokenKind::Identifier) {
            resolved.push_back(std::move(token));
            continue;
        }
        Token number = token;
        number.kind = TokenKind::Number;
        number.number = 0;
        if (token.text == "defined") {
            const bool parenthesised = !input.empty() && input.back().isPunct("(");
            if (parenthesised) input.pop_back();
            if (input.empty() || input.back().kind != TokenKind::Identifier) {
                errors_.report(*directive.file, directive.line, "defined needs a name");
                return false;
            }
            number.number = macros_.count(input.back().text) ? 1 : 0;
            input.pop_back();
            if (parenthesised) {
                if (input.empty() || !input.back().isPunct(")")) {
                    errors_.report(*directive.file, directive.line, "missing ')' after defined");
                    return false;
                }
                input.pop_back();
            }
        } else if (auto found = macros_.find(token.text);
                   found != macros_.end() && !found->second.functionLike) {
            if (token.expansionDepth >= kMaxExpansionDepth) {
                errors_.report(*directive.file, directive.line,
                               "macro '" + token.text + "' expands recursively");
                return false;
            }
            for (auto it = found->second.body.rbegin(); it != found->second.body.rend(); ++it) {
                input.push_back(*it);
                input.back().expansionDepth = token.expansionDepth + 1;
            }
            continue;
        }
        resolved.push_back(std::move(number));
    }
    std::string error;
    std::optional<int64_t> value = rc::evaluateCondition(resolved, error);
    if (!value) {
        if (!errors_.failed()) errors_.report(*directive.file, directive.line, error);
        return false;
    }
    return *value != 0;
}

}  // namespace rc
