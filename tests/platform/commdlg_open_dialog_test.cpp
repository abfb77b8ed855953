// The Open dialog's folder view: which names a folder lists for a type, and
// the dialog driven by a hand (rows clicked and double-clicked, a type
// chosen, a name typed, OK, Return and Cancel) or answered by the chooser after
// navigating.
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <platform/embed.h>

#include "commdlg/file_dialog_template.h"
#include "commdlg/folder_listing.h"
#include "support/scratch_dir.h"

namespace {

using namespace plat::commdlg;

constexpr char kFilter[] = "Images (*.tif;*.tiff;*.png)\0*.tif;*.tiff;*.png\0All files (*.*)\0*.*\0";

TEST(FolderListing, PatternsMatchAsWindowsDoes) {
    struct Case {
        const char *name;
        const char *patterns;
        bool matches;
    } cases[] = {
        {"a.tif", "*.tif;*.png", true},
        {"A.TIF", "*.tif", true},
        {"a.tiff", "*.tif", false},
        {"a.tiff", "*.tif; *.tiff", true},
        {"a.png.bak", "*.png", false},
        {"noext", "*.*", true},
        {"noext", "*", true},
        {"img7.pgm", "img?.pgm", true},
        {"img17.pgm", "img?.pgm", false},
        {"a.b.c", "*.c", true},
        {"abc", "a*b*c", true},
        {"abcb", "a*b", true},
        {"", "*.tif", false},
        {"a.tif", "", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(matchesPatterns(c.name, c.patterns), c.matches) << c.name << " " << c.patterns;
}

TEST(FolderListing, FilterPairs) {
    EXPECT_EQ(filterDescriptions(kFilter),
              (std::vector<std::string>{"Images (*.tif;*.tiff;*.png)", "All files (*.*)"}));
    EXPECT_EQ(filterPatterns(kFilter, 1), "*.tif;*.tiff;*.png");
    EXPECT_EQ(filterPatterns(kFilter, 2), "*.*");
    EXPECT_EQ(filterPatterns(kFilter, 9), "*.tif;*.tiff;*.png");  // no such pair: the first
    EXPECT_EQ(filterPatterns(nullptr, 1), "*.*");
    EXPECT_TRUE(filterDescriptions(nullptr).empty());
}

class OpenDialogTest : public testing_support::ScratchDirTest {
protected:
    OpenDialogTest() : ScratchDirTest("vo_open_") {}
    void SetUp() override {
        ScratchDirTest::SetUp();
        for (const char *folder : {"Zeta", "alpha", ".git"}) std::filesystem::create_directory(dir_ / folder);
        for (const char *file : {"b.TIF", "a.png", "notes.txt", ".hidden.png", "alpha/inner.png"})
            std::ofstream(dir_ / file) << "x";
        folder_ = dir_.string();
        ofn_.lStructSize = sizeof ofn_;
        ofn_.lpstrFilter = kFilter;
        ofn_.nFilterIndex = 1;
        ofn_.lpstrFile = file_;
        ofn_.nMaxFile = sizeof file_;
        ofn_.lpstrInitialDir = folder_.c_str();
    }
    void TearDown() override {
        plat::setSaveFileChooser({});
        plat::resetWindowManager();
        ScratchDirTest::TearDown();
    }

    // Plays the steps one at a time while the dialog waits for input.
    void handSteps(std::deque<std::function<void(HWND)>> steps) {
        plat::setModalIdleHandler([steps = std::move(steps)]() mutable {
            if (steps.empty()) return false;
            std::function<void(HWND)> step = std::move(steps.front());
            steps.pop_front();
            step(GetActiveWindow());
            return true;
        });
    }

    std::string folder_;
    char file_[MAX_PATH] = {};
    OPENFILENAMEA ofn_{};
};

std::vector<std::string> listRows(HWND dialog, int id) {
    HWND list = GetDlgItem(dialog, id);
    std::vector<std::string> rows;
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[MAX_PATH] = "";
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        rows.emplace_back(text);
    }
    return rows;
}

std::string itemText(HWND dialog, int id) {
    char text[MAX_PATH] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// Clicks (or double-clicks) the row of a list box that shows the text, as a hand does.
void clickRow(HWND dialog, int id, const std::string &text, bool twice = false) {
    HWND list = GetDlgItem(dialog, id);
    const auto row = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(text.c_str()));
    ASSERT_GE(row, 0) << text;
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list, &centre);
    plat::inputMouseMove(centre.x, centre.y);
    plat::inputMouseDown(plat::MouseButton::Left);
    plat::inputMouseUp(plat::MouseButton::Left);
    if (twice) {
        plat::inputDoubleClick(plat::MouseButton::Left);
        plat::inputMouseUp(plat::MouseButton::Left);
    }
}

TEST_F(OpenDialogTest, HandBrowsesFoldersAndTypes) {
    const std::vector<std::string> top = {"../", "alpha/", "Zeta/", "a.png", "b.TIF"};
    handSteps({
        [&](HWND d) {
            EXPECT_EQ(itemText(d, kFolderId), folder_);
            EXPECT_EQ(listRows(d, kFileListId), top);
            EXPECT_EQ(listRows(d, kFileTypeId), filterDescriptions(kFilter));
            clickRow(d, kFileListId, "alpha/", true);
        },
        [&](HWND d) {
            EXPECT_EQ(itemText(d, kFolderId), folder_ + "/alpha");
            EXPECT_EQ(listRows(d, kFileListId), (std::vector<std::string>{"../", "inner.png"}));
            clickRow(d, kFileListId, "../", true);
        },
        [&](HWND d) {
            EXPECT_EQ(itemText(d, kFolderId), folder_);
            EXPECT_EQ(listRows(d, kFileListId), top);
            clickRow(d, kFileListId, "Zeta/");  // one click only selects a folder
            clickRow(d, kFileTypeId, "All files (*.*)");
        },
        [&](HWND d) {
            EXPECT_EQ(itemText(d, kFolderId), folder_);
            EXPECT_EQ(listRows(d, kFileListId),
                      (std::vector<std::string>{"../", "alpha/", "Zeta/", "a.png", "b.TIF", "notes.txt"}));
            clickRow(d, kFileListId, "notes.txt");
        },
        [&](HWND d) {
            EXPECT_EQ(itemText(d, kFileNameEditId), "notes.txt");
            // A typed folder name opens the folder instead of ending the dialog.
            SetDlgItemTextA(d, kFileNameEditId, "alpha");
            plat::clickWindow(GetDlgItem(d, IDOK));
        },
        [&](HWND d) {
            EXPECT_EQ(itemText(d, kFolderId), folder_ + "/alpha");
            EXPECT_EQ(itemText(d, kFileNameEditId), "");
            SetDlgItemTextA(d, kFileNameEditId, "typed.png");
            plat::clickWindow(GetDlgItem(d, IDOK));
        },
    });
    ASSERT_TRUE(GetOpenFileNameA(&ofn_));
    EXPECT_EQ(std::string(file_), folder_ + "/alpha/typed.png");
    EXPECT_STREQ(file_ + ofn_.nFileOffset, "typed.png");
    EXPECT_EQ(ofn_.nFilterIndex, 2u);
}

TEST_F(OpenDialogTest, DoubleClickOnAFileChoosesIt) {
    handSteps({[&](HWND d) { clickRow(d, kFileListId, "b.TIF", true); }});
    ASSERT_TRUE(GetOpenFileNameA(&ofn_));
    EXPECT_EQ(std::string(file_), folder_ + "/b.TIF");
    EXPECT_EQ(ofn_.nFilterIndex, 1u);
}

TEST_F(OpenDialogTest, NameTypedAndReturnChooseTheFile) {
    handSteps({[&](HWND d) {
        EXPECT_EQ(GetFocus(), GetDlgItem(d, kFileNameEditId)) << "the name edit starts with the focus";
        for (char c : std::string("typed.png")) plat::inputChar(static_cast<unsigned char>(c));
        plat::inputKeyDown(VK_RETURN);
        plat::inputKeyUp(VK_RETURN);
    }});
    ASSERT_TRUE(GetOpenFileNameA(&ofn_));
    EXPECT_EQ(std::string(file_), folder_ + "/typed.png");
}

TEST_F(OpenDialogTest, CancelReturnsNothing) {
    std::strcpy(file_, "kept");
    handSteps({[&](HWND d) { clickRow(d, kFileListId, "a.png"); },
               [&](HWND d) { plat::clickWindow(GetDlgItem(d, IDCANCEL)); }});
    EXPECT_FALSE(GetOpenFileNameA(&ofn_));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_STREQ(file_, "kept");
}

TEST_F(OpenDialogTest, ChooserAnswersInTheFolderItOpened) {
    plat::setSaveFileChooser([&](HWND d, const OPENFILENAMEA &) -> std::optional<std::string> {
        clickRow(d, kFileListId, "Zeta/", true);
        EXPECT_EQ(listRows(d, kFileListId), std::vector<std::string>{"../"});
        return "new.png";
    });
    ASSERT_TRUE(GetOpenFileNameA(&ofn_));
    EXPECT_EQ(std::string(file_), folder_ + "/Zeta/new.png");
}

TEST_F(OpenDialogTest, UnreadableFolderListsOnlyTheParent) {
    ofn_.lpstrInitialDir = "/no/such/folder";
    plat::setSaveFileChooser([&](HWND d, const OPENFILENAMEA &) -> std::optional<std::string> {
        EXPECT_EQ(listRows(d, kFileListId), std::vector<std::string>{"../"});
        return std::nullopt;
    });
    EXPECT_FALSE(GetOpenFileNameA(&ofn_));
    EXPECT_NE(listFolder("/", "*.*").front().name, "..");  // the root has no parent
}

}  // namespace
