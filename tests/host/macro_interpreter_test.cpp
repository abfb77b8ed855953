// The interpreter: the whole script is checked before it runs (names,
// argument counts and kinds, with file:line:column), a failing statement
// stops it, the Save dialog is answered once per SaveDialog(), and files are
// replaced only when completely written.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/host_reset.h"
#include "core/host_state.h"
#include "macro/output_file.h"
#include "macro_test_support.h"

namespace {

using macro_test::play;

const std::pair<const char *, const char *> kChecks[] = {
    {"Echo(\"a\")\n  Foo(1)", "t.mac:2:3: unknown statement 'Foo'"},
    {"echo(\"a\")", "t.mac:1:1: unknown statement 'echo' (statement names are case-sensitive: 'Echo')"},
    {"ImgSetPixel(1, 2, 3, 4)",
     "t.mac:1:1: 'ImgSetPixel' takes 3 or 5 arguments, not 4: ImgSetPixel(x, y, v) or ImgSetPixel(x, y, r, "
     "g, b)"},
    {"Echo()", "t.mac:1:1: 'Echo' takes 1 argument, not 0: Echo(\"text\")"},
    {"ImgClose(1)", "t.mac:1:1: 'ImgClose' takes no arguments, not 1: ImgClose()"},
    {"ModuleExec()",
     "t.mac:1:1: 'ModuleExec' takes 1, 2, 3, 4 or 5 arguments, not 0: ModuleExec(code[, a[, b[, c[, d]]]])"},
    {"ImgOpen(3)", "t.mac:1:9: argument 1 of 'ImgOpen' must be a text in double quotes"},
    {"ImgSelect( 1.5)", "t.mac:1:12: argument 1 of 'ImgSelect' must be a whole number"},
    {"ImgSelect(3e9)", "t.mac:1:11: argument 1 of 'ImgSelect' is out of range"},
    {"ImgZoom(\"2\")", "t.mac:1:9: argument 1 of 'ImgZoom' must be a number"},
    {"Echo(Pts(0))", "t.mac:1:6: argument 1 of 'Echo' must be a text in double quotes"},
    {"VoListPts(1, \"\")", "t.mac:1:11: argument 1 of 'VoListPts' must be Pts(0)"},
    {"Echo(\"x\")\nEcho(\"y\"", "t.mac:2:9: missing ')'"},
};

TEST(MacroInterpreterChecks, RejectTheScriptBeforeAnythingRuns) {
    for (const auto &[script, error] : kChecks) {
        macro_test::Played played = play(script);
        EXPECT_EQ(played.errorText(), error) << script;
        EXPECT_TRUE(played.output.empty()) << script;
    }
}

TEST(MacroInterpreterRun, StopsAtTheFailingStatement) {
    macro_test::Played played =
        play("Echo(\"a\")\nEcho(\"b\")\nSnapshot(\"window\", \"x.png\")\nEcho(\"c\")\n");
    EXPECT_EQ(played.output, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(played.errorText(),
              "t.mac:3:10: a snapshot is of \"image\", \"profile\" or \"screen\", not \"window\"");
}

// A bad point list changes nothing; a good one replaces the list, VoMorePts appends.
TEST(MacroInterpreterRun, PointListsAreWholeNumbersInPairs) {
    host::resetHost();
    EXPECT_EQ(play("VoListPts(Pts(0), \"1 2 3\")").errorText(),
              "t.mac:1:19: the point list has an odd number of coordinates");
    EXPECT_EQ(play("VoMorePts(\"1 2.5\")").errorText(),
              "t.mac:1:11: '2.5' in the point list is not a whole number");
    EXPECT_EQ(play("VoMorePts(\"1 99999999999\")").errorText(),
              "t.mac:1:11: '99999999999' in the point list is not a whole number");
    EXPECT_TRUE(host::state().pointList.empty());
    EXPECT_FALSE(
        play("VoListPts(Pts(0), \"9 9\")\nVoListPts(Pts(0), \" 1 2\t3 -4 \")\nVoMorePts(\"5 6\")").error);
    ASSERT_EQ(host::state().pointList.size(), 3u);
    EXPECT_EQ(host::state().pointList[1].y, -4);
    EXPECT_EQ(host::state().pointList[2].x, 5);
}

// The chooser answers one dialog per SaveDialog(); a later one is cancelled.
TEST(MacroInterpreterSaveDialog, AnswersTheNextDialogOnce) {
    host::macro::Interpreter interpreter(host::macro::Context{});
    char file[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ASSERT_FALSE(interpreter.run("SaveDialog(\"first.hst\")", "t.mac"));
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
    EXPECT_NE(std::strstr(file, "first.hst"), nullptr) << file;
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
    ASSERT_FALSE(interpreter.run("SaveDialog(\"second.hst\")\nSaveDialogCancel()", "t.mac"));
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
}

// The report command into a folder made for it: no item registered, an empty list.
TEST(MacroOutputFiles, ReportWritesItsListIntoANewFolder) {
    const std::filesystem::path folder = std::filesystem::absolute("macro_report") / "new";
    std::filesystem::remove_all(folder.parent_path());
    EXPECT_FALSE(play("Report(\"" + folder.string() + "\")").error);
    EXPECT_EQ(std::filesystem::file_size(folder / "report.txt"), 0u);
}

TEST(MacroOutputFiles, AFailedWriteLeavesTheOldFile) {
    const std::string path = std::filesystem::absolute("macro_keep/keep.txt").string();
    auto contents = [&path] { return (std::stringstream() << std::ifstream(path).rdbuf()).str(); };
    ASSERT_FALSE(host::macro::writeTextFile(path, "old\n"));
    auto failing = [](const std::string &temporary, std::string *why) {
        std::ofstream(temporary) << "half";
        *why = "disk full";
        return false;
    };
    EXPECT_EQ(host::macro::writeFileSafely(path, failing), "cannot write '" + path + "': disk full");
    EXPECT_EQ(contents(), "old\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".part"));
    ASSERT_FALSE(host::macro::writeTextFile(path, "new\n"));
    EXPECT_EQ(contents(), "new\n");
}

}  // namespace
