// The plug-in window's menu and its plot order dialog as a hand meets them:
// MenuState opens the popup that holds an item, as a click on the menu bar
// would (the plug-in sees WM_INITMENUPOPUP and brings the popup up to date),
// and prints the item's state; MenuBarState prints a menu bar item's;
// OrderDialog answers the next modal dialog with a list and Up/Down buttons
// step by step.
#include <deque>
#include <string>
#include <vector>

#include <platform/embed.h>

#include "macro/hand_steps.h"
#include "macro/statements.h"

namespace host::macro {
namespace {

constexpr int kMenuTextMax = 256;

// The popups from the menu bar down to the one that holds the item, in the
// order a hand opens them, with each one's position in its parent.
struct PopupStep {
    HMENU popup;
    int position;
};

bool findItem(HMENU menu, UINT id, std::vector<PopupStep> &path) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        HMENU sub = GetSubMenu(menu, i);
        if (!sub) continue;
        path.push_back({sub, i});
        for (int j = 0; j < GetMenuItemCount(sub); ++j)
            if (!GetSubMenu(sub, j) && GetMenuItemID(sub, j) == id) return true;
        if (findItem(sub, id, path)) return true;
        path.pop_back();
    }
    return false;
}

std::string menuText(HMENU menu, UINT item, UINT flags) {
    char text[kMenuTextMax] = "";
    GetMenuStringA(menu, item, text, kMenuTextMax, flags);
    return text;
}

Outcome menuState(Context &context, const Statement &s) {
    HWND window = currentPluginWindow();
    if (!window || !GetMenu(window)) return fail("no plug-in window with a menu is current");
    const auto id = static_cast<UINT>(wholeArg(s, 0));
    std::vector<PopupStep> path;
    if (!findItem(GetMenu(window), id, path))
        return fail("the plug-in window's menu has no item " + std::to_string(wholeArg(s, 0)), 0);
    for (const PopupStep &step : path)
        SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(step.popup),
                     MAKELPARAM(step.position, FALSE));
    HMENU popup = path.back().popup;
    const UINT state = GetMenuState(popup, id, MF_BYCOMMAND);
    context.print(std::string((state & MF_CHECKED) ? "1" : "0") + ((state & MF_GRAYED) ? " 1 " : " 0 ") +
                  menuText(popup, id, MF_BYCOMMAND));
    return std::nullopt;
}

Outcome menuBarState(Context &context, const Statement &s) {
    HWND window = currentPluginWindow();
    HMENU bar = window ? GetMenu(window) : nullptr;
    if (!bar) return fail("no plug-in window with a menu is current");
    const long position = wholeArg(s, 0);
    if (position < 0 || position >= GetMenuItemCount(bar))
        return fail("the menu bar has no item at position " + std::to_string(position), 0);
    const UINT state = GetMenuState(bar, static_cast<UINT>(position), MF_BYPOSITION);
    context.print(std::string((state & MF_GRAYED) ? "1 " : "0 ") +
                  menuText(bar, static_cast<UINT>(position), MF_BYPOSITION));
    return std::nullopt;
}

// ---- The plot order dialog --------------------------------------------------------------

std::deque<std::string> &orderSteps() {
    static std::deque<std::string> steps;
    return steps;
}

HWND childWithText(HWND dialog, const char *text) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char own[kMenuTextMax] = "";
        GetWindowTextA(child, own, kMenuTextMax);
        if (lstrcmpA(own, text) == 0) return child;
    }
    return nullptr;
}

HWND listOf(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = "";
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, "listbox") == 0) return child;
    }
    return nullptr;
}

// One step on the dialog: "up", "down", "ok", "cancel" click that button (a
// disabled one does nothing, as for a hand); any other text selects the
// list's row of that text, as a click on it would.
void playStep(HWND dialog, const std::string &step) {
    static const std::pair<const char *, const char *> kButtons[] = {
        {"up", "Up"}, {"down", "Down"}, {"ok", "OK"}, {"cancel", "Cancel"}};
    for (const auto &[word, text] : kButtons) {
        if (step != word) continue;
        if (HWND button = childWithText(dialog, text); button && IsWindowEnabled(button))
            plat::clickWindow(button);
        return;
    }
    HWND list = listOf(dialog);
    if (!list) return;
    const LRESULT row = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(step.c_str()));
    if (row == LB_ERR) return;
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

// The modal loop asks for input while the dialog waits: the next step, or
// nothing more (the loop then cancels the dialog, as it does without an
// answer, so the handler may stay installed).
bool answerOrderDialog() {
    HWND dialog = GetActiveWindow();
    if (orderSteps().empty() || !dialog || !listOf(dialog)) return false;
    std::string step = std::move(orderSteps().front());
    orderSteps().pop_front();
    playStep(dialog, step);
    return true;
}

Outcome orderDialog(Context &, const Statement &s) {
    orderSteps().clear();
    for (size_t i = 0; i < s.args.size(); ++i) orderSteps().push_back(textArg(s, i));
    const std::string &last = orderSteps().back();
    if (last != "ok" && last != "cancel")
        return fail("the last step of the dialog is \"ok\" or \"cancel\"",
                    static_cast<int>(s.args.size() - 1));
    plat::setModalIdleHandler(answerOrderDialog);
    return std::nullopt;
}

constexpr StatementRow kStatements[] = {
    {"MenuState", "i", "MenuState(id)", menuState},
    {"MenuBarState", "i", "MenuBarState(position)", menuBarState},
    {"OrderDialog", "s|ss|sss|ssss|sssss|ssssss|sssssss|ssssssss",
     "OrderDialog(\"row text\" or \"up\" or \"down\", ..., \"ok\" or \"cancel\")", orderDialog},
};

}  // namespace

std::span<const StatementRow> menuStatements() {
    return kStatements;
}

}  // namespace host::macro
