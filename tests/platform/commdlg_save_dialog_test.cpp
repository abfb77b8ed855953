// The Save dialog as the module uses it: an old-style hook that adds its own
// check boxes, a headless chooser that clicks them and answers, the modal
// dialog a user types into, and the failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <platform/embed.h>

namespace {

constexpr int kFileNameEdit = 1152;
constexpr int kCheckData = 2001;
constexpr int kCheckHeader = 2002;

struct HookLog {
    HWND dialog = nullptr;
    LPARAM initParam = 0;
    std::vector<WPARAM> commands;
    bool swallowOk = false;
};
HookLog gLog;

RECT childRect(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&r), 2);
    return r;
}

std::string itemText(HWND dialog, int id) {
    char buf[256] = {};
    GetDlgItemTextA(dialog, id, buf, sizeof buf);
    return buf;
}

// Two check boxes in the button column, under Cancel, spaced as OK and Cancel are.
void addCheckBoxes(HWND dialog) {
    RECT ok = childRect(dialog, IDOK), cancel = childRect(dialog, IDCANCEL);
    int height = ok.bottom - ok.top, gap = cancel.top - ok.bottom;
    for (int i = 0; i < 2; ++i) {
        CreateWindowExA(0, "button", i == 0 ? "Data" : "Header",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, ok.left,
                        cancel.bottom + gap + i * (height + gap), ok.right - ok.left, height, dialog,
                        reinterpret_cast<HMENU>(static_cast<intptr_t>(kCheckData + i)), nullptr, nullptr);
    }
}

UINT_PTR CALLBACK saveHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        gLog.dialog = dialog;
        gLog.initParam = lParam;
        addCheckBoxes(dialog);
        return TRUE;
    }
    if (message == WM_COMMAND) {
        gLog.commands.push_back(wParam);
        if (gLog.swallowOk && LOWORD(wParam) == IDOK) return TRUE;
    }
    return 0;
}

class SaveDialogTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "CommdlgTestOwner";
        RegisterClassA(&wc);  // fails harmlessly when a previous test registered it
        owner_ = CreateWindowExA(0, "CommdlgTestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                 400, 300, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(owner_, nullptr);
        gLog = HookLog{};
        std::strcpy(file_, "profile1");
        ofn_.lStructSize = sizeof ofn_;
        ofn_.hwndOwner = owner_;
        ofn_.lpstrFilter = "Profile data (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
        ofn_.nFilterIndex = 1;
        ofn_.lpstrFile = file_;
        ofn_.nMaxFile = sizeof file_;
        ofn_.lpstrFileTitle = title_;
        ofn_.nMaxFileTitle = sizeof title_;
        ofn_.lpstrInitialDir = "/data/profiles";
        ofn_.lpstrTitle = "Save Profile";
        ofn_.lpstrDefExt = "txt";
        ofn_.Flags = OFN_ENABLEHOOK | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
        ofn_.lpfnHook = saveHook;
    }
    void TearDown() override {
        plat::setSaveFileChooser({});
        plat::resetWindowManager();
    }

    HWND owner_ = nullptr;
    char file_[MAX_PATH] = {};
    char title_[64] = {};
    OPENFILENAMEA ofn_{};
};

TEST_F(SaveDialogTest, ChooserClicksAHookCheckBoxAndAnswers) {
    bool ownerDisabled = false;
    UINT checked = BST_UNCHECKED;
    HWND seen = nullptr;
    plat::setSaveFileChooser([&](HWND dialog, const OPENFILENAMEA &ofn) -> std::optional<std::string> {
        seen = dialog;
        ownerDisabled = !IsWindowEnabled(owner_);
        EXPECT_EQ(&ofn, &ofn_);
        EXPECT_EQ(itemText(dialog, kFileNameEdit), "profile1");
        EXPECT_TRUE(plat::clickWindow(GetDlgItem(dialog, kCheckHeader)));
        checked = IsDlgButtonChecked(dialog, kCheckHeader);
        return "results/data";
    });
    ASSERT_TRUE(GetSaveFileNameA(&ofn_));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_STREQ(file_, "/data/profiles/results/data.txt");
    EXPECT_STREQ(file_ + ofn_.nFileOffset, "data.txt");
    EXPECT_STREQ(file_ + ofn_.nFileExtension, "txt");
    EXPECT_STREQ(title_, "data.txt");

    EXPECT_EQ(gLog.dialog, seen);
    EXPECT_EQ(gLog.initParam, reinterpret_cast<LPARAM>(&ofn_));
    EXPECT_NE(std::find(gLog.commands.begin(), gLog.commands.end(), MAKEWPARAM(kCheckHeader, BN_CLICKED)),
              gLog.commands.end());
    EXPECT_EQ(checked, static_cast<UINT>(BST_CHECKED));
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner_));
    EXPECT_FALSE(IsWindow(seen));
}

