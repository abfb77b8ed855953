// Edit behaviour: typing and editing keys with their EN_UPDATE/EN_CHANGE
// notifications, the selection messages, the text limit, read-only and
// number edits, the 3D border and the drawn selection.
#include <string>

#include "controls_test_support.h"

namespace controls_test {
namespace {

const WPARAM kUpdate = MAKEWPARAM(kId, EN_UPDATE);
const WPARAM kChange = MAKEWPARAM(kId, EN_CHANGE);
const WPARAM kMaxText = MAKEWPARAM(kId, EN_MAXTEXT);

class EditTest : public ControlsTest {
protected:
    HWND makeEdit(DWORD style, const char *text = "") {
        HWND edit = make("edit", style, text, {10, 10, 160, 32});
        commands_.clear();
        return edit;
    }
    std::string text(HWND edit) {
        char buffer[256] = {};
        GetWindowTextA(edit, buffer, sizeof buffer);
        return buffer;
    }
    std::pair<DWORD, DWORD> selection(HWND edit) {
        DWORD start = 99, end = 99;
        LRESULT both =
            SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(both, MAKELRESULT(start, end));
        return {start, end};
    }
    void type(HWND edit, const char *chars) {
        for (const char *c = chars; *c; ++c) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*c), 1);
    }
    void key(HWND edit, WPARAM vk) { SendMessageA(edit, WM_KEYDOWN, vk, 1); }
};

TEST_F(EditTest, TypingInsertsAtTheCaretAndNotifiesEachChange) {
    HWND edit = makeEdit(ES_AUTOHSCROLL);
    MessageLog log({edit, parent_});
    type(edit, "a");
    static const std::vector<ExpectedMsg> kTyped = {
        {WM_CHAR, kSent | kWParam, 'a', 0, "typing"},
        {WM_COMMAND, kSent | kParent | kWParam, MAKEWPARAM(kId, EN_UPDATE), 0, "before the change is shown"},
        {WM_COMMAND, kSent | kParent | kWParam, MAKEWPARAM(kId, EN_CHANGE), 0, "after"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), kTyped, edit, parent_));
    type(edit, "bd");
    key(edit, VK_LEFT);
    type(edit, "c");
    EXPECT_EQ(text(edit), "abcd");
    EXPECT_EQ(selection(edit), std::make_pair(DWORD{3}, DWORD{3}));
    EXPECT_EQ(commands_.size(), 8u);
}

TEST_F(EditTest, EditingKeys) {
    HWND edit = makeEdit(ES_AUTOHSCROLL, "hello");
    key(edit, VK_END);
    type(edit, "\b");
    key(edit, VK_HOME);
    key(edit, VK_DELETE);
    key(edit, VK_RIGHT);
    type(edit, "X");
    EXPECT_EQ(text(edit), "eXll");
    commands_.clear();
    key(edit, VK_HOME);
    type(edit, "\b");  // nothing before the caret: no change, no notification
    EXPECT_TRUE(commands_.empty());
    plat::setModifierState(true, false);
    key(edit, VK_RIGHT);
    key(edit, VK_RIGHT);
    plat::setModifierState(false, false);
    EXPECT_EQ(selection(edit), std::make_pair(DWORD{0}, DWORD{2}));
    type(edit, "Y");
    EXPECT_EQ(text(edit), "Yll");
}

TEST_F(EditTest, SelectionReplaceAndSetTextMessages) {
    HWND edit = makeEdit(ES_AUTOHSCROLL, "abcdef");
    SendMessageA(edit, EM_SETSEL, 0, -1);
    EXPECT_EQ(selection(edit), std::make_pair(DWORD{0}, DWORD{6}));
    SendMessageA(edit, EM_SETSEL, 4, 1);  // reversed: answered in order, the caret at 1
    EXPECT_EQ(selection(edit), std::make_pair(DWORD{1}, DWORD{4}));
    type(edit, "-");
    EXPECT_EQ(text(edit), "a-ef");
    SendMessageA(edit, EM_SETSEL, 2, 50);
    EXPECT_EQ(selection(edit), std::make_pair(DWORD{2}, DWORD{4}));
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);  // deselects, the caret stays
    EXPECT_EQ(selection(edit), std::make_pair(DWORD{4}, DWORD{4}));
    SendMessageA(edit, EM_SETSEL, 1, 3);
    commands_.clear();
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("XYZ"));
    EXPECT_EQ(text(edit), "aXYZf");
    EXPECT_EQ(selection(edit), std::make_pair(DWORD{4}, DWORD{4}));
    EXPECT_EQ(commands_, (std::vector<WPARAM>{kUpdate, kChange}));
    commands_.clear();
    SetWindowTextA(edit, "new");  // notifies too, and puts the caret at the start
    EXPECT_EQ(commands_, (std::vector<WPARAM>{kUpdate, kChange}));
    EXPECT_EQ(selection(edit), std::make_pair(DWORD{0}, DWORD{0}));
}

