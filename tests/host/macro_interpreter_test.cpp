// The interpreter: the whole script is checked before it runs (names,
// argument counts and kinds, with file:line:column), a failing statement
// stops it, the Save dialog is answered once per SaveDialog() with the check
// boxes SaveDialogOption() asked for, TableText says why it has no table to
// read, and a failed write says which file and why.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "core/host_reset.h"
#include "core/host_state.h"
#include "macro/clipboard_data.h"
#include "macro/output_file.h"
#include "macro_test_support.h"

namespace {

using macro_test::play;

const std::pair<std::string, std::string> kChecks[] = {
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
    {std::string("ImgOpen(\"a.tif\0.png\")", 21), "t.mac:1:15: a string cannot hold a NUL byte"},
    {std::string(100000, 'A') + "()", "t.mac:1:1: unknown statement '" + std::string(64, 'A') + "...'"},
    {"Echo(S_" + std::string(1000, 'X') + ")",
     "t.mac:1:6: unknown constant 'S_" + std::string(62, 'X') + "...'"},
    {"Echo(1" + std::string(1000, 'e') + ")", "t.mac:1:6: bad number '1" + std::string(63, 'e') + "...'"},
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

// A hook in the way of the module's: "Header" and "Legend" boxes (no
// "X-Axis"), each click flipping its bit, as the module keeps its options.
unsigned gHookOptions = 0;
int gHookClicks = 0;

UINT_PTR CALLBACK optionsHook(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    static const std::pair<int, const char *> kBoxes[] = {{1234, "Header"}, {1235, "Legend"}};
    if (message == WM_INITDIALOG) {
        RECT cancel{};
        GetWindowRect(GetDlgItem(dialog, IDCANCEL), &cancel);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&cancel), 2);
        int y = cancel.bottom + 4;
        for (const auto &[id, text] : kBoxes) {
            HWND box = CreateWindowExA(0, "button", text, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                                       cancel.left, y, 80, 16, dialog,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
            SendMessageA(box, BM_SETCHECK, (gHookOptions >> (id - 1234)) & 1, 0);
            y += 20;
        }
        return 1;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == 1234 || LOWORD(wParam) == 1235)) {
        gHookOptions ^= 1u << (LOWORD(wParam) - 1234);
        ++gHookClicks;
        return 1;
    }
    return 0;
}

// Options set before the answer, clicking only boxes whose state differs; a
// box the dialog lacks cancels it with a message for the script.
TEST(MacroInterpreterSaveDialog, OptionsClickTheHooksBoxesBeforeTheAnswer) {
    const struct {
        unsigned before;
        const char *script;
        unsigned after;
        int clicks;
        bool accepted;
        const char *error;
    } kCases[] = {
        {0b11, "SaveDialogOption(\"Legend\", 0)", 0b01, 1, true, ""},
        {0b01, "SaveDialogOption(\"Header\", 1)\nSaveDialogOption(\"Legend\", 1)", 0b11, 1, true, ""},
        {0b01, "SaveDialogOption(\"Legend\", 1)\nSaveDialogOption(\"Legend\", 0)", 0b01, 0, true, ""},
        {0b00, "SaveDialogOption(\"X-Axis\", 1)", 0b00, 0, false,
         "the Save dialog has no check box 'X-Axis' for SaveDialogOption"},
    };
    for (const auto &c : kCases) {
        host::macro::Interpreter interpreter(host::macro::Context{});
        gHookOptions = c.before;
        gHookClicks = 0;
        char file[MAX_PATH] = "";
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof file;
        ofn.Flags = OFN_ENABLEHOOK;
        ofn.lpfnHook = optionsHook;
        ASSERT_FALSE(interpreter.run(std::string(c.script) + "\nSaveDialog(\"a.hst\")", "t.mac")) << c.script;
        EXPECT_EQ(GetSaveFileNameA(&ofn) != FALSE, c.accepted) << c.script;
        EXPECT_EQ(gHookOptions, c.after) << c.script;
        EXPECT_EQ(gHookClicks, c.clicks) << c.script;
        EXPECT_EQ(interpreter.context().saveDialogError.value_or(""), c.error) << c.script;
        gHookClicks = 0;
        interpreter.context().saveDialogError.reset();
        GetSaveFileNameA(&ofn);  // the options were for one dialog only
        EXPECT_EQ(gHookClicks, 0) << c.script;
    }
    EXPECT_EQ(play("SaveDialogOption(\"Footer\", 1)").errorText(),
              "t.mac:1:18: a Save dialog option is \"Header\", \"Legend\" or \"X-Axis\", not 'Footer'");
}

