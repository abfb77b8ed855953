// List box behaviour: the item messages with their return values and LB_ERR
// cases, selection and scrolling, notifications from the user but not from
// code, and the highlighted row.
#include <string>

#include "controls_test_support.h"

namespace controls_test {
namespace {

class ListBoxTest : public ControlsTest {
protected:
    HWND makeList(DWORD style, std::initializer_list<const char *> items, RECT r = {10, 10, 160, 110}) {
        HWND list = make("listbox", style, "", r);
        for (const char *item : items) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        return list;
    }
    std::string text(HWND list, int index) {
        char buffer[64] = {};
        LRESULT length = SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer));
        EXPECT_EQ(length, SendMessageA(list, LB_GETTEXTLEN, index, 0));
        return length == LB_ERR ? "<LB_ERR>" : buffer;
    }
    std::string all(HWND list) {
        std::string out;
        for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) out += (i ? "," : "") + text(list, i);
        return out;
    }
    int rowHeight(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0)); }
};

LPARAM str(const char *s) {
    return reinterpret_cast<LPARAM>(s);
}

TEST_F(ListBoxTest, AddInsertAndDeleteAnswerAsWindowsDoes) {
    HWND list = makeList(0, {"b", "a"});
    EXPECT_EQ(all(list), "b,a");
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 1, str("c")), 1);
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), str("d")), 3);
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 4, str("e")), 4);
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 9, str("x")), LB_ERR);
    EXPECT_EQ(all(list), "b,c,a,d,e");
    EXPECT_EQ(SendMessageA(list, LB_DELETESTRING, 0, 0), 4);
    EXPECT_EQ(SendMessageA(list, LB_DELETESTRING, 4, 0), LB_ERR);
    EXPECT_EQ(all(list), "c,a,d,e");
    EXPECT_EQ(text(list, 4), "<LB_ERR>");
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListBoxTest, SortedListSortsAddedStringsButNotInsertedOnes) {
    HWND list = makeList(LBS_SORT, {"cherry", "Apple", "banana"});
    EXPECT_EQ(all(list), "Apple,banana,cherry");
    EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, str("apricot")), 1);
    SendMessageA(list, LB_INSERTSTRING, 0, str("zebra"));
    EXPECT_EQ(all(list), "zebra,Apple,apricot,banana,cherry");
}

TEST_F(ListBoxTest, SelectionFollowsInsertionsAndDeletions) {
    HWND list = makeList(0, {"a", "b", "c"});
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 1, 0), 1);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 3, 0), LB_ERR);  // out of range: unchanged
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    SendMessageA(list, LB_INSERTSTRING, 0, str("z"));
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
    SendMessageA(list, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    SendMessageA(list, LB_DELETESTRING, 1, 0);  // the selected row
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0),
              LB_ERR);  // clears, answers LB_ERR
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(ListBoxTest, FindIgnoresCaseAndWrapsAfterTheStart) {
    HWND list = makeList(0, {"Red", "green", "RED2", "blue"});
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1), str("re")), 0);
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRING, 0, str("re")), 2);
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRING, 2, str("re")), 0);
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), str("red2")), 2);
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), str("gree")), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1), str("x")), LB_ERR);
}

TEST_F(ListBoxTest, ItemDataAndOutOfRangeIndices) {
    HWND list = makeList(0, {"a", "b"});
    EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, 1, 0), 0);
    SendMessageA(list, LB_SETITEMDATA, 1, 1234);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, 1, 0), 1234);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, 2, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_SETITEMDATA, 2, 1), LB_ERR);
    RECT r{};
    EXPECT_EQ(SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r)), LB_ERR);
}