TEST_F(EditTest, TextLimitStopsTypingAndCutsReplacementsButNotSetText) {
    HWND edit = makeEdit(ES_AUTOHSCROLL, "ab");
    SendMessageA(edit, EM_LIMITTEXT, 3, 0);
    SendMessageA(edit, EM_SETSEL, 2, 2);
    type(edit, "cd");
    EXPECT_EQ(text(edit), "abc");
    EXPECT_EQ(commands_, (std::vector<WPARAM>{kUpdate, kChange, kMaxText}));
    SendMessageA(edit, EM_SETSEL, 0, 1);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("XYZ"));
    EXPECT_EQ(text(edit), "Xbc");
    SetWindowTextA(edit, "longer than three");
    EXPECT_EQ(text(edit), "longer than three");
}

TEST_F(EditTest, ReadOnlyAndNumberEditsRefuseSomeTyping) {
    HWND readOnly = makeEdit(ES_AUTOHSCROLL | ES_READONLY, "fixed");
    type(readOnly, "x\b");
    key(readOnly, VK_DELETE);
    key(readOnly, VK_END);
    EXPECT_EQ(text(readOnly), "fixed");
    EXPECT_EQ(selection(readOnly), std::make_pair(DWORD{5}, DWORD{5}));
    EXPECT_TRUE(commands_.empty());
    HWND number = makeEdit(ES_AUTOHSCROLL | ES_NUMBER);
    type(number, "1a2-");
    EXPECT_EQ(text(number), "12");
}

TEST_F(EditTest, WithoutAutoScrollTypingStopsAtTheRightEdge) {
    HWND edit = makeEdit(0);
    for (int i = 0; i < 100; ++i) type(edit, "W");
    int kept = GetWindowTextLengthA(edit);
    EXPECT_GT(kept, 3);
    EXPECT_LT(kept, 100);
    EXPECT_EQ(commands_.back(), kMaxText);
}

TEST_F(EditTest, BorderBecomesASunkenEdgeAndTheSelectionIsHighlighted) {
    HWND edit = make("edit", WS_BORDER | ES_AUTOHSCROLL, "MMMMMMMM", {10, 10, 160, 34});
    EXPECT_FALSE(GetWindowLongA(edit, GWL_STYLE) & WS_BORDER);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, 4);
    ControlPixels pixels = pixelsOf(edit);
    EXPECT_EQ(pixels.at(-2, -2), sysPixel(COLOR_BTNSHADOW));  // the edge, in the non-client area
    EXPECT_EQ(pixels.at(-1, -1), sysPixel(COLOR_3DDKSHADOW));
    EXPECT_EQ(pixels.at(1, 1), sysPixel(COLOR_HIGHLIGHT));  // the first selected column
    EXPECT_EQ(pixels.at(140, 10), sysPixel(COLOR_WINDOW));
}

TEST_F(EditTest, ClickPlacesTheCaretAndTakesTheFocus) {
    HWND edit = makeEdit(ES_AUTOHSCROLL, "abc");
    clickAt(edit, 140, 5);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(selection(edit), std::make_pair(DWORD{3}, DWORD{3}));
    clickAt(edit, 0, 5);
    EXPECT_EQ(selection(edit), std::make_pair(DWORD{0}, DWORD{0}));
    EXPECT_EQ(commands_, std::vector<WPARAM>{MAKEWPARAM(kId, EN_SETFOCUS)});
}

}  // namespace
}  // namespace controls_test
