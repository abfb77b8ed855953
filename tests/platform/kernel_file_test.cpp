// Temporary file names, the HFILE family, OpenFile and DeleteFileA.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <windows.h>

#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

class FileTest : public testing_support::ScratchDirTest {
protected:
    FileTest() : ScratchDirTest("vo_file_") {}
    std::string path(const char *name) const { return (dir_ / name).string(); }
};

constexpr UINT kReadError = static_cast<UINT>(HFILE_ERROR);

TEST_F(FileTest, TempNamesAreUniqueCreatedEmptyAndSkipTakenNames) {
    char first[MAX_PATH], taken[MAX_PATH], next[MAX_PATH];
    UINT n = GetTempFileNameA(dir_.c_str(), "prefix", 0, first);
    ASSERT_NE(n, 0u);
    char expected[32];
    std::snprintf(expected, sizeof expected, "pre%X.TMP", n);
    EXPECT_EQ(std::string(first), path(expected));
    EXPECT_EQ(fs::file_size(first), 0u);
    // A name made with an explicit number is only a name; once that file
    // exists, the counter moves past it.
    ASSERT_EQ(GetTempFileNameA((dir_.string() + "/").c_str(), "prefix", n + 1, taken), n + 1);
    EXPECT_FALSE(fs::exists(taken));
    std::ofstream(taken) << "occupied";
    EXPECT_EQ(GetTempFileNameA(dir_.c_str(), "prefix", 0, next), n + 2);
    EXPECT_TRUE(fs::exists(next));
    EXPECT_EQ(fs::file_size(taken), 8u);
    EXPECT_EQ(GetTempFileNameA(dir_.c_str(), "ab", 0x1A2B, next), 0x1A2Bu);
    EXPECT_EQ(std::string(next), path("ab1A2B.TMP"));
    EXPECT_EQ(GetTempFileNameA(path("missing").c_str(), "x", 0, next), 0u);
}

TEST_F(FileTest, WriteSeekReadRoundTrip) {
    std::string p = path("data.bin");
    HFILE f = _lcreat(p.c_str(), 0);
    ASSERT_NE(f, HFILE_ERROR);
    EXPECT_EQ(_lwrite(f, "hello world", 11), 11u);
    EXPECT_EQ(_llseek(f, 6, FILE_BEGIN), 6);
    char buf[16] = {};
    EXPECT_EQ(_lread(f, buf, sizeof buf), 5u);
    EXPECT_STREQ(buf, "world");
    EXPECT_EQ(_llseek(f, -5, FILE_END), 6);
    EXPECT_EQ(_llseek(f, -2, FILE_CURRENT), 4);
    EXPECT_EQ(_llseek(f, -10, FILE_BEGIN), HFILE_ERROR);
    EXPECT_EQ(_llseek(f, 0, 7), HFILE_ERROR);
    EXPECT_EQ(_llseek(f, 0, FILE_CURRENT), 4);
    EXPECT_EQ(_lwrite(f, "", 0), 0u);  // cuts the file at the position
    EXPECT_EQ(_lclose(f), 0);
    f = _lopen(p.c_str(), OF_READ);
    EXPECT_EQ(_llseek(f, 0, FILE_END), 4);
    EXPECT_EQ(_lclose(f), 0);
}

TEST_F(FileTest, AccessModesAreEnforced) {
    std::string p = path("modes.bin");
    _lclose(_lcreat(p.c_str(), 0));
    char c;
    HFILE r = _lopen(p.c_str(), OF_READ), w = _lopen(p.c_str(), OF_WRITE),
          rw = _lopen(p.c_str(), OF_READWRITE);
    EXPECT_EQ(_lwrite(r, "x", 1), kReadError);
    EXPECT_EQ(_lread(w, &c, 1), kReadError);
    EXPECT_EQ(_lwrite(rw, "x", 1), 1u);
    for (HFILE f : {r, w, rw}) _lclose(f);
    EXPECT_EQ(_lopen(path("absent").c_str(), OF_READ), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(FileTest, ClosedOrInventedHandlesFail) {
    HFILE f = _lcreat(path("c.bin").c_str(), 0);
    ASSERT_EQ(_lclose(f), 0);
    char c;
    EXPECT_EQ(_lclose(f), HFILE_ERROR);
    EXPECT_EQ(_lread(f, &c, 1), kReadError);
    EXPECT_EQ(_llseek(f, 0, FILE_BEGIN), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(_lwrite(1, "x", 1), kReadError);  // stdout is no HFILE
}

TEST_F(FileTest, OpenFileCreatesTestsAndDeletes) {
    std::string p = path("of.bin");
    OFSTRUCT of{};
    EXPECT_EQ(OpenFile(p.c_str(), &of, OF_EXIST), HFILE_ERROR);
    EXPECT_EQ(of.nErrCode, ERROR_FILE_NOT_FOUND);
    HFILE f = OpenFile(p.c_str(), &of, OF_CREATE | OF_WRITE);
    EXPECT_EQ(_lwrite(f, "abc", 3), 3u);
    _lclose(f);
    EXPECT_STREQ(of.szPathName, p.c_str());
    EXPECT_NE(OpenFile(p.c_str(), &of, OF_EXIST), HFILE_ERROR);
    EXPECT_NE(OpenFile(p.c_str(), &of, OF_DELETE), HFILE_ERROR);
    EXPECT_FALSE(fs::exists(p));
    EXPECT_EQ(OpenFile(p.c_str(), &of, OF_DELETE), HFILE_ERROR);
}

TEST_F(FileTest, DeleteFileReportsMissingFilesAndRefusesDirectories) {
    std::string p = path("d.bin");
    std::ofstream(p) << "x";
    EXPECT_TRUE(DeleteFileA(p.c_str()));
    EXPECT_FALSE(DeleteFileA(p.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(DeleteFileA(dir_.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

}  // namespace