TEST_F(SaveDialogTest, DialogShowsNameTypeAndStackedButtons) {
    ofn_.lpstrTitle = nullptr;
    ofn_.nFilterIndex = 2;
    plat::setSaveFileChooser([&](HWND dialog, const OPENFILENAMEA &) -> std::optional<std::string> {
        char caption[64] = {};
        GetWindowTextA(dialog, caption, sizeof caption);
        EXPECT_STREQ(caption, "Save As");
        EXPECT_EQ(itemText(dialog, 1090), "File name:");
        EXPECT_EQ(itemText(dialog, 1089), "Save as type:");
        EXPECT_EQ(itemText(dialog, 1136), "All files (*.*)");
        RECT edit = childRect(dialog, kFileNameEdit), ok = childRect(dialog, IDOK),
             cancel = childRect(dialog, IDCANCEL), box = childRect(dialog, kCheckData);
        EXPECT_EQ(itemText(dialog, IDOK), "OK");
        EXPECT_EQ(itemText(dialog, IDCANCEL), "Cancel");
        EXPECT_GT(ok.left, edit.right);
        EXPECT_EQ(ok.left, cancel.left);
        EXPECT_GT(cancel.top, ok.bottom);
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_LE(box.bottom, client.bottom) << "the hook's controls fit under the buttons";
        return std::nullopt;
    });
    EXPECT_FALSE(GetSaveFileNameA(&ofn_));
}

TEST_F(SaveDialogTest, CancelReturnsFalseWithoutAnErrorOrAChange) {
    plat::setSaveFileChooser([](HWND, const OPENFILENAMEA &) { return std::optional<std::string>(); });
    EXPECT_FALSE(GetSaveFileNameA(&ofn_));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_STREQ(file_, "profile1");
    EXPECT_TRUE(IsWindowEnabled(owner_));
}

TEST_F(SaveDialogTest, TooSmallBufferFailsAndGivesTheSizeNeeded) {
    char small[8] = "p";
    ofn_.lpstrFile = small;
    ofn_.nMaxFile = sizeof small;
    plat::setSaveFileChooser(
        [](HWND, const OPENFILENAMEA &) { return std::optional<std::string>("long-name"); });
    EXPECT_FALSE(GetSaveFileNameA(&ofn_));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
    WORD needed = 0;
    std::memcpy(&needed, small, sizeof needed);
    EXPECT_EQ(needed, sizeof("/data/profiles/long-name.txt"));
}

TEST_F(SaveDialogTest, ModalDialogTakesTheNameTypedBeforeOk) {
    bool typed = false, ownerDisabled = false;
    plat::setModalIdleHandler([&] {
        if (typed) return false;
        typed = true;
        ownerDisabled = !IsWindowEnabled(owner_);
        SetDlgItemTextA(gLog.dialog, kFileNameEdit, "typed.dat");
        return plat::clickWindow(GetDlgItem(gLog.dialog, IDOK));
    });
    ASSERT_TRUE(GetSaveFileNameA(&ofn_));
    EXPECT_STREQ(file_, "/data/profiles/typed.dat");
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner_));
    EXPECT_FALSE(IsWindow(gLog.dialog));
}

TEST_F(SaveDialogTest, HookReturningNonZeroKeepsOkFromClosing) {
    gLog.swallowOk = true;
    int clicks = 0;
    plat::setModalIdleHandler(
        [&] { return clicks++ == 0 && plat::clickWindow(GetDlgItem(gLog.dialog, IDOK)); });
    EXPECT_FALSE(GetSaveFileNameA(&ofn_));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_NE(std::find(gLog.commands.begin(), gLog.commands.end(), MAKEWPARAM(IDOK, BN_CLICKED)),
              gLog.commands.end());
    EXPECT_STREQ(file_, "profile1");
}

TEST_F(SaveDialogTest, OpenDialogIsAnsweredTheSameWay) {
    ofn_.lpstrTitle = nullptr;
    plat::setSaveFileChooser([&](HWND dialog, const OPENFILENAMEA &) -> std::optional<std::string> {
        char caption[64] = {};
        GetWindowTextA(dialog, caption, sizeof caption);
        EXPECT_STREQ(caption, "Open");
        EXPECT_EQ(itemText(dialog, 1089), "Files of type:");
        return "/in/image.tif";
    });
    ASSERT_TRUE(GetOpenFileNameA(&ofn_));
    EXPECT_STREQ(file_, "/in/image.tif");
    EXPECT_EQ(ofn_.nFileOffset, 4);
    EXPECT_EQ(ofn_.nFileExtension, 10);
}

TEST_F(SaveDialogTest, BadStructureIsRefused) {
    ofn_.lStructSize = 12;
    EXPECT_FALSE(GetSaveFileNameA(&ofn_));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
    EXPECT_FALSE(GetOpenFileNameA(nullptr));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_INITIALIZATION));
}

}  // namespace
