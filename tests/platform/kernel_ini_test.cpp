// INI files: reading as Windows reads them, and writes that change only the
// lines they must.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include <platform/files.h>
#include <windows.h>

#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

class IniTest : public testing_support::ScratchDirTest {
protected:
    IniTest() : ScratchDirTest("vo_ini_") {}
    void SetUp() override {
        ScratchDirTest::SetUp();
        path_ = (dir_ / "test.ini").string();
    }

    void writeFile(const std::string &bytes) { testing_support::writeBytes(path_, bytes); }
    std::string readFile() const { return testing_support::readBytes(path_); }
    std::string get(const char *section, const char *key, const char *def = "") {
        char buf[256];
        GetPrivateProfileStringA(section, key, def, buf, sizeof buf, path_.c_str());
        return buf;
    }
    // A NUL-separated list as returned for a NULL section or key.
    std::string list(const char *section, DWORD size, DWORD *result) {
        char buf[256];
        std::memset(buf, 'x', sizeof buf);
        *result = GetPrivateProfileStringA(section, nullptr, "", buf, size, path_.c_str());
        return std::string(buf, size);
    }

    std::string path_;
};

TEST_F(IniTest, LooksUpIgnoringCaseThenTrimsAndUnquotes) {
    writeFile("[Window]\n  Width =  640 \t\nq=\"quoted \"\nc='single'\nu=\"unbalanced\nk=1\nk=2\n");
    EXPECT_EQ(get("window", "WIDTH"), "640");
    EXPECT_EQ(get("WINDOW", "q"), "quoted ");
    EXPECT_EQ(get("window", "c"), "single");
    EXPECT_EQ(get("window", "u"), "\"unbalanced");
    EXPECT_EQ(get("window", "k"), "1");
}

TEST_F(IniTest, MissingKeySectionOrFileGivesDefaultWithoutTrailingBlanks) {
    writeFile("[s]\nk=v\n");
    EXPECT_EQ(get("s", "other", "dflt  "), "dflt");
    EXPECT_EQ(get("none", "k", "d"), "d");
    EXPECT_EQ(get("s", "other", nullptr), "");
    fs::remove(path_);
    EXPECT_EQ(get("s", "k", "gone"), "gone");
}

TEST_F(IniTest, NullKeyListsKeysAndNullSectionListsSections) {
    writeFile("[one]\na=1\n; note\nb\n[Two]\n[ONE]\nc=3\n");
    DWORD n = 0;
    EXPECT_EQ(list("one", 8, &n).substr(0, 5), std::string("a\0b\0\0", 5));
    EXPECT_EQ(n, 4u);
    EXPECT_EQ(list(nullptr, 16, &n).substr(0, 9), std::string("one\0Two\0\0", 9));
    EXPECT_EQ(n, 8u);
    EXPECT_EQ(list("missing", 8, &n).substr(0, 2), std::string("\0\0", 2));
    EXPECT_EQ(n, 0u);
}

TEST_F(IniTest, TruncationReturnsSizeMinusOneOrMinusTwoForLists) {
    writeFile("[alpha]\nk=abcdef\n[beta]\n");
    char buf[4];
    EXPECT_EQ(GetPrivateProfileStringA("alpha", "k", "", buf, sizeof buf, path_.c_str()), 3u);
    EXPECT_STREQ(buf, "abc");
    DWORD n = 0;
    EXPECT_EQ(list(nullptr, 8, &n), std::string("alpha\0\0\0", 8));
    EXPECT_EQ(n, 6u);
}

TEST_F(IniTest, ProfileIntParsesLikeWindows) {
    const struct {
        const char *text;
        UINT expected;
    } cases[] = {
        {"12", 12},        {"  42", 42},   {"-7", static_cast<UINT>(-7)},
        {"12abc", 12},     {"0x10", 0},    {"abc", 0},
        {"+5", 0},         {"\"33\"", 33}, {"007", 7},
        {"4294967297", 1},
    };
    for (const auto &c : cases) {
        writeFile(std::string("[s]\nk=") + c.text + "\n");
        EXPECT_EQ(GetPrivateProfileIntA("s", "k", 99, path_.c_str()), c.expected) << c.text;
    }
    writeFile("[s]\nempty=\n");
    EXPECT_EQ(GetPrivateProfileIntA("s", "empty", 99, path_.c_str()), 99u);
    EXPECT_EQ(GetPrivateProfileIntA("s", "missing", -3, path_.c_str()), static_cast<UINT>(-3));
    EXPECT_EQ(GetPrivateProfileIntA("nosection", "k", 5, path_.c_str()), 5u);
}

