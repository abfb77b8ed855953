// Menu objects and item look-ups.
#include "menu_store.h"

#include <set>

namespace plat {
namespace {

ItemRef findByCommand(HMENU menu, UINT command, std::set<HMENU> &visited) {
    Menu *object = findMenuObject(menu);
    if (object == nullptr || !visited.insert(menu).second) return {};
    ItemRef fallback;
    for (size_t i = 0; i < object->items.size(); ++i) {
        MenuItem &item = object->items[i];
        if (item.flags & MF_POPUP) {
            if (ItemRef inner = findByCommand(item.popup, command, visited)) return inner;
            if (!fallback && item.id == command) fallback = {menu, static_cast<int>(i), &item};
        } else if (item.id == command) {
            return {menu, static_cast<int>(i), &item};
        }
    }
    return fallback;
}

void collectTree(HMENU menu, std::set<HMENU> &tree) {
    Menu *object = findMenuObject(menu);
    if (object == nullptr || !tree.insert(menu).second) return;
    for (const MenuItem &item : object->items) {
        if (item.flags & MF_POPUP) collectTree(item.popup, tree);
    }
}

}  // namespace

HandleTable<Menu> &menuTable() {
    static HandleTable<Menu> table(kMenuHandleBase);
    return table;
}

Menu *findMenuObject(HMENU menu) {
    return menuTable().find(menu);
}

ItemRef findItem(HMENU menu, UINT position, UINT flags) {
    if (flags & MF_BYPOSITION) {
        Menu *object = findMenuObject(menu);
        if (object == nullptr || position >= object->items.size()) return {};
        return {menu, static_cast<int>(position), &object->items[position]};
    }
    std::set<HMENU> visited;  // a menu may, wrongly, hold itself as a submenu
    return findByCommand(menu, position, visited);
}

bool makeItem(UINT flags, UINT_PTR id, LPCSTR text, MenuItem &out) {
    MenuItem item;
    item.flags = flags & kItemFlagMask;
    if (item.flags & MF_POPUP) {
        item.popup = reinterpret_cast<HMENU>(id);
        if (findMenuObject(item.popup) == nullptr) return false;
    }
    // Windows keeps a command id as a UINT; a popup's id is its submenu handle.
    item.id = (item.flags & MF_POPUP) ? id : static_cast<UINT>(id);
    // Owner-drawn and bitmap items carry a value, not a string, in the text argument.
    const bool hasString = !(item.flags & (MF_SEPARATOR | MF_OWNERDRAW | kMfBitmap));
    if (hasString && text != nullptr) item.text = text;
    out = std::move(item);
    return true;
}

bool destroyMenuTree(HMENU menu) {
    if (findMenuObject(menu) == nullptr) return false;
    std::set<HMENU> tree;
    collectTree(menu, tree);
    for (HMENU member : tree) menuTable().remove(member);
    return true;
}

}  // namespace plat
