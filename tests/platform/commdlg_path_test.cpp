// The path a file dialog returns for an answer: directory, default
// extension, and the offsets of the file name and extension.
#include <gtest/gtest.h>

#include "commdlg/chosen_path.h"
#include "commdlg/file_dialog_template.h"

namespace {

using plat::commdlg::resolveChosenPath;

// The rows without a path name no file (empty, a folder, too long): refused.
TEST(ChosenPath, ResolvesDirectoryExtensionAndOffsets) {
    const struct {
        std::string answer;
        const char *initialDir, *defExt, *path;
        int fileOffset, extensionOffset;
    } cases[] = {
        {"data", "/home/u", "txt", "/home/u/data.txt", 8, 13},
        {"data", "/home/u/", "txt", "/home/u/data.txt", 8, 13},
        {"sub/data.csv", "/d", "txt", "/d/sub/data.csv", 7, 12},
        {"/abs/data", "/ignored", "hst", "/abs/data.hst", 5, 10},
        {"data", nullptr, "txt", "data.txt", 0, 5},
        {"data", "", "text", "data.tex", 0, 5},    // only three characters are appended
        {"data", "/d", nullptr, "/d/data", 3, 7},  // no extension: the offset of the NUL
        {"data.", "/d", "txt", "/d/data.", 3, 0},  // a final dot: offset 0
        {"v1.2/data", "/d", "txt", "/d/v1.2/data.txt", 8, 13},
        {"a.b.c", "", "txt", "a.b.c", 0, 4},
        {"", "/d", "txt", nullptr, 0, 0},
        {"dir/", "/d", "txt", nullptr, 0, 0},
        {std::string(70000, 'a'), "/d", "txt", nullptr, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer.substr(0, 20));
        auto chosen = resolveChosenPath(c.answer, c.initialDir, c.defExt);
        ASSERT_EQ(chosen.has_value(), c.path != nullptr);
        if (!chosen) continue;
        EXPECT_EQ(chosen->path, c.path);
        EXPECT_EQ(chosen->fileOffset, c.fileOffset);
        EXPECT_EQ(chosen->extensionOffset, c.extensionOffset);
    }
}

TEST(FileDialogTemplate, FilterDescriptionFollowsTheFilterIndex) {
    const char filter[] = "Profile data (*.hst)\0*.hst\0Text (*.txt)\0*.txt\0";
    EXPECT_EQ(plat::commdlg::filterDescription(filter, 0), "Profile data (*.hst)");
    EXPECT_EQ(plat::commdlg::filterDescription(filter, 2), "Text (*.txt)");
    EXPECT_EQ(plat::commdlg::filterDescription(filter, 3), "Profile data (*.hst)");
    EXPECT_EQ(plat::commdlg::filterDescription(nullptr, 1), "");
}

}  // namespace
