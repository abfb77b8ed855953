// DrawText's layout with a fixed-pitch measure (ten units a character).
#include <gtest/gtest.h>

#include "gdi/text_layout.h"

using plat::gdi::LaidLine;

namespace {

std::vector<LaidLine> layout(std::string_view text, UINT format, int width) {
    return plat::gdi::layoutText(text, format, width, [](std::string_view s) { return 10 * int(s.size()); });
}

std::vector<std::string> texts(const std::vector<LaidLine> &lines) {
    std::vector<std::string> out;
    for (const LaidLine &l : lines) out.push_back(l.text);
    return out;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(TextLayout, PrefixesUnderlineTheNextCharacterAndDoubleAmpersandIsLiteral) {
    auto lines = layout("Save &As", DT_SINGLELINE, 1000);
    EXPECT_EQ(lines[0].text, "Save As");
    EXPECT_EQ(lines[0].underlined, (std::vector<bool>{0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(lines[0].width, 70);
    EXPECT_EQ(texts(layout("A&&B&", DT_SINGLELINE, 1000)), Lines{"A&B"});
    EXPECT_EQ(texts(layout("&A&&B", DT_SINGLELINE | DT_NOPREFIX, 1000)), Lines{"&A&&B"});
}

TEST(TextLayout, LinesEndAtCrLfLfAndCrUnlessSingleLine) {
    EXPECT_EQ(texts(layout("a\r\nb\nc\rd\n", 0, 1000)), (Lines{"a", "b", "c", "d", ""}));
    EXPECT_EQ(layout("a\r\nb", DT_SINGLELINE, 1000).size(), 1u);
}

TEST(TextLayout, WordBreakTakesAsManyWordsAsFit) {
    EXPECT_EQ(texts(layout("alpha beta gamma", DT_WORDBREAK, 100)), (Lines{"alpha beta", "gamma"}));
    EXPECT_EQ(texts(layout("alpha beta gamma", DT_WORDBREAK, 99)), (Lines{"alpha", "beta", "gamma"}));
    EXPECT_EQ(texts(layout("ab   cd", DT_WORDBREAK, 30)), (Lines{"ab", "cd"}));
    EXPECT_EQ(texts(layout("abcdefgh ij", DT_WORDBREAK, 40)), (Lines{"abcdefgh", "ij"}));  // kept whole
    auto marked = layout("one &two\nthree", DT_WORDBREAK, 40);
    EXPECT_EQ(texts(marked), (Lines{"one", "two", "three"}));
    EXPECT_EQ(marked[1].underlined, (std::vector<bool>{1, 0, 0}));
}

TEST(TextLayout, EndEllipsisCutsOnlyWhatDoesNotFit) {
    EXPECT_EQ(texts(layout("abcdefgh", DT_SINGLELINE | DT_END_ELLIPSIS, 60)), Lines{"abc..."});
    EXPECT_EQ(texts(layout("abc", DT_SINGLELINE | DT_END_ELLIPSIS, 60)), Lines{"abc"});
}
