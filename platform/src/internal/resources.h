// Compiled resources of a module: what the resource compiler (tools/rc)
// produces from a .rc script and what LoadStringA, LoadMenuA, LoadIconA,
// LoadCursorA and the dialog functions look up. A module's tables are
// registered under its instance handle, which is the load address of the
// executable or shared object that contains them, as on Windows.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

namespace plat::res {

// A resource name: a 16-bit id, or a text (compared case-insensitively, as
// Windows stores resource names upper-cased).
struct ResName {
    bool isId = true;
    uint16_t id = 0;
    std::string name;

    static ResName fromArg(LPCSTR arg);  // MAKEINTRESOURCE value or text
    bool matches(const ResName &other) const;
};

struct DialogControl {
    std::string className;  // lower-case system class ("button", "static", "listbox", "edit") or other
    std::string text;
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
};

// A visible child control of a template, with the style bits given added.
inline DialogControl childControl(const char *cls, std::string text, int id, DWORD style, int x, int y,
                                  int cx, int cy) {
    DialogControl c;
    c.className = cls;
    c.text = std::move(text);
    c.id = id;
    c.style = WS_CHILD | WS_VISIBLE | style;
    c.x = x, c.y = y, c.cx = cx, c.cy = cy;
    return c;
}

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    std::string caption;
    bool hasMenu = false;
    ResName menu;
    std::string className;  // empty: the dialog class
    int pointSize = 8;
    std::string fontName = "MS Sans Serif";
    std::vector<DialogControl> controls;
};

struct MenuTemplateItem {
    UINT flags = 0;  // MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_MENUBREAK, ...
    UINT id = 0;
    std::string text;
    std::vector<MenuTemplateItem> children;  // popup items
};

struct MenuTemplate {
    std::vector<MenuTemplateItem> items;
};

// A decoded icon or cursor image: straight-alpha ARGB (0xAARRGGBB), rows top
// to bottom; alpha 0 is transparent.
struct ImageData {
    int width = 0;
    int height = 0;
    int hotX = 0;
    int hotY = 0;
    std::vector<uint32_t> argb;
};

struct StringEntry {
    uint16_t id;
    std::string text;
};
struct DialogEntry {
    ResName name;
    DialogTemplate dialog;
};
struct MenuEntry {
    ResName name;
    MenuTemplate menu;
};
struct ImageEntry {
    ResName name;
    ImageData image;
};

struct ModuleResources {
    std::vector<StringEntry> strings;
    std::vector<DialogEntry> dialogs;
    std::vector<MenuEntry> menus;
    std::vector<ImageEntry> icons;
    std::vector<ImageEntry> cursors;
};

// The instance handle of the module (executable or shared object) that
// contains the given address.
HINSTANCE instanceOf(const void *addressInModule);
// The instance handle of the main executable (GetModuleHandleA(NULL)).
HINSTANCE mainInstance();

// Registration, done by the code that the resource compiler generates. A
// module registers once; the tables must outlive the registration. Returns
// true so that it can initialise a static.
bool registerModule(HINSTANCE instance, const ModuleResources *resources);

// Look-ups; a null instance means the main executable.
const ModuleResources *findModule(HINSTANCE instance);
const DialogTemplate *findDialog(HINSTANCE instance, LPCSTR name);
const MenuTemplate *findMenu(HINSTANCE instance, LPCSTR name);
const ImageData *findIcon(HINSTANCE instance, LPCSTR name);
const ImageData *findCursor(HINSTANCE instance, LPCSTR name);
const std::string *findString(HINSTANCE instance, UINT id);

}  // namespace plat::res
