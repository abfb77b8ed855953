// An INI file held as its lines, so that an edit changes only the lines it
// must and writes every other byte back as it was read: comments, blank
// lines, spacing, order and each line's own line ending.
//
// Reading follows Windows: a line "[name]" starts a section; inside a
// section, "key=value" is a key (a line without '=' is a key with an empty
// value); ';' starts a comment line; lines before the first section belong to
// no section. Names compare case-insensitively (ASCII), surrounding blanks of
// names and values are ignored, and a value enclosed in a matching pair of
// double or single quotes loses them. When a name occurs twice, the first
// occurrence counts.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat::ini {

class Document {
public:
    // Never fails: every byte sequence is some INI file.
    static Document parse(std::string_view bytes);
    // The bytes of the file; parse(x).serialize() == x.
    std::string serialize() const;

    // Section names in file order, each once, spelled as first written.
    std::vector<std::string> sectionNames() const;
    // Key names of a section in file order, or nullopt without the section.
    std::optional<std::vector<std::string>> keyNames(std::string_view section) const;
    // The value of a key (trimmed, quotes removed), or nullopt.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    bool hasSection(std::string_view section) const { return findSection(section).has_value(); }

    // Replaces the value of an existing key (keeping its line's indentation
    // and spelling), adds the key after the last key of its section, or
    // appends a new section at the end of the file.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // False when there was nothing to remove.
    bool removeKey(std::string_view section, std::string_view key);
    // Removes the section header and every line up to the next section.
    bool removeSection(std::string_view section);

private:
    struct Line {
        std::string text;  // without the line ending
        std::string eol;   // "\r\n", "\n" or "" (last line without a line ending)
    };
    struct Range {
        size_t header;
        size_t end;  // one past the section's last line
    };

    std::optional<Range> findSection(std::string_view section) const;
    std::optional<size_t> findKey(const Range &range, std::string_view key) const;
    void insertLine(size_t at, std::string text);

    std::vector<Line> lines_;
    std::string newline_ = "\r\n";  // for added lines: the file's first line ending
};

// Exposed for tests: how a single line reads.
enum class LineKind { Other, Section, Key };
struct LineInfo {
    LineKind kind = LineKind::Other;
    std::string_view name;      // section or key name, trimmed
    std::string_view rawValue;  // text after '=', untrimmed
    size_t nameEnd = 0;         // offset just past the name in the line (keys)
};
LineInfo classifyLine(std::string_view text);
// Trimmed, and without a matching pair of surrounding quotes.
std::string_view cleanValue(std::string_view raw);
bool equalsNoCase(std::string_view a, std::string_view b);

}  // namespace plat::ini
