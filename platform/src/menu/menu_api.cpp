// Creating, loading, filling and destroying menus.
#include <utility>

#include "internal/resources.h"
#include "menu_store.h"

namespace plat {
namespace {

HMENU newMenu() {
    return menuTable().add<HMENU>(std::make_unique<Menu>());
}

// Builds the items of a template into a menu; popups become new menus.
void fillFromTemplate(HMENU menu, const std::vector<res::MenuTemplateItem> &items) {
    for (const res::MenuTemplateItem &source : items) {
        MenuItem item;
        item.flags = source.flags & kItemFlagMask;
        item.text = source.text;
        if (source.flags & MF_POPUP) {
            item.popup = newMenu();
            item.id = reinterpret_cast<UINT_PTR>(item.popup);
            fillFromTemplate(item.popup, source.children);
        } else {
            item.id = source.id;
        }
        findMenuObject(menu)->items.push_back(std::move(item));
    }
}

BOOL insertItem(HMENU hMenu, UINT position, UINT flags, UINT_PTR id, LPCSTR text) {
    MenuItem item;
    if (findMenuObject(hMenu) == nullptr || !makeItem(flags, id, text, item)) return FALSE;
    ItemRef at = findItem(hMenu, position, flags);
    // A position past the end, or a command that is nowhere in the menu,
    // appends to the menu itself (observed Windows behaviour).
    Menu *target = findMenuObject(at ? at.owner : hMenu);
    const size_t index = at ? static_cast<size_t>(at.position) : target->items.size();
    target->items.insert(target->items.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
    return TRUE;
}

// Removes an item; DeleteMenu also destroys the submenu of a popup item.
BOOL removeItem(HMENU hMenu, UINT position, UINT flags, bool destroySubmenu) {
    ItemRef at = findItem(hMenu, position, flags);
    if (!at) return FALSE;
    HMENU submenu = (at.item->flags & MF_POPUP) ? at.item->popup : nullptr;
    auto &items = findMenuObject(at.owner)->items;
    items.erase(items.begin() + at.position);
    if (destroySubmenu && submenu != nullptr) destroyMenuTree(submenu);
    return TRUE;
}

}  // namespace
}  // namespace plat

extern "C" {

HMENU WINAPI CreateMenu(void) {
    return plat::newMenu();
}

HMENU WINAPI CreatePopupMenu(void) {
    return plat::newMenu();
}

HMENU WINAPI LoadMenuA(HINSTANCE hInstance, LPCSTR lpMenuName) {
    const plat::res::MenuTemplate *source = plat::res::findMenu(hInstance, lpMenuName);
    if (source == nullptr) return nullptr;
    HMENU menu = plat::newMenu();
    plat::fillFromTemplate(menu, source->items);
    return menu;
}

BOOL WINAPI DestroyMenu(HMENU hMenu) {
    return plat::destroyMenuTree(hMenu) ? TRUE : FALSE;
}

BOOL WINAPI IsMenu(HMENU hMenu) {
    return plat::findMenuObject(hMenu) != nullptr;
}

BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
    return plat::insertItem(hMenu, static_cast<UINT>(-1), uFlags | MF_BYPOSITION, uIDNewItem, lpNewItem);
}

BOOL WINAPI InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
    return plat::insertItem(hMenu, uPosition, uFlags, uIDNewItem, lpNewItem);
}

BOOL WINAPI DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
    return plat::removeItem(hMenu, uPosition, uFlags, true);
}

BOOL WINAPI RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
    return plat::removeItem(hMenu, uPosition, uFlags, false);
}

HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos) {
    if (nPos < 0) return nullptr;
    plat::ItemRef at = plat::findItem(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    return (at && (at.item->flags & MF_POPUP)) ? at.item->popup : nullptr;
}

int WINAPI GetMenuItemCount(HMENU hMenu) {
    const plat::Menu *menu = plat::findMenuObject(hMenu);
    return menu ? static_cast<int>(menu->items.size()) : -1;
}

UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos) {
    if (nPos < 0) return static_cast<UINT>(-1);
    plat::ItemRef at = plat::findItem(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    if (!at || (at.item->flags & MF_POPUP)) return static_cast<UINT>(-1);
    return static_cast<UINT>(at.item->id);
}

}  // extern "C"
