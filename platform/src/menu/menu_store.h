// Menu objects and the item look-ups that every menu entry point shares.
#pragma once

#include <vector>

#include <windows.h>

#include "internal/handles.h"
#include "internal/menu.h"

namespace plat {

struct Menu {
    std::vector<MenuItem> items;
};

HandleTable<Menu> &menuTable();
Menu *findMenuObject(HMENU menu);

// An item found by position or by command, with the menu that holds it.
struct ItemRef {
    HMENU owner = nullptr;
    int position = -1;
    MenuItem *item = nullptr;

    explicit operator bool() const { return item != nullptr; }
};

// Finds an item as Windows does: MF_BYPOSITION takes the position in this
// menu; otherwise the command id is searched depth first through the
// submenus, and a popup item whose id matches is the answer only when no item
// below it has that id.
ItemRef findItem(HMENU menu, UINT position, UINT flags);

// Win32 item kinds that windows.h leaves out: a bitmap item (its "text" is an
// HBITMAP) and a help item (right-aligned in a menu bar).
constexpr UINT kMfBitmap = 0x00000004;
constexpr UINT kMfHelp = 0x00004000;

// The bits of an item's flags that are state and kind, as stored.
constexpr UINT kItemFlagMask = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR | MF_MENUBREAK |
                               MF_MENUBARBREAK | MF_HILITE | MF_DEFAULT | MF_OWNERDRAW | kMfHelp | kMfBitmap;

// Builds an item from the flags, id and text of AppendMenuA, InsertMenuA or
// ModifyMenuA. False when MF_POPUP names no menu.
bool makeItem(UINT flags, UINT_PTR id, LPCSTR text, MenuItem &out);

// Destroys a menu and, recursively, its submenus.
bool destroyMenuTree(HMENU menu);

}  // namespace plat
