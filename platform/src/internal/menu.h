// Menu objects as the window manager needs to see them: the menu bar drawing,
// hit-testing and popup tracking read the items through these accessors.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace plat {

struct MenuItem {
    UINT flags = 0;  // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_POPUP, MF_SEPARATOR, MF_HILITE, breaks
    UINT_PTR id = 0; // command id; for MF_POPUP the submenu handle as the id, as Windows reports it
    std::string text;
    HMENU popup = nullptr;
};

// The items of a menu, or null for an invalid handle.
const std::vector<MenuItem> *menuItems(HMENU menu);
// Highlight an item of a menu bar (MF_HILITE), by position; -1 clears all.
void setMenuHighlight(HMENU menu, int position);

}  // namespace plat
