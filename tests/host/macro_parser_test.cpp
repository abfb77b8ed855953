// The macro parser: every error with its line and column, number forms,
// constants joined with '+', strings and their two escapes, and how a script
// is split into lines.
#include <gtest/gtest.h>

#include "macro/parser.h"

namespace {

using namespace host::macro;

struct ErrorCase {
    const char *line;
    int column;
    const char *message;
};

const ErrorCase kErrors[] = {
    {R"(Echo("x" , "y)", 12, "unterminated string"},
    {"ImgZoom(1.2.3)", 9, "bad number '1.2.3'"},
    {"ImgZoom(12px)", 9, "bad number '12px'"},
    {"ImgZoom(1e+)", 9, "bad number '1e+'"},
    {"ImgZoom(0x10)", 9, "bad number '0x10'"},
    {"ImgZoom(1e999)", 9, "number out of range '1e999'"},
    {"ImgZoom(1e308+1e308)", 9, "number out of range"},
    {"ImgZoom(-)", 9, "unexpected character '-'"},
    {"VoProfSetAttr(freeze, 1)", 15, "unknown constant 'freeze'"},
    {R"(VoProfSave("f", S_DATA+S_HEDER))", 24, "unknown constant 'S_HEDER'"},
    {R"(Echo("x"  # a comment)", 11, "missing ')'"},
    {"Echo(", 6, "missing ')'"},
    {"Echo", 5, "expected '(' after 'Echo', found the end of the line"},
    {R"(Echo("x") Echo("y"))", 11, "expected the end of the statement, found 'Echo'"},
    {"Echo(1,,2)", 8, "expected an argument, found ','"},
    {"Echo(1+)", 8, "expected a number or a constant after '+', found ')'"},
    {"Echo(1 2)", 8, "expected ',' or ')', found '2'"},
    {"(1)", 1, "expected a statement name, found '('"},
    {"  Echo(1) \x01", 11, "unexpected character 0x01"},
    {R"(VoListPts(Pts(1), ""))", 15, "the point list is Pts(0)"},
    {R"(VoListPts(Pts, ""))", 14, "expected '(' after 'Pts', found ','"},
    {"VoProfLoad(? FileName )", 12, "unterminated '?' placeholder"},
};

TEST(MacroParserErrors, NameTheColumnAndTheReason) {
    for (const ErrorCase &c : kErrors) {
        ParsedLine parsed = parseLine(c.line, 7);
        ASSERT_TRUE(parsed.error.has_value()) << c.line;
        EXPECT_FALSE(parsed.statement.has_value()) << c.line;
        EXPECT_EQ(parsed.error->line, 7) << c.line;
        EXPECT_EQ(parsed.error->column, c.column) << c.line;
        EXPECT_EQ(parsed.error->message, c.message) << c.line;
    }
}

TEST(MacroParserNumbers, AcceptEveryForm) {
    const std::tuple<const char *, double, bool> numbers[] = {
        {"12", 12, true},       {"-3", -3, true}, {"0.5", 0.5, false},   {".5", 0.5, false},
        {"-.25", -0.25, false}, {"5.", 5, true},  {"1e-5", 1e-5, false}, {"2.5E+10", 2.5e10, true},
        {"-2e2", -200, true},   {"007", 7, true},
    };
    for (const auto &[text, value, integral] : numbers) {
        ParsedLine parsed = parseLine(std::string("ImgZoom(") + text + ")", 1);
        ASSERT_TRUE(parsed.statement.has_value()) << text << ": " << parsed.error->message;
        const Argument &argument = parsed.statement->args.at(0);
        EXPECT_EQ(argument.kind, ArgKind::Number) << text;
        EXPECT_DOUBLE_EQ(argument.number, value) << text;
        EXPECT_EQ(argument.integral, integral) << text;
        EXPECT_EQ(argument.source, text);
    }
}

TEST(MacroParserArguments, ConstantsJoinWithPlusAndKeepTheirSource) {
    ParsedLine parsed = parseLine(
        "VoProfSave(\"f.hst\",S_DATA+S_HEADER , S_DATA + S_HEADER + S_LEGEND, PROFTYPE_LINE+1, 1+2.5, Pts( 0 "
        "))",
        1);
    ASSERT_TRUE(parsed.statement.has_value());
    const std::vector<Argument> &args = parsed.statement->args;
    ASSERT_EQ(args.size(), 6u);
    EXPECT_EQ(args[1].number, 0x104);
    EXPECT_EQ(args[1].column, 20);
    EXPECT_EQ(args[2].number, 0x304);
    EXPECT_EQ(args[3].number, 1017);
    EXPECT_EQ(args[4].number, 3.5);
    EXPECT_FALSE(args[4].integral);
    EXPECT_EQ(args[5].kind, ArgKind::Points);
    EXPECT_EQ(parsed.statement->canonical(),
              "VoProfSave(\"f.hst\", S_DATA+S_HEADER, S_DATA + S_HEADER + S_LEGEND, PROFTYPE_LINE+1, 1+2.5, "
              "Pts(0))");
}

TEST(MacroParserArguments, StringsKeepBackslashesExceptBeforeQuoteAndBackslash) {
    ParsedLine parsed = parseLine(R"(Echo("C:\data\f.hst", "say \"hi\"", "a\\b", "# no comment", ""))", 1);
    ASSERT_TRUE(parsed.statement.has_value());
    const std::vector<Argument> &args = parsed.statement->args;
    ASSERT_EQ(args.size(), 5u);
    EXPECT_EQ(args[0].text, R"(C:\data\f.hst)");
    EXPECT_EQ(args[1].text, R"(say "hi")");
    EXPECT_EQ(args[1].source, R"("say \"hi\"")");
    EXPECT_EQ(args[2].text, R"(a\b)");
    EXPECT_EQ(args[3].text, "# no comment");
    EXPECT_EQ(args[4].kind, ArgKind::String);
}

// A recorded statement's "? FileName ?" stands for a value the user gives at playback.
TEST(MacroParserArguments, PlaceholdersAreTheirTrimmedText) {
    ParsedLine parsed = parseLine("VoProfLoad(? FileName ?, ? ?)", 1);
    ASSERT_TRUE(parsed.statement.has_value());
    const std::vector<Argument> &args = parsed.statement->args;
    ASSERT_EQ(args.size(), 2u);
    EXPECT_TRUE(args[0].kind == ArgKind::String && args[0].text == "FileName");
    EXPECT_EQ(args[0].source, "? FileName ?");
    EXPECT_TRUE(args[1].kind == ArgKind::String && args[1].text.empty());
}

TEST(MacroParserScripts, LinesEndInLfOrCrLfAndTheFirstErrorStops) {
    ParsedScript script = parseScript(
        "\xEF\xBB\xBF"
        "Echo(\"a\")\r\n\r\n\t# comment\r\n  VoProfCreate( ) # c\nEcho(1e)\nEcho(\"c\")");
    ASSERT_EQ(script.statements.size(), 2u);
    EXPECT_EQ(script.statements[0].column, 1);
    EXPECT_EQ(script.statements[0].args[0].text, "a");
    EXPECT_EQ(script.statements[1].line, 4);
    EXPECT_EQ(script.statements[1].column, 3);
    ASSERT_TRUE(script.error.has_value());
    EXPECT_EQ(script.error->line, 5);
    EXPECT_EQ(script.error->column, 6);
}

}  // namespace
