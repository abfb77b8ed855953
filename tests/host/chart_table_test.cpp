// The table control: its window over the control from TableShow to
// TableClose, its own copy of the cells, TABLE_FIT, what each cell says and
// its scrolling; the spreadsheet link's sheets, its failures and its
// options dialog.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <platform/embed.h>
#include <tablew32.h>

#include "chart/dde_settings.h"
#include "chart/dde_sheet.h"
#include "chart/table_window.h"
#include "core/host_reset.h"
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

// What each cell says, without pixels: row 0 the headings, column 0 the row
// numbers from 1, at most six significant digits of a 32-bit float.
TEST_F(ChartTableTest, EachCellSaysWhatTheGridShows) {
    cells[3] = 0.1f;
    ASSERT_TRUE(TableShow(parent, 101, &settings));
    const host::TableData *shown = host::tableShownIn(parent);
    ASSERT_NE(shown, nullptr);
    const struct {
        size_t row, column;
        std::optional<std::string> text;
    } kCells[] = {{0, 0, "Point"}, {0, 2, "Gray Level"}, {1, 0, "1"},
                  {3, 0, "3"},     {1, 2, "12.5"},       {2, 2, "0.1"},
                  {3, 2, "1e+06"}, {4, 0, std::nullopt}, {0, 3, std::nullopt}};
    for (const auto &cell : kCells)
        EXPECT_EQ(host::tableText(*shown, cell.row, cell.column), cell.text)
            << cell.row << ", " << cell.column;
    TableClose(control);
    EXPECT_EQ(host::tableShownIn(parent), nullptr);
}