TEST_F(ListBoxTest, RowsAreOneFontLineHighAndScrollWithTheTopIndex) {
    HWND list = makeList(0, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"});
    int h = rowHeight(list);
    HDC dc = GetDC(list);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    ReleaseDC(list, dc);
    EXPECT_EQ(h, tm.tmHeight);
    int rows = 100 / h;  // the client area is 100 pixels high
    RECT r{};
    EXPECT_EQ(SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r)), 1);
    EXPECT_EQ(r.top, 2 * h);
    EXPECT_EQ(SendMessageA(list, LB_SETTOPINDEX, 14, 0), LB_OKAY);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 15 - rows);  // the last page stays full
    EXPECT_EQ(SendMessageA(list, LB_SETTOPINDEX, 15, 0), LB_ERR);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);  // scrolled into view
    EXPECT_EQ(SendMessageA(list, LB_GETITEMRECT, 14, reinterpret_cast<LPARAM>(&r)), 0);
    EXPECT_EQ(r.top, 14 * h);
}

TEST_F(ListBoxTest, ClickSelectsAndNotifiesAtTheRelease) {
    HWND list = makeList(LBS_NOTIFY, {"a", "b", "c"});
    SetFocus(list);
    int secondRow = rowHeight(list) + 2;
    MessageLog log({list, parent_});
    clickAt(list, 5, secondRow);
    static const std::vector<ExpectedMsg> kClick = {
        {WM_LBUTTONDOWN, 0, 0, 0, "inputMouseDown: the row is selected"},
        {WM_LBUTTONUP, 0, 0, 0, "inputMouseUp"},
        {WM_CAPTURECHANGED, kSent, 0, 0, "ReleaseCapture"},
        {WM_COMMAND, kSent | kParent | kWParam, MAKEWPARAM(kId, LBN_SELCHANGE), 0, "LBN_SELCHANGE"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), kClick, list, parent_));
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
}

TEST_F(ListBoxTest, CodeNeverNotifiesAndPlainListsNeverDo) {
    HWND list = makeList(LBS_NOTIFY, {"a", "b"});
    HWND plain = makeList(0, {"a", "b"}, {200, 10, 300, 110});
    commands_.clear();
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    SendMessageA(list, LB_DELETESTRING, 1, 0);
    SetFocus(plain);
    clickAt(plain, 5, 2);
    EXPECT_EQ(SendMessageA(plain, LB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(commands_.empty());
}

TEST_F(ListBoxTest, KeysDoubleClicksAndCtrlClicksNotify) {
    HWND list = makeList(LBS_NOTIFY, {"a", "b", "c"});
    clickAt(list, 5, 2);
    commands_.clear();
    for (int key : {VK_DOWN, VK_END}) {
        plat::inputKeyDown(key);
        plat::inputKeyUp(key);
    }
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
    POINT p = screenPoint(list, 5, 2);
    plat::inputMouseMove(p.x, p.y);
    plat::inputDoubleClick(plat::MouseButton::Left);
    plat::inputMouseUp(plat::MouseButton::Left);
    plat::setModifierState(false, true);
    clickAt(list, 5, 2 * rowHeight(list) + 2);  // Ctrl+click on the selected row
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
    const std::vector<WPARAM> expected = {
        MAKEWPARAM(kId, LBN_SELCHANGE),
        MAKEWPARAM(kId, LBN_SELCHANGE),  // the two keys
        MAKEWPARAM(kId, LBN_DBLCLK),
        MAKEWPARAM(kId, LBN_SELCANCEL),
    };
    EXPECT_EQ(commands_, expected);
}

TEST_F(ListBoxTest, SelectedRowIsHighlighted) {
    HWND list = makeList(0, {"a", "b", "c"});
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    int h = rowHeight(list);
    ControlPixels pixels = pixelsOf(list);
    EXPECT_EQ(pixels.at(140, h / 2), sysPixel(COLOR_WINDOW));
    EXPECT_EQ(pixels.at(140, h + h / 2), sysPixel(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixels.at(0, h), sysPixel(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixels.at(140, 2 * h), sysPixel(COLOR_WINDOW));
}

}  // namespace
}  // namespace controls_test
