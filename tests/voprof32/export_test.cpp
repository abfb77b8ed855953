// Exports that cannot be written: a missing folder, an immutable file, a
// full disk. The save says so (-992 and the host's message naming the file
// and the reason) and the file keeps exactly its old bytes, replaced or
// appended to. And the clipboard export leaves no temporary file behind.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/host_state.h"
#include "export/clipboard_export.h"
#include "export/data_file.h"
#include "frame/macro_codes.h"
#include "module_fixture.h"

namespace {

using testing_support::ModuleTest;
namespace fs = std::filesystem;

std::string contents(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ExportTest : public ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        dir_ = fs::temp_directory_path() / ("voprof_export_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        openImage(64, 48, "gray8", "ramp-x");
        record_ = createProfile();
        ASSERT_TRUE(record_ && moveTo(record_, 2, 3, 40, 3));
    }
    void TearDown() override {
        std::system(("chattr -i '" + (dir_ / "kept.hst").string() + "' 2>/dev/null").c_str());
        fs::remove_all(dir_);
        ModuleTest::TearDown();
    }
    LONG save(const fs::path &path, WORD flags) {
        host::state().pluginFileFailure.reset();
        return ProfileSaveData(host, path.c_str(), record_, flags);
    }

    fs::path dir_;
    ProfileRecord *record_ = nullptr;
};

enum class Obstacle { MissingFolder, ImmutableFile, FullDisk };

struct FailureCase {
    Obstacle obstacle;
    const char *reason;  // the system's text the message carries
};

constexpr FailureCase kFailures[] = {
    {Obstacle::MissingFolder, "No such file or directory"},
    {Obstacle::ImmutableFile, "Operation not permitted"},
    {Obstacle::FullDisk, "File too large"},
};

TEST_F(ExportTest, AFailedSaveSaysWhyAndKeepsTheOldBytes) {
    for (const FailureCase &c : kFailures) {
        for (WORD flags :
             {WORD(S_DATA | S_HEADER | S_LEGEND | S_X_AXIS), WORD(S_DATA | S_APPEND | S_X_AXIS)}) {
            SCOPED_TRACE(c.reason + std::string(flags & S_APPEND ? ", append" : ", replace"));
            fs::path target = dir_ / "kept.hst";
            if (c.obstacle == Obstacle::MissingFolder) target = dir_ / "missing" / "kept.hst";
            if (c.obstacle != Obstacle::MissingFolder)
                std::ofstream(target, std::ios::binary) << "old bytes\r\n";
            if (c.obstacle == Obstacle::ImmutableFile &&
                std::system(("chattr +i '" + target.string() + "' 2>/dev/null").c_str()) != 0) {
                continue;  // chattr is not available here
            }
            if (c.obstacle == Obstacle::FullDisk) {
                // A forked child whose files may not pass 100 bytes, SIGXFSZ ignored.
                const pid_t child = fork();
                if (child == 0) {
                    signal(SIGXFSZ, SIG_IGN);
                    const rlimit cap{100, 100};
                    setrlimit(RLIMIT_FSIZE, &cap);
                    const bool said = save(target, flags) == PROFILE_SAVE_FAILED &&
                                      host::state().pluginFileFailure &&
                                      host::state().pluginFileFailure->find(c.reason) != std::string::npos;
                    _exit(said ? 0 : 1);
                }
                int status = 0;
                waitpid(child, &status, 0);
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            } else {
                EXPECT_EQ(save(target, flags), PROFILE_SAVE_FAILED);
                ASSERT_TRUE(host::state().pluginFileFailure);
                EXPECT_NE(host::state().pluginFileFailure->find("'" + target.string() + "': " + c.reason),
                          std::string::npos)
                    << *host::state().pluginFileFailure;
            }
            std::system(("chattr -i '" + target.string() + "' 2>/dev/null").c_str());
            if (c.obstacle != Obstacle::MissingFolder) {
                EXPECT_EQ(contents(target), "old bytes\r\n");
            }
            EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()),
                      c.obstacle == Obstacle::MissingFolder ? 0 : 1)
                << "no temporary file is left";
        }
    }
}

TEST_F(ExportTest, TheClipboardTextIsTheDataFileAndItsTemporaryFileIsGone) {
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    ProfileDataToClipboard(record_->profileWnd, record_, S_LEGEND | S_X_AXIS);
    ASSERT_EQ(save("data.hst", S_DATA | S_LEGEND | S_X_AXIS), 0);
    std::string text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE block = GetClipboardData(CF_TEXT)) text = static_cast<const char *>(GlobalLock(block));
        CloseClipboard();
    }
    fs::current_path(before);
    EXPECT_EQ(text, contents(dir_ / "data.hst"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

}  // namespace
