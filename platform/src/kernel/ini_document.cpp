// The INI file model: see ini_document.h.
#include "kernel/ini_document.h"

#include <algorithm>

namespace plat::ini {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

LineInfo classifyLine(std::string_view text) {
    LineInfo info;
    size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    std::string_view rest = text.substr(start);
    if (rest.empty() || rest.front() == ';') return info;
    if (rest.front() == '[') {
        // A header without its closing bracket is not a section (nor a key).
        size_t close = rest.find(']');
        if (close == std::string_view::npos) return info;
        info.kind = LineKind::Section;
        info.name = trim(rest.substr(1, close - 1));
        return info;
    }
    size_t eq = rest.find('=');
    std::string_view rawName = rest.substr(0, eq);
    std::string_view name = trim(rawName);
    if (name.empty()) return info;
    info.kind = LineKind::Key;
    info.name = name;
    info.nameEnd = start + static_cast<size_t>(name.data() + name.size() - rest.data());
    if (eq != std::string_view::npos) info.rawValue = rest.substr(eq + 1);
    return info;
}

std::string_view cleanValue(std::string_view raw) {
    std::string_view v = trim(raw);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return v;
}

Document Document::parse(std::string_view bytes) {
    Document doc;
    bool newlineKnown = false;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t nl = bytes.find('\n', pos);
        Line line;
        if (nl == std::string_view::npos) {
            line.text = std::string(bytes.substr(pos));
            pos = bytes.size();
        } else {
            bool crlf = nl > pos && bytes[nl - 1] == '\r';
            line.text = std::string(bytes.substr(pos, nl - pos - (crlf ? 1 : 0)));
            line.eol = crlf ? "\r\n" : "\n";
            pos = nl + 1;
            if (!newlineKnown) {
                doc.newline_ = line.eol;
                newlineKnown = true;
            }
        }
        doc.lines_.push_back(std::move(line));
    }
    return doc;
}

std::string Document::serialize() const {
    std::string out;
    for (const Line &line : lines_) {
        out += line.text;
        out += line.eol;
    }
    return out;
}

std::vector<std::string> Document::sectionNames() const {
    std::vector<std::string> names;
    for (const Line &line : lines_) {
        LineInfo info = classifyLine(line.text);
        if (info.kind != LineKind::Section) continue;
        bool seen = std::any_of(names.begin(), names.end(),
                                [&](const std::string &n) { return equalsNoCase(n, info.name); });
        if (!seen) names.emplace_back(info.name);
    }
    return names;
}

std::optional<std::vector<std::string>> Document::keyNames(std::string_view section) const {
    std::optional<Range> range = findSection(section);
    if (!range) return std::nullopt;
    std::vector<std::string> names;
    for (size_t i = range->header + 1; i < range->end; ++i) {
        LineInfo info = classifyLine(lines_[i].text);
        if (info.kind == LineKind::Key) names.emplace_back(info.name);
    }
    return names;
}

std::optional<std::string> Document::value(std::string_view section, std::string_view key) const {
    std::optional<Range> range = findSection(section);
    if (!range) return std::nullopt;
    std::optional<size_t> at = findKey(*range, key);
    if (!at) return std::nullopt;
    return std::string(cleanValue(classifyLine(lines_[*at].text).rawValue));
}

std::optional<Document::Range> Document::findSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        LineInfo info = classifyLine(lines_[i].text);
        if (info.kind != LineKind::Section || !equalsNoCase(info.name, section)) continue;
        size_t end = i + 1;
        while (end < lines_.size() && classifyLine(lines_[end].text).kind != LineKind::Section) ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> Document::findKey(const Range &range, std::string_view key) const {
    for (size_t i = range.header + 1; i < range.end; ++i) {
        LineInfo info = classifyLine(lines_[i].text);
        if (info.kind == LineKind::Key && equalsNoCase(info.name, key)) return i;
    }
    return std::nullopt;
}

void Document::insertLine(size_t at, std::string text) {
    // The line before an insertion point at the end of a file without a
    // final line ending gets one, so that the new line starts a line.
    if (at > 0 && lines_[at - 1].eol.empty()) lines_[at - 1].eol = newline_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newline_});
}

void Document::setValue(std::string_view section, std::string_view key, std::string_view value) {
    std::optional<Range> range = findSection(section);
    if (!range) {
        // A new section is set off from the previous text by one blank line.
        if (!lines_.empty() && !trim(lines_.back().text).empty()) insertLine(lines_.size(), "");
        insertLine(lines_.size(), "[" + std::string(section) + "]");
        insertLine(lines_.size(), std::string(key) + "=" + std::string(value));
        return;
    }
    if (std::optional<size_t> at = findKey(*range, key)) {
        Line &line = lines_[*at];
        size_t nameEnd = classifyLine(line.text).nameEnd;
        line.text = line.text.substr(0, nameEnd) + "=" + std::string(value);
        return;
    }
    // After the section's last key, so that comments and blank lines that
    // lead into the next section stay with it.
    size_t after = range->header;
    for (size_t i = range->header + 1; i < range->end; ++i) {
        if (classifyLine(lines_[i].text).kind == LineKind::Key) after = i;
    }
    insertLine(after + 1, std::string(key) + "=" + std::string(value));
}

bool Document::removeKey(std::string_view section, std::string_view key) {
    std::optional<Range> range = findSection(section);
    if (!range) return false;
    std::optional<size_t> at = findKey(*range, key);
    if (!at) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*at));
    return true;
}

bool Document::removeSection(std::string_view section) {
    std::optional<Range> range = findSection(section);
    if (!range) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
    return true;
}

}  // namespace plat::ini