// TableText reads the table over a control of the current plug-in window;
// the cells it prints and a cell outside the table are tests/scripts/table_text.mac.
TEST(MacroOutputStatements, TableTextSaysWhyThereIsNoCell) {
    host::resetHost();
    EXPECT_EQ(play("TableText(0, 0)").errorText(), "t.mac:1:1: no plug-in window is current");
    HWND window =
        CreateWindowExA(0, "static", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    CreateWindowExA(0, "static", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, window,
                    reinterpret_cast<HMENU>(101), nullptr, nullptr);
    host::state().activePluginWindow = window;
    EXPECT_EQ(play("TableText(0, 0)").errorText(), "t.mac:1:1: the plug-in window shows no table");
    DestroyWindow(window);
    host::resetHost();
}

// ClipboardSave(".png") reads a CF_DIB: 24-bit rows padded to four bytes,
// top-down or bottom-up; other layouts and short blocks are refused.
TEST(MacroOutputStatements, PicturesFromTheClipboardKeepTheirRowsAndColours) {
    auto dib = [](int bits, LONG height, const std::vector<uint8_t> &rows) {
        BITMAPINFOHEADER h{sizeof h, 3, height, 1, static_cast<WORD>(bits), BI_RGB, 0, 0, 0, 0, 0};
        std::string block(reinterpret_cast<const char *>(&h), sizeof h);
        return block + std::string(rows.begin(), rows.end());
    };
    // Row A: blue, green, red; row B: white, black, grey; then the padding.
    const std::vector<uint8_t> a = {255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0};
    const std::vector<uint8_t> b = {255, 255, 255, 0, 0, 0, 128, 128, 128, 0, 0, 0};
    std::vector<uint8_t> topDown = a, bottomUp = b;
    topDown.insert(topDown.end(), b.begin(), b.end());
    bottomUp.insert(bottomUp.end(), a.begin(), a.end());
    const std::vector<uint32_t> expected = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x000000, 0x808080};
    for (const std::string &block : {dib(24, -2, topDown), dib(24, 2, bottomUp)}) {
        std::optional<plat::Image> image = host::macro::imageFromDib(block);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, 3);
        EXPECT_EQ(image->pixels, expected);
    }
    EXPECT_FALSE(host::macro::imageFromDib(dib(24, 2, a))) << "one row short";
    EXPECT_FALSE(host::macro::imageFromDib(dib(8, 2, topDown))) << "a palette picture";
}

// The report command into a folder made for it: no item registered, an empty list.
TEST(MacroOutputFiles, ReportWritesItsListIntoANewFolder) {
    const std::filesystem::path folder = std::filesystem::absolute("macro_report") / "new";
    std::filesystem::remove_all(folder.parent_path());
    EXPECT_FALSE(play("Report(\"" + folder.string() + "\")").error);
    EXPECT_EQ(std::filesystem::file_size(folder / "report.txt"), 0u);
}

// Each statement that writes a file, aimed at a name taken by a folder: the
// message names the file and the system's reason (never "Success"), and the
// folder and the files beside it are left alone.
TEST(MacroOutputFiles, AFailedWriteSaysWhyAndLeavesTheFolder) {
    const std::filesystem::path folder = std::filesystem::absolute("macro_taken");
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "shot.png");
    std::filesystem::create_directories(folder / "copy.txt");
    std::filesystem::create_directories(folder / "saved.pgm");
    std::filesystem::create_directories(folder / "report" / "report.txt");
    const std::string f = folder.string();
    const std::pair<std::string, std::string> kCases[] = {
        {"Snapshot(\"screen\", \"" + f + "/shot.png\")", "cannot write '" + f + "/shot.png': Is a directory"},
        {"ImgNew(2, 2, \"gray8\", \"ramp-x\")\nImgSave(\"" + f + "/saved.pgm\")",
         f + "/saved.pgm: cannot be written: Is a directory"},
        {"Report(\"" + f + "/report\")", "cannot write '" + f + "/report/report.txt': Is a directory"},
    };
    for (const auto &[script, message] : kCases) {
        const std::string error = play(script).errorText();
        EXPECT_NE(error.find(message), std::string::npos) << script << "\n" << error;
    }
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 4)
        << "a temporary file was left";
    EXPECT_EQ(host::macro::writeTextFile(f + "/copy.txt", "text"),
              "cannot write '" + f + "/copy.txt': Is a directory");
    host::resetHost();  // the image the script made, for the tests after this one
}

}  // namespace
