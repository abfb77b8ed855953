// DrawTextA's layout.
#include "gdi/text_layout.h"

namespace plat::gdi {

namespace {

struct Marked {
    std::string text;
    std::vector<bool> underlined;

    void push(char c, bool mark) {
        text.push_back(c);
        underlined.push_back(mark);
    }
    Marked slice(size_t from, size_t to) const {
        return {text.substr(from, to - from),
                {underlined.begin() + static_cast<ptrdiff_t>(from),
                 underlined.begin() + static_cast<ptrdiff_t>(to)}};
    }
};

Marked stripPrefixes(std::string_view text, bool prefixes) {
    Marked out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!prefixes || text[i] != '&') {
            out.push(text[i], false);
        } else if (i + 1 < text.size()) {
            ++i;
            out.push(text[i], text[i] != '&');
        }
    }
    return out;
}

std::vector<Marked> splitParagraphs(const Marked &all) {
    std::vector<Marked> paragraphs;
    size_t start = 0;
    for (size_t i = 0; i < all.text.size(); ++i) {
        char c = all.text[i];
        if (c != '\r' && c != '\n') continue;
        paragraphs.push_back(all.slice(start, i));
        if (c == '\r' && i + 1 < all.text.size() && all.text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    paragraphs.push_back(all.slice(start, all.text.size()));
    return paragraphs;
}

bool isBreakSpace(char c) {
    return c == ' ' || c == '\t';
}

size_t trimEnd(const std::string &s, size_t from, size_t to) {
    while (to > from && isBreakSpace(s[to - 1])) --to;
    return to;
}

// Greedy wrapping: each line takes as many words as fit. Breaks are at the
// ends of words (a space after a non-space, or the end of the paragraph).
void wrap(const Marked &p, int maxWidth, const MeasureText &measure, std::vector<Marked> &lines) {
    const std::string &s = p.text;
    auto widthOf = [&](size_t from, size_t to) {
        return measure(std::string_view(s).substr(from, to - from));
    };
    size_t start = 0;
    do {
        size_t end = std::string::npos;
        for (size_t i = start + 1; i <= s.size(); ++i) {
            bool wordEnd = i == s.size() || (isBreakSpace(s[i]) && !isBreakSpace(s[i - 1]));
            if (!wordEnd) continue;
            if (widthOf(start, trimEnd(s, start, i)) > maxWidth) {
                if (end == std::string::npos) end = i;  // a lone word too wide: kept whole
                break;
            }
            end = i;
        }
        if (end == std::string::npos) end = s.size();
        lines.push_back(p.slice(start, trimEnd(s, start, end)));
        start = end;
        while (start < s.size() && isBreakSpace(s[start])) ++start;
    } while (start < s.size());
}

void addEllipsis(Marked &line, int maxWidth, const MeasureText &measure) {
    if (measure(line.text) <= maxWidth) return;
    while (!line.text.empty() && measure(line.text + "...") > maxWidth) {
        line.text.pop_back();
        line.underlined.pop_back();
    }
    for (int i = 0; i < 3; ++i) line.push('.', false);
}

}  // namespace

std::vector<LaidLine> layoutText(std::string_view text, UINT format, int maxWidth,
                                 const MeasureText &measure) {
    Marked all = stripPrefixes(text, (format & DT_NOPREFIX) == 0);
    std::vector<Marked> lines;
    if (format & DT_SINGLELINE) {
        lines.push_back(std::move(all));
    } else {
        for (const Marked &p : splitParagraphs(all)) {
            if (format & DT_WORDBREAK)
                wrap(p, maxWidth, measure, lines);
            else
                lines.push_back(p);
        }
    }
    std::vector<LaidLine> laid;
    for (Marked &line : lines) {
        if (format & DT_END_ELLIPSIS) addEllipsis(line, maxWidth, measure);
        int width = measure(line.text);
        laid.push_back({std::move(line.text), std::move(line.underlined), width});
    }
    return laid;
}

}  // namespace plat::gdi
