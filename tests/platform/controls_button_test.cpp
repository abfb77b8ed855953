// Button behaviour: clicks as message sequences, the check changes of each
// kind, automatic radio groups, BM_* messages, keyboard and disabled state.
#include "controls_test_support.h"

namespace controls_test {
namespace {

class ButtonTest : public ControlsTest {};

TEST_F(ButtonTest, ClickOnPushButtonSendsBnClickedAfterReleasingTheCapture) {
    HWND button = make("button", BS_PUSHBUTTON, "OK");
    SetFocus(parent_);
    MessageLog log({button, parent_});
    ASSERT_TRUE(plat::clickWindow(button));
    static const std::vector<ExpectedMsg> kClick = {
        {WM_LBUTTONDOWN, kWParam, MK_LBUTTON, 0, "inputMouseDown"},
        {WM_KILLFOCUS, kSent | kParent, 0, 0, "the press takes the focus"},
        {WM_SETFOCUS, kSent, 0, 0, "the press takes the focus"},
        {BM_SETSTATE, kSent | kWParam, TRUE, 0, "the press shows the pushed state"},
        {WM_LBUTTONUP, 0, 0, 0, "inputMouseUp"},
        {BM_SETSTATE, kSent | kWParam, FALSE, 0, "the release"},
        {WM_CAPTURECHANGED, kSent | kLParam, 0, 0, "ReleaseCapture"},
        {WM_COMMAND, kSent | kParent | kWParam, MAKEWPARAM(kId, BN_CLICKED), 0, "BN_CLICKED"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), kClick, button, parent_));
    EXPECT_EQ(log.entries().back().lParam, reinterpret_cast<LPARAM>(button));
    EXPECT_EQ(GetFocus(), button);
}

TEST_F(ButtonTest, BmClickIsAPressAndReleaseAtTheOrigin) {
    HWND box = make("button", BS_AUTOCHECKBOX, "Check");
    SetFocus(box);
    MessageLog log({box, parent_});
    SendMessageA(box, BM_CLICK, 0, 0);
    static const std::vector<ExpectedMsg> kBmClick = {
        {BM_CLICK, kSent, 0, 0, "SendMessage"},
        {WM_LBUTTONDOWN, kSent | kWParam | kLParam, 0, 0, "BM_CLICK"},
        {BM_SETSTATE, kSent | kWParam, TRUE, 0, "the press"},
        {WM_LBUTTONUP, kSent | kWParam | kLParam, 0, 0, "BM_CLICK"},
        {BM_SETSTATE, kSent | kWParam, FALSE, 0, "the release"},
        {BM_SETCHECK, kSent | kWParam, BST_CHECKED, 0, "an automatic check box toggles"},
        {WM_CAPTURECHANGED, kSent, 0, 0, "ReleaseCapture"},
        {WM_COMMAND, kSent | kParent | kWParam, MAKEWPARAM(kId, BN_CLICKED), 0, "BN_CLICKED"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), kBmClick, box, parent_));
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonTest, EachKindChangesItsCheckOnAClickAsWindowsDoes) {
    struct Case {
        DWORD style;
        UINT before, after;
    };
    const Case cases[] = {
        {BS_PUSHBUTTON, 0, 0},      {BS_CHECKBOX, 0, 0},    {BS_AUTOCHECKBOX, 0, 1},
        {BS_AUTOCHECKBOX, 1, 0},    {BS_3STATE, 1, 1},      {BS_AUTO3STATE, 1, 2},
        {BS_AUTO3STATE, 2, 0},      {BS_RADIOBUTTON, 0, 0}, {BS_AUTORADIOBUTTON, 0, 1},
        {BS_AUTORADIOBUTTON, 1, 1},
    };
    for (const Case &c : cases) {
        HWND button = make("button", c.style | WS_GROUP, "b");
        SendMessageA(button, BM_SETCHECK, c.before, 0);
        commands_.clear();
        ASSERT_TRUE(plat::clickWindow(button));
        EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), static_cast<LRESULT>(c.after))
            << "style " << c.style;
        EXPECT_EQ(commands_, std::vector<WPARAM>{MAKEWPARAM(kId, BN_CLICKED)}) << "style " << c.style;
        DestroyWindow(button);
    }
}

