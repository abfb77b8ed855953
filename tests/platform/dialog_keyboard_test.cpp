// Modal dialogs driven by the keyboard: which control has the focus after
// WM_INITDIALOG and a sequence of keys (Tab, Shift+Tab, typed letters), and
// what Return and Escape end the dialog with, for a few templates.
#include "window_fixture.h"

#include <platform/embed.h>

#include <cctype>
#include <deque>
#include <sstream>
#include <string>

#include "internal/dialog.h"

using namespace testing_support;

namespace {

constexpr int kFirstEdit = 201, kSecondEdit = 202, kDisabledCheck = 203, kLabel = 204, kApply = 300;
constexpr INT_PTR kStillOpen = 99;  // the keys ran out before the dialog ended

enum class Layout { Plain, ApplyIsDefault, OkDisabled };
enum class Init { DefaultFocus, SecondEditFocused, NoFocusGiven };

plat::res::DialogTemplate formTemplate(Layout layout) {
    plat::res::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
    t.cx = 200;
    t.cy = 90;
    t.caption = "Form";
    using plat::res::childControl;
    const DWORD okDefault = layout == Layout::ApplyIsDefault ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON;
    const DWORD okDisabled = layout == Layout::OkDisabled ? WS_DISABLED : 0;
    t.controls = {
        childControl("edit", "", kFirstEdit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8, 8, 100, 12),
        childControl("static", "Label", kLabel, SS_LEFT, 8, 24, 60, 8),
        childControl("edit", "old", kSecondEdit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8, 36, 100, 12),
        childControl("button", "Check", kDisabledCheck, BS_AUTOCHECKBOX | WS_TABSTOP | WS_DISABLED, 8, 54, 60,
                     10),
        childControl("button", "OK", IDOK, okDefault | WS_TABSTOP | okDisabled, 140, 8, 50, 14),
        childControl("button", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 140, 26, 50, 14),
    };
    if (layout == Layout::ApplyIsDefault)
        t.controls.push_back(
            childControl("button", "Apply", kApply, BS_DEFPUSHBUTTON | WS_TABSTOP, 140, 44, 50, 14));
    return t;
}

Init gInit = Init::DefaultFocus;

INT_PTR CALLBACK formProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        if (gInit != Init::SecondEditFocused) return gInit == Init::DefaultFocus;
        SetFocus(GetDlgItem(dialog, kSecondEdit));
        return FALSE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) != kDisabledCheck) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// One key of a sequence: "tab", "shift+tab", "return", "escape", "posted-tab"
// (WM_KEYDOWN posted to the focused control), or a lower-case letter.
void pressKey(const std::string &key) {
    if (key == "posted-tab") {
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        return;
    }
    const bool shift = key.rfind("shift+", 0) == 0;
    const std::string name = shift ? key.substr(6) : key;
    int vk = name == "tab" ? VK_TAB : name == "return" ? VK_RETURN : name == "escape" ? VK_ESCAPE : 0;
    if (vk == 0) vk = std::toupper(static_cast<unsigned char>(name[0]));
    plat::setModifierState(shift, false);
    plat::inputKeyDown(vk);
    plat::inputKeyUp(vk);
    plat::setModifierState(false, false);
}

struct Outcome {
    INT_PTR result;
    int focusedId;  // when the keys ran out, or 0 once the dialog ended
    std::string texts;
};

Outcome runWithKeys(Layout layout, Init init, const std::string &keys) {
    gInit = init;
    std::deque<std::string> pending;
    std::istringstream words(keys);
    for (std::string word; words >> word;) pending.push_back(word);
    Outcome outcome{0, 0, {}};
    HWND owner = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400);
    HWND dialog = plat::createDialogIndirect(nullptr, formTemplate(layout), owner, formProc, 0);
    plat::setModalIdleHandler([&] {
        char first[32] = "", second[32] = "";
        GetDlgItemTextA(dialog, kFirstEdit, first, sizeof first);
        GetDlgItemTextA(dialog, kSecondEdit, second, sizeof second);
        outcome.texts = std::string(first) + "|" + second;
        if (pending.empty()) {
            outcome.focusedId = GetDlgCtrlID(GetFocus());
            EndDialog(dialog, kStillOpen);
        } else {
            pressKey(pending.front());
            pending.pop_front();
        }
        return true;
    });
    outcome.result = plat::runModalDialog(dialog, owner);
    return outcome;
}

class DialogKeyboardTest : public WindowTest {};

TEST_F(DialogKeyboardTest, KeysMoveTheFocusAndEndTheDialog) {
    struct Case {
        Layout layout;
        Init init;
        const char *keys;
        INT_PTR result;
        int focusedId;
        const char *texts;
    } cases[] = {
        // WM_INITDIALOG's answer: the first tab stop, or the control the procedure chose.
        {Layout::Plain, Init::DefaultFocus, "", kStillOpen, kFirstEdit, "|old"},
        {Layout::Plain, Init::SecondEditFocused, "", kStillOpen, kSecondEdit, "|old"},
        {Layout::Plain, Init::NoFocusGiven, "", kStillOpen, kFirstEdit, "|old"},
        // Tab skips the static and the disabled check box and wraps; Shift+Tab goes back.
        {Layout::Plain, Init::DefaultFocus, "tab", kStillOpen, kSecondEdit, "|old"},
        {Layout::Plain, Init::DefaultFocus, "tab tab", kStillOpen, IDOK, "|old"},
        {Layout::Plain, Init::DefaultFocus, "tab tab tab tab", kStillOpen, kFirstEdit, "|old"},
        {Layout::Plain, Init::DefaultFocus, "shift+tab", kStillOpen, IDCANCEL, "|old"},
        {Layout::Plain, Init::SecondEditFocused, "shift+tab shift+tab", kStillOpen, IDCANCEL, "|old"},
        {Layout::Plain, Init::DefaultFocus, "posted-tab", kStillOpen, kSecondEdit, "|old"},
        // Letters reach the edit; Tab selects the next edit's text, so typing replaces it.
        {Layout::Plain, Init::DefaultFocus, "a b tab c", kStillOpen, kSecondEdit, "ab|c"},
        // Return presses the default button from an edit, the focused push button on a button.
        {Layout::Plain, Init::DefaultFocus, "x return", IDOK, 0, "x|old"},
        {Layout::Plain, Init::DefaultFocus, "shift+tab return", IDCANCEL, 0, "|old"},
        {Layout::ApplyIsDefault, Init::DefaultFocus, "return", kApply, 0, "|old"},
        {Layout::OkDisabled, Init::DefaultFocus, "return", kStillOpen, kFirstEdit, "|old"},
        // Escape is Cancel wherever the focus is.
        {Layout::Plain, Init::DefaultFocus, "tab tab escape", IDCANCEL, 0, "|old"},
    };
    for (const Case &c : cases) {
        const Outcome got = runWithKeys(c.layout, c.init, c.keys);
        EXPECT_EQ(got.result, c.result) << "keys: " << c.keys;
        EXPECT_EQ(got.focusedId, c.focusedId) << "keys: " << c.keys;
        EXPECT_EQ(got.texts, c.texts) << "keys: " << c.keys;
        plat::resetWindowManager();
    }
}

}  // namespace
