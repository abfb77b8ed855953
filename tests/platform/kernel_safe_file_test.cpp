// The safe writer: a replace or an append that fails (full disk, missing or
// unusable folder, a kill at any moment) leaves the old bytes exactly, and the
// failure names the file and the reason of the call that failed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <thread>

#include <platform/files.h>
#include <windows.h>

#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

class SafeFileTest : public testing_support::ScratchDirTest {
protected:
    SafeFileTest() : ScratchDirTest("vo_safe_") {}

    std::string path(const std::string &name) const { return (dir_ / name).string(); }
    static void put(const std::string &file, const std::string &bytes) {
        testing_support::writeBytes(file, bytes);
    }
    static std::string get(const std::string &file) { return testing_support::readBytes(file); }
    // The names in the folder, to see that no temporary file was left behind.
    size_t entries() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
};

// Runs `call` in a child whose files may not grow past `limit` bytes (the
// disk is "full" there), with SIGXFSZ ignored so the write fails with EFBIG.
// The child's exit status is what `call` returned.
int withFileSizeLimit(rlim_t limit, const std::function<int()> &call) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &cap);
        ::_exit(call());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

// 0 when the error is EFBIG and its message names the file with "File too large".
int fileTooLarge(const std::optional<plat::FileError> &error, const std::string &file) {
    if (!error) return 1;
    if (error->code != EFBIG) return 2;
    return error->message() == "cannot write '" + file + "': File too large" ? 0 : 3;
}

TEST_F(SafeFileTest, ReplacesWholeKeepingModeAndUserFilesNamedLikeTemporaries) {
    const std::string target = path("data.bin");
    put(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    put(target + ".part", "a user's file");
    put(path(".data.bin.user"), "another");
    ASSERT_FALSE(plat::replaceFile(target, "new bytes"));
    EXPECT_EQ(get(target), "new bytes");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(get(target + ".part"), "a user's file");
    EXPECT_EQ(get(path(".data.bin.user")), "another");
    EXPECT_EQ(entries(), 3u);
}

TEST_F(SafeFileTest, FailuresNameTheFileAndTheReasonAndLeaveNothingBehind) {
    put(path("plain"), "a file");
    fs::create_directories(path("folder"));
    struct Case {
        const char *name;
        const char *reason;
    };
    const Case kCases[] = {
        {"missing/x.txt", "No such file or directory"},  // a missing folder
        {"plain/x.txt", "Not a directory"},              // a path under a file: no folder to write in
        {"folder", "Is a directory"},                    // a folder in the way
    };
    for (const Case &c : kCases) {
        const std::string target = path(c.name);
        for (auto write : {plat::replaceFile, plat::appendToFile}) {
            std::optional<plat::FileError> error = write(target, "bytes");
            ASSERT_TRUE(error) << c.name;
            EXPECT_EQ(error->message(), "cannot write '" + target + "': " + c.reason);
        }
    }
    EXPECT_EQ(get(path("plain")), "a file");
    EXPECT_EQ(entries(), 2u);
}

// An immutable folder refuses even root; only where chattr works.
TEST_F(SafeFileTest, AReadOnlyFolderKeepsTheOldFile) {
    const std::string target = path("kept.txt");
    put(target, "old");
    const std::string lock = "chattr +i '" + dir_.string() + "' 2>/dev/null";
    if (std::system(lock.c_str()) != 0) GTEST_SKIP() << "chattr +i is not available here";
    std::optional<plat::FileError> error = plat::replaceFile(target, "new");
    std::system(("chattr -i '" + dir_.string() + "'").c_str());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, EPERM);
    EXPECT_EQ(get(target), "old");
}

TEST_F(SafeFileTest, AFullDiskLeavesTheOldFileByteForByte) {
    const std::string target = path("image.tif");
    const std::string old(3000, 'o');
    put(target, old);
    EXPECT_EQ(
        withFileSizeLimit(
            1000, [&] { return fileTooLarge(plat::replaceFile(target, std::string(5000, 'n')), target); }),
        0);
    EXPECT_EQ(get(target), old);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SafeFileTest, AnAppendThatFailsPartWayIsCutBackToTheOldLength) {
    const std::string grown = path("grown.txt"), made = path("made.txt");
    put(grown, std::string(500, 'o'));
    EXPECT_EQ(
        withFileSizeLimit(
            800, [&] { return fileTooLarge(plat::appendToFile(grown, std::string(1000, 'n')), grown); }),
        0);
    EXPECT_EQ(get(grown), std::string(500, 'o'));
    // A file the failed append created is gone again.
    EXPECT_EQ(withFileSizeLimit(
                  800, [&] { return fileTooLarge(plat::appendToFile(made, std::string(1000, 'n')), made); }),
              0);
    EXPECT_FALSE(fs::exists(made));
    ASSERT_FALSE(plat::appendToFile(grown, "tail"));
    EXPECT_EQ(get(grown), std::string(500, 'o') + "tail");
}

// A child saves a large file over the old one again and again and is killed
// at pseudo-random moments: the file always holds the old or the new bytes.
TEST_F(SafeFileTest, AKillAtAnyMomentLeavesOldOrNewBytes) {
    const std::string target = path("big.dat");
    std::string old(1 << 20, '\0'), fresh(1 << 20, '\0');
    for (size_t i = 0; i < old.size(); ++i) {
        old[i] = static_cast<char>(i * 7);
        fresh[i] = static_cast<char>(i * 13 + 1);
    }
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> microseconds(0, 30000);
    int sawNew = 0;
    for (int round = 0; round < 20; ++round) {
        put(target, old);
        const pid_t child = ::fork();
        if (child == 0) {
            for (;;) plat::replaceFile(target, fresh);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = get(target);
        ASSERT_TRUE(now == old || now == fresh) << "round " << round << ": " << now.size() << " bytes";
        sawNew += now == fresh;
        // A kill leaves its temporary file (never the target) behind.
        for (const fs::directory_entry &entry : fs::directory_iterator(dir_))
            if (entry.path() != target) fs::remove(entry.path());
    }
    RecordProperty("rounds_with_new_bytes", sawNew);
}

// The INI file is replaced whole: a failed write keeps the other sections,
// says why through takeProfileWriteFailure, and long paths work.
TEST_F(SafeFileTest, AFailedSettingsWriteKeepsEveryOtherSection) {
    const std::string ini = path("settings.ini");
    std::string content = "[Other]\r\n";
    for (int i = 0; i < 1000; ++i)
        content += "Key" + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
    put(ini, content);
    const int status = withFileSizeLimit(1000, [&] {
        if (WritePrivateProfileStringA("PROFLIB", "Display", "2", ini.c_str())) return 1;
        if (GetLastError() == ERROR_SUCCESS) return 2;
        return fileTooLarge(plat::takeProfileWriteFailure(), ini) == 0 && !plat::takeProfileWriteFailure()
                   ? 0
                   : 3;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(get(ini), content);
    EXPECT_EQ(entries(), 1u);

    // A folder named as the settings file is not "rewritten from nothing".
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "V", dir_.c_str()));
    std::optional<plat::FileError> failure = plat::takeProfileWriteFailure();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->reason(), "Is a directory");

    const std::string longPath = path(std::string(150, 'd') + "/" + std::string(100, 's') + ".ini");
    fs::create_directories(fs::path(longPath).parent_path());
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "V", longPath.c_str()));
    char value[8] = "";
    GetPrivateProfileStringA("S", "K", "", value, sizeof value, longPath.c_str());
    EXPECT_STREQ(value, "V");
}

}  // namespace