TEST_F(ButtonTest, AutoRadioButtonUnchecksTheOthersOfItsGroupOnly) {
    HWND r1 = make("button", BS_AUTORADIOBUTTON | WS_GROUP, "1", {10, 10, 110, 30}, 1);
    HWND r2 = make("button", BS_AUTORADIOBUTTON, "2", {10, 40, 110, 60}, 2);
    HWND r3 = make("button", BS_RADIOBUTTON, "3", {10, 70, 110, 90}, 3);
    HWND other = make("button", BS_AUTORADIOBUTTON | WS_GROUP, "4", {10, 100, 110, 120}, 4);
    for (HWND r : {r1, r3, other}) SendMessageA(r, BM_SETCHECK, BST_CHECKED, 0);
    SetFocus(r2);
    MessageLog log;
    log.keep(WM_GETDLGCODE);
    ASSERT_TRUE(plat::clickWindow(r2));
    static const std::vector<ExpectedMsg> kClicked = {
        {WM_LBUTTONDOWN, 0, 0, 0, "inputMouseDown"},
        {BM_SETSTATE, kWParam, TRUE, 0, "the press"},
        {WM_LBUTTONUP, 0, 0, 0, "inputMouseUp"},
        {BM_SETSTATE, kWParam, FALSE, 0, "the release"},
        {WM_GETDLGCODE, 0, 0, 0, "the group walk asks every member"},
        {BM_SETCHECK, kWParam, BST_CHECKED, 0, "the clicked one"},
        {WM_CAPTURECHANGED, 0, 0, 0, "ReleaseCapture"},
    };
    static const std::vector<ExpectedMsg> kUnchecked = {
        {WM_GETDLGCODE, kSent, 0, 0, "a radio button?"},
        {BM_SETCHECK, kSent | kWParam, BST_UNCHECKED, 0, "the group walk"},
    };
    EXPECT_TRUE(sequenceMatches(entriesOf(log, r2), kClicked, r2));
    EXPECT_TRUE(sequenceMatches(entriesOf(log, r1), kUnchecked, r1));
    EXPECT_TRUE(sequenceMatches(entriesOf(log, r3), kUnchecked, r3));
    EXPECT_TRUE(entriesOf(log, other).empty());
    EXPECT_EQ(SendMessageA(other, BM_GETCHECK, 0, 0), BST_CHECKED);
    // The checked radio button is the group's tab stop.
    EXPECT_TRUE(GetWindowLongA(r2, GWL_STYLE) & WS_TABSTOP);
    EXPECT_FALSE(GetWindowLongA(r1, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ButtonTest, ReleaseOutsideTheButtonDoesNothing) {
    HWND box = make("button", BS_AUTOCHECKBOX, "Check");
    SetFocus(box);
    moveTo(box, 50, 10);
    MessageLog log({box, parent_}, {WM_MOUSEMOVE});
    plat::inputMouseDown(plat::MouseButton::Left);
    moveTo(box, 150, 10);
    plat::inputMouseUp(plat::MouseButton::Left);
    static const std::vector<ExpectedMsg> kOutside = {
        {WM_LBUTTONDOWN, 0, 0, 0, "inputMouseDown"},
        {BM_SETSTATE, kWParam, TRUE, 0, "the press"},
        {WM_MOUSEMOVE, 0, 0, 0, "captured move out of the button"},
        {BM_SETSTATE, kWParam, FALSE, 0, "the button pops out"},
        {WM_LBUTTONUP, 0, 0, 0, "inputMouseUp"},
        {WM_CAPTURECHANGED, 0, 0, 0, "ReleaseCapture, no BN_CLICKED"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), kOutside, box, parent_));
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, DisabledButtonIgnoresClicksAndBmClick) {
    HWND box = make("button", BS_AUTOCHECKBOX, "Check");
    EnableWindow(box, FALSE);
    plat::clickWindow(box);
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_TRUE(commands_.empty());
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(box, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
}

TEST_F(ButtonTest, SpaceBarClicksTheFocusedButton) {
    HWND box = make("button", BS_AUTOCHECKBOX, "Check");
    SetFocus(box);
    plat::inputKeyDown(VK_SPACE);
    EXPECT_EQ(SendMessageA(box, BM_GETSTATE, 0, 0), BST_PUSHED | BST_FOCUS);
    plat::inputKeyUp(VK_SPACE);
    EXPECT_EQ(SendMessageA(box, BM_GETSTATE, 0, 0), BST_CHECKED | BST_FOCUS);
    EXPECT_EQ(commands_, std::vector<WPARAM>{MAKEWPARAM(kId, BN_CLICKED)});
}

TEST_F(ButtonTest, DialogCodeCheckLimitsAndStyleFollowTheKind) {
    struct Case {
        DWORD style;
        LRESULT dialogCode;
        UINT checkAfterSetting2;
    };
    const Case cases[] = {
        {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON, 0},
        {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON, 0},
        {BS_CHECKBOX, DLGC_BUTTON, BST_CHECKED},
        {BS_AUTO3STATE, DLGC_BUTTON, BST_INDETERMINATE},
        {BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON, BST_CHECKED},
        {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON, BST_CHECKED},
        {BS_GROUPBOX, DLGC_STATIC, 0},
    };
    for (const Case &c : cases) {
        HWND button = make("button", c.style, "b");
        EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), c.dialogCode) << "style " << c.style;
        SendMessageA(button, BM_SETCHECK, BST_INDETERMINATE, 0);
        EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), static_cast<LRESULT>(c.checkAfterSetting2));
        DestroyWindow(button);
    }
    // BM_SETSTYLE changes the kind and nothing else.
    HWND button = make("button", BS_PUSHBUTTON | WS_TABSTOP, "OK");
    SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(GetWindowLongA(button, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ButtonTest, GroupBoxLetsTheMouseThroughToItsParent) {
    HWND group = make("button", BS_GROUPBOX, "Group", {10, 10, 210, 130});
    MessageLog log({group, parent_});
    clickAt(group, 100, 60);
    static const std::vector<ExpectedMsg> kThrough = {
        {WM_LBUTTONDOWN, kParent | kLParam, 0, MAKELPARAM(110, 70), "inputMouseDown"},
        {WM_LBUTTONUP, kParent | kLParam, 0, MAKELPARAM(110, 70), "inputMouseUp"},
    };
    EXPECT_TRUE(sequenceMatches(log.entries(), kThrough, group, parent_));
}

}  // namespace
}  // namespace controls_test