// A hundred rows in a 100-pixel control: keys, wheel and the scroll bar move
// the first row shown, never past the last full page.
TEST_F(ChartTableTest, ScrollsByRowsWithKeysWheelAndScrollBar) {
    std::vector<float> many(200, 1.0f);
    settings.rows = 100;
    settings.cells = many.data();
    ASSERT_TRUE(TableShow(parent, 101, &settings));
    HWND shown = table();
    auto first = [&] { return static_cast<long>(host::tableFirstRow(control).value_or(999)); };
    auto key = [&](WPARAM k) { SendMessageA(shown, WM_KEYDOWN, k, 0); };
    auto press = [&](int x, int y, UINT message = WM_LBUTTONDOWN) {
        SendMessageA(shown, message, 0, MAKELPARAM(x, y));
    };
    key(VK_END);
    const long last = first(), page = 100 - last - 1;
    ASSERT_GT(last, 50) << "a few rows fit";
    key(VK_HOME);
    EXPECT_EQ(first(), 0);
    key(VK_UP);
    EXPECT_EQ(first(), 0);
    key(VK_DOWN);
    key(VK_NEXT);
    EXPECT_EQ(first(), 1 + page);
    key(VK_PRIOR);
    EXPECT_EQ(first(), 1);
    SendMessageA(shown, WM_MOUSEWHEEL, MAKEWPARAM(0, -240), 0);
    EXPECT_EQ(first(), 7) << "three rows a notch";
    SendMessageA(shown, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(first(), 4);

    RECT r{};
    GetClientRect(shown, &r);
    const int x = r.right - 2;
    press(x, r.bottom - 2);  // the down arrow
    EXPECT_EQ(first(), 5);
    press(x, 2);  // the up arrow
    EXPECT_EQ(first(), 4);
    press(x, r.bottom - 30);  // the track under the thumb
    EXPECT_EQ(first(), 4 + page);
    key(VK_HOME);
    press(x, GetSystemMetrics(SM_CXVSCROLL) + 2);  // the thumb, under the up arrow: dragged to the bottom
    EXPECT_EQ(GetCapture(), shown);
    press(x, r.bottom + 50, WM_MOUSEMOVE);
    EXPECT_EQ(first(), last);
    press(x, r.bottom + 50, WM_LBUTTONUP);
    EXPECT_EQ(GetCapture(), nullptr);
    settings.rows = 3;  // re-profiling with fewer rows
    ASSERT_TRUE(TableShow(parent, 101, &settings));
    EXPECT_EQ(first(), 0);
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

TEST(TableDdeSheets, NamesKeepToExcelsRules) {
    const std::string e = "\xC3\xA9";  // one character, two bytes
    std::string thirty;
    for (int i = 0; i < 30; ++i) thirty += e;
    const struct {
        std::string title;
        int counter;
        std::string name;
    } kNames[] = {
        {"cells 01.tif", 1, "cells 01 1"},
        {"a[b]:c*d?e/f\\g.png", 2, "a_b__c_d_e_f_g 2"},
        {"'quoted'.tif", 3, "quoted 3"},
        {"", 4, "Profile 4"},
        {std::string(40, 'x') + ".tif", 12, std::string(28, 'x') + " 12"},
        {thirty, 1, thirty.substr(0, 58) + " 1"},
        {"\xB5m", 5, "\xC2\xB5m 5"},
    };
    for (const auto &n : kNames) EXPECT_EQ(host::sheetName(n.title, n.counter), n.name) << n.title;
}

// Each field alone on a line, read with '.' and with ',' as the separator:
// a number (its value) or text (nullopt).
TEST(TableDdeSheets, FieldsAreNumbersOnlyWhenWhollyDecimal) {
    const struct {
        const char *field;
        std::optional<double> point, comma;
    } kFields[] = {
        {" 12 ", 12.0, 12.0},
        {"-3.5", -3.5, std::nullopt},
        {"2,5", std::nullopt, 2.5},
        {"+1e-3", 1e-3, 1e-3},
        {".5", 0.5, std::nullopt},
        {"1E+2", 100.0, 100.0},
        {"1e", {}, {}},
        {"inf", {}, {}},
        {"0x1A", {}, {}},
        {"1 2", {}, {}},
        {"1.2.3", {}, {}},
        {"#1", {}, {}},
    };
    for (const auto &f : kFields)
        for (bool comma : {false, true}) {
            const host::SheetRows rows = host::sheetCells(f.field, comma);
            ASSERT_EQ(rows.size(), 1u);
            ASSERT_EQ(rows[0].size(), 1u);
            const host::SheetCell &cell = rows[0][0];
            const std::optional<double> expected = comma ? f.comma : f.point;
            EXPECT_EQ(cell.kind == host::SheetCell::Kind::Number, expected.has_value()) << f.field << comma;
            if (expected) {
                EXPECT_DOUBLE_EQ(cell.number, *expected) << f.field;
            }
        }
}

TEST(TableDdeSheets, LinesAndFieldsAndCommentLines) {
    const host::SheetRows rows = host::sheetCells("# 1\t 2 \r\n1\t\tx \n\r\n3", false);
    ASSERT_EQ(rows.size(), 4u);
    ASSERT_EQ(rows[0].size(), 2u);
    EXPECT_EQ(rows[0][1].kind, host::SheetCell::Kind::Text) << "a # line is text throughout";
    EXPECT_EQ(rows[0][1].text, "2");
    ASSERT_EQ(rows[1].size(), 3u);
    EXPECT_EQ(rows[1][1].kind, host::SheetCell::Kind::Empty);
    EXPECT_EQ(rows[1][2].text, "x");
    EXPECT_TRUE(rows[2].empty());
    EXPECT_EQ(rows[3][0].number, 3.0);
}

// The workbook is checked cell by cell in exports_check.py; here, what a
// send does to the session and to an old workbook when it fails.
TEST(TableDde, AFailedSendLeavesTheWorkbookAndTheSession) {
    host::resetHost();
    const std::string folder = ::testing::TempDir() + "vo_table_dde/";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string ini = folder + "voprof.ini", book = folder + "book.xlsx";
    host::state().iniPath = ini;
    ASSERT_TRUE(host::saveDdeSettings(host::DdeSettings{book, false}));
    putClipboardText("1\t2\r\n");
    EXPECT_TRUE(TableDdeSend());
    const auto written = std::filesystem::last_write_time(book);
    const auto size = std::filesystem::file_size(book);
    ASSERT_TRUE(host::saveDdeSettings(host::DdeSettings{folder + "missing/book.xlsx", false}));
    EXPECT_FALSE(TableDdeSend());
    ASSERT_TRUE(host::saveDdeSettings(host::DdeSettings{folder, false}));  // a folder in the way
    EXPECT_FALSE(TableDdeSend());
    EXPECT_EQ(host::state().sentSheets.size(), 1u);
    EXPECT_EQ(std::filesystem::last_write_time(book), written);
    EXPECT_EQ(std::filesystem::file_size(book), size);
    putClipboardText("");
    EXPECT_FALSE(TableDdeSend()) << "nothing to send";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2) << "no scratch left";
    host::resetHost();
    EXPECT_TRUE(host::state().sentSheets.empty());
    std::filesystem::remove_all(folder);
}

// The options dialog as a hand answers it: the path typed, the box clicked,
// OK; an empty path keeps it open; Cancel keeps the old settings.
TEST(TableDde, OptionsDialogSavesTheChoicesOnOk) {
    host::resetHost();
    const std::string ini = ::testing::TempDir() + "vo_table_dde_options.ini";
    std::filesystem::remove(ini);
    host::state().iniPath = ini;
    const int beeps = plat::beepCount();
    int step = 0;
    plat::setModalIdleHandler([&] {
        HWND dialog = GetActiveWindow();
        switch (step++) {
            case 0:
                SetDlgItemTextA(dialog, 101, "");
                SendMessageA(dialog, WM_COMMAND, IDOK, 0);
                return true;
            case 1:
                SetDlgItemTextA(dialog, 101, "out/book.xlsx");
                plat::clickWindow(GetDlgItem(dialog, 102));
                plat::clickWindow(GetDlgItem(dialog, IDOK));
                return true;
            default:
                return false;
        }
    });
    TableDdeOptions(host::state().hostWindow);
    EXPECT_EQ(plat::beepCount(), beeps + 1) << "an empty path is refused";
    host::DdeSettings saved = host::readDdeSettings();
    EXPECT_EQ(saved.workbook, "out/book.xlsx");
    EXPECT_TRUE(saved.openAfterSend);
    plat::setModalIdleHandler({});
    TableDdeOptions(host::state().hostWindow);  // nothing answers: cancelled
    EXPECT_EQ(host::readDdeSettings().workbook, "out/book.xlsx");
    std::filesystem::remove(ini);
    host::resetHost();
}

}  // namespace
