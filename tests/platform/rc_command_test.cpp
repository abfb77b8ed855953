// vorc as the build runs it: exit status, the file:line message on stderr,
// the generated source and the depfile.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "codegen.h"
#include "support/scratch_dir.h"

namespace {

struct VorcRun {
    int status = -1;
    std::string output;  // stdout and stderr together
};

VorcRun runVorc(const std::string &arguments) {
    VorcRun run;
    const std::string command = std::string(VORC_PATH) + " " + arguments + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[512];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string dataDir() {
    return std::string(VO_TEST_DATA_DIR) + "/rc";
}

class RcCommand : public testing_support::ScratchDirTest {
protected:
    RcCommand() : ScratchDirTest("vorc_test_") {}
};

TEST_F(RcCommand, BrokenScriptsFailWithFileLineAndReason) {
    const std::string output = (dir_ / "out.cpp").string();
    VorcRun keyword = runVorc(dataDir() + "/broken_keyword.rc -o " + output);
    EXPECT_EQ(keyword.status, 1);
    EXPECT_EQ(keyword.output, dataDir() + "/broken_keyword.rc:5: unknown keyword 'TRACKBAR' in a dialog\n");
    VorcRun icon = runVorc(dataDir() + "/broken_icon.rc -o " + output);
    EXPECT_EQ(icon.status, 1);
    EXPECT_EQ(icon.output, dataDir() + "/broken_icon.rc:7: cannot open icon file 'absent.ico'\n");
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(RcCommand, WrongUsageExitsWithTwo) {
    EXPECT_EQ(runVorc("").status, 2);
    EXPECT_EQ(runVorc(dataDir() + "/module.rc").status, 2);  // no -o
    EXPECT_EQ(runVorc(dataDir() + "/module.rc -o " + (dir_ / "x.cpp").string() + " --bogus").status, 2);
}

TEST_F(RcCommand, WritesSourceAndDepfileListingEveryInput) {
    const std::string output = (dir_ / "module_rc.cpp").string();
    VorcRun run = runVorc(dataDir() + "/module.rc -o " + output + " --depfile " + output + ".d");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "");
    EXPECT_NE(testing_support::readBytes(output).find("registerModule(instanceOf(&kResources), &kResources)"),
              std::string::npos);
    const std::string depfile = testing_support::readBytes(output + ".d");
    EXPECT_EQ(depfile.rfind(output + ":", 0), 0u) << depfile;
    for (const char *input : {"module.rc", "module_ids.h", "app.ico", "png.ico", "pointer.cur"}) {
        EXPECT_NE(depfile.find(dataDir() + "/" + input), std::string::npos) << input;
    }
}

TEST(RcCodegen, StringLiteralsEscapeAllButPrintableAsciiAndDepfilesEscapeSpaces) {
    EXPECT_EQ(rc::cppStringLiteral("plain text"), "\"plain text\"");
    EXPECT_EQ(rc::cppStringLiteral("q\"b\\"), "\"q\\\"b\\\\\"");
    EXPECT_EQ(rc::cppStringLiteral("\t\xC2\xB5?1"), "\"\\011\\302\\265\\0771\"");
    EXPECT_EQ(rc::cppStringLiteral(std::string("a\0b", 3)), "std::string(\"a\\000b\", 3)");
    // Make reads spaces in a depfile as separators.
    EXPECT_EQ(rc::generateDepfile("out dir/a.cpp", {"my dir/a.rc"}),
              "out\\ dir/a.cpp: \\\n  my\\ dir/a.rc\n");
}

}  // namespace
