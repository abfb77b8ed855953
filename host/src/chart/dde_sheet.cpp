// Sheet names and the cells of a sent text.
#include "chart/dde_sheet.h"

#include <charconv>

namespace host {

namespace {

constexpr std::string_view kForbiddenInSheetNames = "[]:*?/\\";
constexpr std::string_view kBlanks = " \v\f";

bool isContinuationByte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

std::string_view trimmed(std::string_view text, std::string_view what) {
    const size_t first = text.find_first_not_of(what);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(what) - first + 1);
}

// The longest start of the text with at most `chars` characters, never cut
// inside a UTF-8 sequence.
std::string firstChars(const std::string &text, size_t chars) {
    size_t end = 0;
    for (size_t count = 0; end < text.size(); ++count) {
        if (count == chars) break;
        ++end;
        while (end < text.size() && isContinuationByte(static_cast<unsigned char>(text[end]))) ++end;
    }
    return text.substr(0, end);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// [sign] digits [separator digits] | [sign] separator digits, then an
// optional exponent: what a spreadsheet reads as a number and nothing more
// (no "inf", "nan", hexadecimal or thousands separators).
bool isDecimalNumber(std::string_view s, char separator) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == separator) {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t exponentDigits = 0;
        while (i < s.size() && isDigit(s[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == s.size();
}

SheetCell cellOf(std::string_view field, bool textOnly, bool commaDecimal) {
    SheetCell cell;
    field = trimmed(field, kBlanks);
    if (field.empty()) return cell;
    const char separator = commaDecimal ? ',' : '.';
    if (!textOnly && isDecimalNumber(field, separator)) {
        std::string plain(field.front() == '+' ? field.substr(1) : field);
        for (char &c : plain)
            if (c == separator) c = '.';
        double value = 0.0;
        auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
        if (error == std::errc() && end == plain.data() + plain.size()) {
            cell.kind = SheetCell::Kind::Number;
            cell.number = value;
            return cell;
        }
    }
    cell.kind = SheetCell::Kind::Text;
    cell.text = utf8Text(field);
    return cell;
}

}  // namespace

std::string sheetName(const std::string &imageTitle, int counter) {
    std::string base = imageTitle;
    if (size_t dot = base.rfind('.'); dot != std::string::npos && dot > 0) base.resize(dot);
    for (char &c : base)
        if (kForbiddenInSheetNames.find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    base = utf8Text(trimmed(base, " '"));
    if (base.empty()) base = "Profile";
    const std::string suffix = " " + std::to_string(counter);
    return std::string(trimmed(firstChars(base, kMaxSheetNameChars - suffix.size()), " '")) + suffix;
}

SheetRows sheetCells(std::string_view text, bool commaDecimal) {
    SheetRows rows;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        const bool comment = !line.empty() && line.front() == '#';
        std::vector<SheetCell> row;
        if (!line.empty()) {
            for (size_t fieldStart = 0;;) {
                const size_t tab = line.find('\t', fieldStart);
                row.push_back(cellOf(line.substr(fieldStart, tab - fieldStart), comment, commaDecimal));
                if (tab == std::string_view::npos) break;
                fieldStart = tab + 1;
            }
        }
        rows.push_back(std::move(row));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return rows;
}

std::string utf8Text(std::string_view text) {
    bool valid = true;
    for (size_t i = 0; i < text.size() && valid;) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t length = c < 0x80           ? 1
                              : (c >> 5) == 0x6  ? 2
                              : (c >> 4) == 0xE  ? 3
                              : (c >> 3) == 0x1E ? 4
                                                 : 0;
        valid = length > 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k)
            valid = isContinuationByte(static_cast<unsigned char>(text[i + k]));
        i += length;
    }
    if (valid) return std::string(text);
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

}  // namespace host
