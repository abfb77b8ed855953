// #if expressions: C's integer operators with C's precedence, no ?: and no commas.
#include "condition.h"

namespace rc {
namespace {

// Binary operators by precedence level, lowest first.
const std::vector<std::vector<std::string>> kLevels = {
    {"||"},       {"&&"},     {"|"},           {"^"}, {"&"}, {"==", "!="}, {"<", ">", "<=", ">="},
    {"<<", ">>"}, {"+", "-"}, {"*", "/", "%"},
};

class ConditionParser {
public:
    ConditionParser(const std::vector<Token> &tokens, std::string &error) : tokens_(tokens), error_(error) {}

    std::optional<int64_t> parseAll() {
        int64_t value = parseLevel(0);
        if (error_.empty() && pos_ < tokens_.size())
            error_ = "unexpected " + tokens_[pos_].describe() + " in #if";
        if (!error_.empty()) return std::nullopt;
        return value;
    }

private:
    const Token *peek() const { return pos_ < tokens_.size() ? &tokens_[pos_] : nullptr; }

    bool acceptOperator(size_t level, std::string &op) {
        const Token *token = peek();
        if (token == nullptr || token->kind != TokenKind::Punct) return false;
        for (const std::string &candidate : kLevels[level]) {
            if (token->text == candidate) {
                op = candidate;
                ++pos_;
                return true;
            }
        }
        return false;
    }

    int64_t parseLevel(size_t level) {
        if (level == kLevels.size()) return parseUnary();
        int64_t left = parseLevel(level + 1);
        std::string op;
        while (error_.empty() && acceptOperator(level, op)) {
            const int64_t right = parseLevel(level + 1);
            left = apply(op, left, right);
        }
        return left;
    }

    int64_t apply(const std::string &op, int64_t a, int64_t b) {
        if (op == "||") return (a || b) ? 1 : 0;
        if (op == "&&") return (a && b) ? 1 : 0;
        if (op == "|") return a | b;
        if (op == "^") return a ^ b;
        if (op == "&") return a & b;
        if (op == "==") return a == b;
        if (op == "!=") return a != b;
        if (op == "<") return a < b;
        if (op == ">") return a > b;
        if (op == "<=") return a <= b;
        if (op == ">=") return a >= b;
        if (op == "<<") return static_cast<int64_t>(static_cast<uint64_t>(a) << (b & 63));
        if (op == ">>") return a >> (b & 63);
        if (op == "+") return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b));
        if (op == "-") return static_cast<int64_t>(static_cast<uint64_t>(a) - static_cast<uint64_t>(b));
        if (op == "*") return static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b));
        if (b == 0) {
            error_ = "division by zero in #if";
            return 0;
        }
        if (a == INT64_MIN && b == -1) return op == "/" ? a : 0;
        return op == "/" ? a / b : a % b;
    }

    int64_t parseUnary() {
        const Token *token = peek();
        if (token == nullptr) {
            if (error_.empty()) error_ = "incomplete expression in #if";
            return 0;
        }
        ++pos_;
        if (token->kind == TokenKind::Number) return token->number;
        if (token->isPunct("!")) return parseUnary() == 0 ? 1 : 0;
        if (token->isPunct("~")) return ~parseUnary();
        if (token->isPunct("-")) return static_cast<int64_t>(0 - static_cast<uint64_t>(parseUnary()));
        if (token->isPunct("+")) return parseUnary();
        if (token->isPunct("(")) {
            const int64_t value = parseLevel(0);
            if (error_.empty() && !(peek() && peek()->isPunct(")"))) error_ = "missing ')' in #if";
            ++pos_;
            return value;
        }
        if (error_.empty()) error_ = "unexpected " + token->describe() + " in #if";
        return 0;
    }

    const std::vector<Token> &tokens_;
    std::string &error_;
    size_t pos_ = 0;
};

}  // namespace

std::optional<int64_t> evaluateCondition(const std::vector<Token> &tokens, std::string &error) {
    error.clear();
    ConditionParser parser(tokens, error);
    return parser.parseAll();
}

}  // namespace rc
