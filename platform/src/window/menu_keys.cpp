// Menus worked with the keyboard. Alt+letter (WM_SYSCHAR turned into
// WM_SYSCOMMAND SC_KEYMENU by DefWindowProc) opens the bar popup with that
// mnemonic; F10 or Alt alone enters the menu bar with its first item
// highlighted. While a menu is open every key goes to it, as the menu loop
// takes all input on Windows: arrows move the highlight (separators are
// skipped, greyed items may be highlighted but not chosen), Return chooses,
// a letter chooses the item with that mnemonic, Escape steps back.
#include <cctype>
#include <vector>

#include "internal/menu.h"
#include "window/state.h"

namespace plat {
namespace {

// The mnemonic of an item's text: the letter after a single '&', lower case.
int mnemonicOf(const std::string &text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return std::tolower(static_cast<unsigned char>(text[i + 1]));
        ++i;
    }
    return 0;
}

int itemCount(HMENU menu) {
    const std::vector<MenuItem> *items = menuItems(menu);
    return items ? static_cast<int>(items->size()) : 0;
}

int highlightedItem(HMENU menu) {
    const std::vector<MenuItem> *items = menuItems(menu);
    for (size_t i = 0; items && i < items->size(); ++i)
        if ((*items)[i].flags & MF_HILITE) return static_cast<int>(i);
    return -1;
}

bool isSeparator(HMENU menu, int position) {
    const std::vector<MenuItem> *items = menuItems(menu);
    return items && ((*items)[position].flags & MF_SEPARATOR);
}

// The next item from `from` in direction `step` (wrapping) that is not a separator.
int nextItem(HMENU menu, int from, int step) {
    int count = itemCount(menu);
    int at = from < 0 && step < 0 ? count : from;
    for (int tries = 0; tries < count; ++tries) {
        at = (at + step + count) % count;
        if (!isSeparator(menu, at)) return at;
    }
    return -1;
}

void highlightPopupItem(int position) {
    setMenuHighlight(wm().trackMenu, position);
    redrawMenuPopup();
}

// The items of a menu with a mnemonic, in order.
std::vector<int> itemsWithMnemonic(HMENU menu, int character) {
    std::vector<int> out;
    const std::vector<MenuItem> *items = menuItems(menu);
    int wanted = std::tolower(character);
    for (size_t i = 0; items && i < items->size(); ++i)
        if (!((*items)[i].flags & MF_SEPARATOR) && mnemonicOf((*items)[i].text) == wanted)
            out.push_back(static_cast<int>(i));
    return out;
}

// Letters and digits choose by mnemonic; other keys (Shift, Tab...) do nothing.
bool isMnemonicKey(int vk) {
    return (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9');
}

Window *menuOwner() {
    return findWindow(wm().trackWindow);
}

// Opens a bar popup from the keyboard: its first item is highlighted, so
// Return right away chooses it.
void openFromKeys(Window &w, int index) {
    openMenuBarPopup(w, index);
    if (wm().popupWindow) highlightPopupItem(nextItem(wm().trackMenu, -1, 1));
}

// The bar highlighted with no popup open, as after F10 or Escape.
void enterBar(Window &w, int index) {
    WindowManager &m = wm();
    HWND owner = w.handle;
    if (m.tracking == Tracking::Menu && m.trackWindow == owner) {
        // Back from a popup: still in the same menu, so nothing is sent.
        hideMenuPopup();
        m.trackMenuIndex = index;
        setMenuHighlight(w.menu, index);
        invalidateFrame(w);
        return;
    }
    closeMenuPopup(false);
    m.tracking = Tracking::Menu;
    m.trackWindow = owner;
    m.popupOwner = owner;
    m.trackMenuIndex = index;
    deliver(owner, WM_ENTERMENULOOP, FALSE, 0, false);
    deliver(owner, WM_INITMENU, reinterpret_cast<WPARAM>(w.menu), 0, false);
    if (Window *still = findWindow(owner)) {
        setMenuHighlight(still->menu, index);
        invalidateFrame(*still);
    }
}

void leaveMenu() {
    closeMenuPopup(true);
}

// The bar popup beside the open one (step -1 or 1), wrapping.
void moveAlongBar(Window &w, int step, bool open) {
    int count = itemCount(w.menu);
    if (count == 0) return;
    int index = (wm().trackMenuIndex + step + count) % count;
    if (open) {
        openFromKeys(w, index);
        return;
    }
    wm().trackMenuIndex = index;
    setMenuHighlight(w.menu, index);
    invalidateFrame(w);
}

// Return in the bar: a popup opens, a command item is chosen.
void chooseBarItem(Window &w) {
    const std::vector<MenuItem> *items = menuItems(w.menu);
    int index = wm().trackMenuIndex;
    if (!items || index < 0 || index >= static_cast<int>(items->size())) return;
    const MenuItem item = (*items)[index];
    if (item.flags & MF_POPUP) {
        openFromKeys(w, index);
        return;
    }
    if (item.flags & (MF_GRAYED | MF_DISABLED)) return;
    HWND owner = w.handle;
    leaveMenu();
    PostMessageA(owner, WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
}

void barKey(Window &w, int vk) {
    switch (vk) {
        case VK_LEFT:
            moveAlongBar(w, -1, false);
            return;
        case VK_RIGHT:
            moveAlongBar(w, 1, false);
            return;
        case VK_RETURN:
        case VK_DOWN:
        case VK_UP:
            chooseBarItem(w);
            return;
        case VK_ESCAPE:
        case VK_MENU:
        case VK_F10:
            leaveMenu();
            return;
        default:
            break;
    }
    if (!isMnemonicKey(vk)) return;
    std::vector<int> matches = itemsWithMnemonic(w.menu, vk);
    if (matches.empty()) return;
    wm().trackMenuIndex = matches.front();
    chooseBarItem(w);
}

// The popup the open submenu hangs from, and the submenu's position in it;
// null when the open popup is the bar's own.
HMENU parentOf(HMENU root, HMENU menu, int &position) {
    const std::vector<MenuItem> *items = menuItems(root);
    for (size_t i = 0; items && i < items->size(); ++i) {
        if (!((*items)[i].flags & MF_POPUP)) continue;
        if ((*items)[i].popup == menu) {
            position = static_cast<int>(i);
            return root;
        }
        if (HMENU found = parentOf((*items)[i].popup, menu, position)) return found;
    }
    return nullptr;
}

// Escape or Left in a popup: a submenu goes back to its parent; true when
// there was one.
bool backFromSubmenu(Window &w) {
    const std::vector<MenuItem> *bar = menuItems(w.menu);
    int index = wm().trackMenuIndex;
    if (!bar || index < 0 || index >= static_cast<int>(bar->size())) return false;
    HMENU root = (*bar)[index].popup;
    int position = -1;
    HMENU parent = parentOf(root, wm().trackMenu, position);
    if (!parent) return false;
    closeSubmenu(parent, position);
    highlightPopupItem(position);
    return true;
}

// Return on a popup item: a submenu opens with its first item highlighted,
// an enabled command is chosen, a greyed one does nothing.
void choosePopupItem(int position) {
    if (position < 0) return;
    HMENU before = wm().trackMenu;
    chooseTrackedItem(position);
    HMENU now = wm().trackMenu;
    if (now && now != before) highlightPopupItem(nextItem(now, -1, 1));
}

bool hasSubmenu(HMENU menu, int position) {
    const std::vector<MenuItem> *items = menuItems(menu);
    return items && position >= 0 && ((*items)[position].flags & MF_POPUP);
}

void popupLetter(int vk) {
    if (!isMnemonicKey(vk)) return;
    HMENU menu = wm().trackMenu;
    std::vector<int> matches = itemsWithMnemonic(menu, vk);
    if (matches.empty()) {
        MessageBeep(0);
        return;
    }
    if (matches.size() == 1) {
        choosePopupItem(matches.front());
        return;
    }
    // Several items share the letter: each press moves to the next of them.
    int current = highlightedItem(menu);
    int next = matches.front();
    for (int m : matches)
        if (m > current) {
            next = m;
            break;
        }
    highlightPopupItem(next);
}

void popupKey(Window &w, int vk) {
    HMENU menu = wm().trackMenu;
    int current = highlightedItem(menu);
    switch (vk) {
        case VK_UP:
            highlightPopupItem(nextItem(menu, current, -1));
            return;
        case VK_DOWN:
            highlightPopupItem(nextItem(menu, current, 1));
            return;
        case VK_RETURN:
            choosePopupItem(current);
            return;
        case VK_ESCAPE:
            if (!backFromSubmenu(w)) enterBar(w, wm().trackMenuIndex);
            return;
        case VK_LEFT:
            if (!backFromSubmenu(w)) moveAlongBar(w, -1, true);
            return;
        case VK_RIGHT:
            if (hasSubmenu(menu, current))
                choosePopupItem(current);
            else
                moveAlongBar(w, 1, true);
            return;
        case VK_MENU:
        case VK_F10:
            leaveMenu();
            return;
        default:
            popupLetter(vk);
            return;
    }
}

}  // namespace

void keyMenuCommand(Window &w, LPARAM character) {
    if (w.isChild() || !menuItems(w.menu) || itemCount(w.menu) == 0) {
        if (character) MessageBeep(0);
        return;
    }
    if (character == 0) {
        enterBar(w, 0);
        return;
    }
    std::vector<int> matches = itemsWithMnemonic(w.menu, static_cast<int>(character));
    if (matches.empty()) {
        MessageBeep(0);
        return;
    }
    wm().trackMenuIndex = matches.front();
    chooseBarItem(w);
}

void menuKeyDown(int vk) {
    Window *w = menuOwner();
    if (!w) {
        closeMenuPopup(false);
        return;
    }
    if (wm().popupWindow)
        popupKey(*w, vk);
    else
        barKey(*w, vk);
}

}  // namespace plat
