// Reading and changing menu items: check marks, greying, ModifyMenuA, item
// state and text; plus the accessors the window manager draws menu bars with.
#include <algorithm>
#include <cstring>

#include "menu_store.h"

namespace plat {

const std::vector<MenuItem> *menuItems(HMENU menu) {
    const Menu *object = findMenuObject(menu);
    return object ? &object->items : nullptr;
}

void setMenuHighlight(HMENU menu, int position) {
    Menu *object = findMenuObject(menu);
    if (object == nullptr) return;
    for (size_t i = 0; i < object->items.size(); ++i) {
        MenuItem &item = object->items[i];
        item.flags = (static_cast<int>(i) == position) ? (item.flags | MF_HILITE) : (item.flags & ~MF_HILITE);
    }
}

}  // namespace plat

extern "C" {

DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck) {
    plat::ItemRef at = plat::findItem(hMenu, uIDCheckItem, uCheck);
    if (!at) return static_cast<DWORD>(-1);
    const DWORD previous = at.item->flags & MF_CHECKED;
    at.item->flags = (at.item->flags & ~MF_CHECKED) | (uCheck & MF_CHECKED);
    return previous;
}

BOOL WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
    constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED;
    plat::ItemRef at = plat::findItem(hMenu, uIDEnableItem, uEnable);
    if (!at) return -1;
    const BOOL previous = static_cast<BOOL>(at.item->flags & kStateBits);
    at.item->flags = (at.item->flags & ~kStateBits) | (uEnable & kStateBits);
    return previous;
}

// The item takes the new kind, state, text and id (for MF_POPUP the submenu
// handle); MF_DEFAULT survives, as on Windows. A submenu that the item stops
// opening is destroyed, as Windows documents.
BOOL WINAPI ModifyMenuA(HMENU hMnu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
    plat::ItemRef at = plat::findItem(hMnu, uPosition, uFlags);
    plat::MenuItem replacement;
    if (!at || !plat::makeItem(uFlags & ~MF_DEFAULT, uIDNewItem, lpNewItem, replacement)) return FALSE;
    replacement.flags |= at.item->flags & MF_DEFAULT;
    HMENU oldSubmenu = (at.item->flags & MF_POPUP) ? at.item->popup : nullptr;
    *at.item = std::move(replacement);
    if (oldSubmenu != nullptr && oldSubmenu != at.item->popup) plat::destroyMenuTree(oldSubmenu);
    return TRUE;
}

// For a popup item the high byte holds the number of items in its submenu
// and only the low byte holds flags, as Windows reports it.
UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
    plat::ItemRef at = plat::findItem(hMenu, uId, uFlags);
    if (!at) return static_cast<UINT>(-1);
    if (at.item->flags & MF_POPUP) {
        const std::vector<plat::MenuItem> *children = plat::menuItems(at.item->popup);
        if (children == nullptr) return static_cast<UINT>(-1);
        return (static_cast<UINT>(children->size()) << 8) | (at.item->flags & 0xFF);
    }
    return at.item->flags;
}

// Copies at most cchMax - 1 characters and a NUL; without a buffer, returns
// the length of the text.
int WINAPI GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags) {
    plat::ItemRef at = plat::findItem(hMenu, uIDItem, flags);
    if (lpString != nullptr && cchMax > 0) lpString[0] = '\0';
    if (!at) return 0;
    const std::string &text = at.item->text;
    if (lpString == nullptr || cchMax <= 0) return static_cast<int>(text.size());
    const size_t count = std::min(text.size(), static_cast<size_t>(cchMax - 1));
    std::memcpy(lpString, text.data(), count);
    lpString[count] = '\0';
    return static_cast<int>(count);
}

}  // extern "C"
