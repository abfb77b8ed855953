// voprof run stopped by SIGINT or SIGTERM: a child voprof plays a script that
// makes a large image or saves a file again and again; once its progress shows
// on stderr it is signalled. It must exit with the interrupted status, name the
// script line, and leave the file it was writing whole and no temporary file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

constexpr int kInterruptedStatus = 130;  // voprof --help

struct Outcome {
    int status = -1;  // exit status, or -1 when the child did not exit normally
    std::string out, err;
};

std::string readAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
    return text;
}

std::string fileText(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class CliInterruptTest : public testing_support::ScratchDirTest {
protected:
    CliInterruptTest() : ScratchDirTest("vo_cli_interrupt_") {}

    // Plays `script` in the scratch folder and sends `signal` when the first
    // progress line comes (with progress on: stderr is a pipe, so plain lines).
    Outcome runAndSignal(const std::string &script, int signal) {
        std::ofstream(dir_ / "script.mac") << script;
        int err[2], out[2];
        if (::pipe(err) != 0 || ::pipe(out) != 0) return {};
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::dup2(err[1], STDERR_FILENO);
            ::close(out[0]), ::close(err[0]), ::close(out[1]), ::close(err[1]);
            if (::chdir(dir_.c_str()) != 0) ::_exit(126);
            ::unsetenv("VO_PROGRESS");
            ::setenv("HOME", dir_.c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
            ::execl(VOPROF, VOPROF, "run", "script.mac", "--no-module", static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]), ::close(err[1]);
        Outcome outcome;
        char c;
        while (::read(err[0], &c, 1) == 1) {
            outcome.err += c;
            if (c == '\n') break;
        }
        ::kill(child, signal);
        outcome.err += readAll(err[0]);
        outcome.out = readAll(out[0]);
        ::close(out[0]), ::close(err[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
        return outcome;
    }

    // Every file left in the scratch folder whose name starts with a dot.
    std::vector<std::string> hiddenFiles() const {
        std::vector<std::string> found;
        for (const fs::directory_entry &e : fs::recursive_directory_iterator(dir_))
            if (e.path().filename().string()[0] == '.') found.push_back(e.path().string());
        return found;
    }
};

std::string saveLoop(int saves) {
    std::string script = "ImgNew(1024, 1024, \"gray16\", \"ramp-y\")\nImgSave(\"ref.tif\")\n";
    for (int i = 0; i < saves; ++i) script += "ImgSave(\"out.tif\")\n";
    return script;
}

// Large images made and closed one after another: long enough together for
// progress to show however quickly one is made.
std::string imageLoop(int images) {
    std::string script;
    for (int i = 0; i < images; ++i) script += "ImgNew(32768, 32768, \"gray8\", \"ramp-x\")\nImgClose()\n";
    return script + "ImgInfo()\n";
}

struct Case {
    const char *what;
    std::string script;
    int signal;
    bool saves;  // out.tif must then be exactly ref.tif
};

TEST_F(CliInterruptTest, StopsAtTheNextCheckPointAndLeavesNoPartialFile) {
    const Case cases[] = {
        {"making large images, SIGINT", imageLoop(20), SIGINT, false},
        {"saving again and again, SIGINT", saveLoop(20000), SIGINT, true},
        {"saving again and again, SIGTERM", saveLoop(20000), SIGTERM, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome outcome = runAndSignal(c.script, c.signal);
        EXPECT_EQ(outcome.status, kInterruptedStatus) << outcome.err;
        EXPECT_TRUE(std::regex_search(outcome.err, std::regex("\nscript\\.mac:[0-9]+:1: interrupted\n$")))
            << outcome.err;
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(hiddenFiles(), std::vector<std::string>{});
        if (c.saves) {
            ASSERT_TRUE(fs::exists(dir_ / "ref.tif"));
            EXPECT_TRUE(fileText(dir_ / "out.tif") == fileText(dir_ / "ref.tif"));
        }
        fs::remove(dir_ / "out.tif");
    }
}

}  // namespace