TEST_F(IniTest, WritesChangeOnlyTheLinesTheyMust) {
    struct Case {
        const char *name, *before, *section, *key, *value, *after;
    };
    const Case cases[] = {
        {"a changed value keeps every other byte",
         "; settings\r\n\r\n[Window]\r\n  Width = 640   ; px\r\nHeight=480\r\n\r\n[Other]\r\nx=1", "window",
         "WIDTH", "800", "; settings\r\n\r\n[Window]\r\n  Width=800\r\nHeight=480\r\n\r\n[Other]\r\nx=1"},
        {"a new key goes after the section's last key", "[a]\nk=1\n\n; about b\n[b]\nz=2\n", "a", "new", "v",
         "[a]\nk=1\nnew=v\n\n; about b\n[b]\nz=2\n"},
        {"a new section takes the file's line ending", "[a]\nk=1", "b", "k", "2", "[a]\nk=1\n\n[b]\nk=2\n"},
        {"a null string deletes the key only", "[s]\r\na=1\r\n; keep\r\nb=2\r\n", "S", "A", nullptr,
         "[s]\r\n; keep\r\nb=2\r\n"},
        {"a null key deletes the whole section", "[a]\nx=1\n\n[b]\ny=2\n; tail of b\n[c]\nz=3\n", "B",
         nullptr, nullptr, "[a]\nx=1\n\n[c]\nz=3\n"},
    };
    for (const Case &c : cases) {
        writeFile(c.before);
        ASSERT_TRUE(WritePrivateProfileStringA(c.section, c.key, c.value, path_.c_str())) << c.name;
        EXPECT_EQ(readFile(), c.after) << c.name;
    }
}

TEST_F(IniTest, WritingCreatesAMissingFileWithCrLfButDeletingDoesNot) {
    EXPECT_TRUE(WritePrivateProfileStringA("s", "k", nullptr, path_.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("s", nullptr, nullptr, path_.c_str()));
    EXPECT_FALSE(fs::exists(path_));
    ASSERT_TRUE(WritePrivateProfileStringA("Prof", "Mode", "2", path_.c_str()));
    EXPECT_EQ(readFile(), "[Prof]\r\nMode=2\r\n");
    EXPECT_EQ(GetPrivateProfileIntA("prof", "mode", 0, path_.c_str()), 2u);
}

// Inside a batch the file on disk stays as it was while reads see the
// writes; the batch's end (or Windows' all-NULL flush) writes the same bytes
// the writes one by one would have.
TEST_F(IniTest, ABatchWritesTheFileOnceWithTheSameBytes) {
    const std::string start = "[Other]\r\nA=1\r\n[Prof]\r\nOld=x\r\n";
    const std::string direct = (dir_ / "direct.ini").string();
    testing_support::writeBytes(direct, start);
    writeFile(start);
    auto writeAll = [](const char *file) {
        WritePrivateProfileStringA("Prof", "Mode", "2", file);
        WritePrivateProfileStringA("Prof", "Old", nullptr, file);
        WritePrivateProfileStringA("Other", nullptr, nullptr, file);
        WritePrivateProfileStringA("New", "Key", "v", file);
    };
    writeAll(direct.c_str());
    {
        plat::ProfileWriteBatch batch;
        writeAll(path_.c_str());
        EXPECT_EQ(readFile(), start);
        EXPECT_EQ(get("Prof", "Mode"), "2");
        EXPECT_EQ(get("Other", "A", "gone"), "gone");
        { plat::ProfileWriteBatch inner; }
        EXPECT_EQ(readFile(), start) << "an inner batch does not write";
    }
    EXPECT_EQ(readFile(), testing_support::readBytes(direct));
    plat::ProfileWriteBatch batch;
    WritePrivateProfileStringA("Prof", "Mode", "3", path_.c_str());
    EXPECT_TRUE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(GetPrivateProfileIntA("Prof", "Mode", 0, path_.c_str()), 3u);
    EXPECT_NE(readFile().find("Mode=3"), std::string::npos);
}

}  // namespace
