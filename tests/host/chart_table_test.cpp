// The table control: its window over the control from TableShow to
// TableClose, its own copy of the cells, TABLE_FIT, and the spreadsheet link
// appending the clipboard text to the destination file.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <platform/embed.h>
#include <tablew32.h>

#include "core/host_state.h"

namespace {

class ChartTableTest : public ::testing::Test {
protected:
    void TearDown() override {
        DestroyWindow(parent);
        plat::pumpMessages();
    }
    HWND table() const { return GetWindow(control, GW_CHILD); }
    std::vector<uint32_t> shownPixels() {
        plat::pumpMessages();
        return plat::captureWindow(table(), true).value_or(plat::Image{}).pixels;
    }
    float cells[6] = {0.0f, 12.5f, 1.0f, 2.25f, 2.0f, 1e6f};
    const char *headings[2] = {"Distance", "Gray Level"};
    TableSpec settings{2, 3, 10, 8, cells, 0, headings, {0, 0, 0, 0}, 64, "Point"};
    HWND parent = CreateWindowExA(0, "static", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND control = CreateWindowExA(0, "static", "", WS_CHILD | WS_VISIBLE, 10, 20, 200, 100, parent,
                                   reinterpret_cast<HMENU>(101), nullptr, nullptr);
};

TEST_F(ChartTableTest, TableCoversTheControlUntilClosed) {
    LONG_PTR ownProc = GetWindowLongPtrA(control, GWLP_WNDPROC);
    TableSpec noCells = settings;
    noCells.cells = nullptr;
    EXPECT_FALSE(TableShow(parent, 102, &settings)) << "no such control";
    EXPECT_FALSE(TableShow(parent, 101, &noCells));
    EXPECT_EQ(table(), nullptr);
    ASSERT_TRUE(TableShow(parent, 101, &settings));
    HWND shown = table();
    char className[32] = "";
    GetClassNameA(shown, className, sizeof className);
    EXPECT_STREQ(className, "VoTable");
    RECT r{};
    GetClientRect(shown, &r);
    EXPECT_TRUE(r.right == 200 && r.bottom == 100 && IsWindowVisible(shown)) << "the control's client area";
    EXPECT_TRUE(TableClose(control));
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), ownProc);
    EXPECT_FALSE(TableClose(control));
}

TEST_F(ChartTableTest, KeepsItsOwnCopyAndShowsTheLatestContents) {
    ASSERT_TRUE(TableShow(parent, 101, &settings));
    HWND shown = table();
    std::vector<uint32_t> before = shownPixels();
    cells[3] = 777.0f;  // the caller's cells change after the call
    InvalidateRect(shown, nullptr, TRUE);
    EXPECT_EQ(shownPixels(), before);
    ASSERT_TRUE(TableShow(parent, 101, &settings));
    EXPECT_EQ(table(), shown) << "the same window shows the new contents";
    EXPECT_EQ(GetWindow(shown, GW_HWNDNEXT), nullptr);
    EXPECT_NE(shownPixels(), before);
}

TEST_F(ChartTableTest, FitFollowsTheControlOnRequestOnly) {
    ASSERT_TRUE(TableShow(parent, 101, &settings));
    SetWindowPos(control, nullptr, 0, 0, 250, 150, SWP_NOMOVE | SWP_NOZORDER);
    RECT r{};
    GetClientRect(table(), &r);
    EXPECT_EQ(r.right, 200);
    SendMessageA(control, TABLE_FIT, 0, 0);
    GetClientRect(table(), &r);
    EXPECT_TRUE(r.right == 250 && r.bottom == 150);
    SetWindowTextA(control, "static");
    EXPECT_EQ(GetWindowTextLengthA(control), 6) << "other messages reach the control's own procedure";
    DestroyWindow(control);
    EXPECT_FALSE(TableClose(control)) << "gone with its control";
}

void putClipboardText(const std::string &text) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    if (!text.empty()) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
        std::memcpy(GlobalLock(block), text.c_str(), text.size());
        GlobalUnlock(block);
        SetClipboardData(CF_TEXT, block);
    }
    CloseClipboard();
}

std::string fileText(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(TableDde, AppendsTheClipboardTextToTheDestinationFile) {
    const std::string ini = ::testing::TempDir() + "vo_chart_dde.ini",
                      out = ::testing::TempDir() + "vo_chart_dde.txt";
    std::filesystem::remove(out);
    std::filesystem::remove("dde-output.txt");
    std::ofstream(ini) << "[DDE]\nDestination=" << out << "\n";
    const std::string saved = host::state().iniPath;
    host::state().iniPath = ini;
    for (const char *text : {"1\t2\r\n", "3\t4\r\n"}) {
        putClipboardText(text);
        EXPECT_TRUE(TableDdeSend());
    }
    putClipboardText("");
    EXPECT_FALSE(TableDdeSend());
    EXPECT_EQ(fileText(out), "1\t2\r\n3\t4\r\n");
    host::state().iniPath.clear();  // no INI file: the default name in the current directory
    putClipboardText("x\r\n");
    EXPECT_TRUE(TableDdeSend());
    EXPECT_EQ(fileText("dde-output.txt"), "x\r\n");
    for (const std::string &file : {ini, out, std::string("dde-output.txt")}) std::filesystem::remove(file);
    host::state().iniPath = saved;
}

}  // namespace
