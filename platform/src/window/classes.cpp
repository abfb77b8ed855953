// Window classes: registration, look-up by name (case-insensitive, as Windows
// compares class names) and the class longs. System classes are global; a
// module's class is found under its own instance first, then among the
// global ones.
#include <cstring>
#include <strings.h>

#include "internal/init.h"
#include "window/state.h"

namespace plat {

WindowManager &wm() {
    static WindowManager state;
    return state;
}

void resetWindowManager() {
    WindowManager &m = wm();
    // Nobody listens any more: the spy's log may be gone already.
    m.spy = {};
    m.idleHandler = {};
    closeMenuPopup(false);
    m.tracking = Tracking::None;
    m.trackWindow = nullptr;
    m.trackHit = 0;
    ReleaseCapture();
    for (HWND h : std::vector<HWND>(m.topLevels))
        if (findWindow(h)) DestroyWindow(h);
    m.clipOn = false;
    m.cursor = POINT{0, 0};
    m.shift = m.control = false;
    m.buttons[0] = m.buttons[1] = m.buttons[2] = false;
    m.keysDown.clear();
    m.typedCharacters = false;
    m.lastHover = nullptr;
    m.pressedNcWindow = nullptr;
    m.pressedNcHit = HTNOWHERE;
    m.queue.clear();
    m.quitPosted = false;
    m.quitCode = 0;
}

Window *findWindow(HWND hwnd) {
    return hwnd ? wm().windows.find(hwnd) : nullptr;
}

static bool nameMatches(const WindowClass &c, const char *name) {
    if (IS_INTRESOURCE(name)) return c.atom == static_cast<ATOM>(reinterpret_cast<uintptr_t>(name));
    return strcasecmp(c.name.c_str(), name) == 0;
}

WindowClass *findClass(const char *name, HINSTANCE instance) {
    if (!name) return nullptr;
    for (auto &c : wm().classes)
        if (c->instance && c->instance == instance && nameMatches(*c, name)) return c.get();
    for (auto &c : wm().classes)
        if (!c->instance && nameMatches(*c, name)) return c.get();
    // A class registered by another module is still usable by name, as the
    // host's and the module's classes would be on Windows when registered global.
    for (auto &c : wm().classes)
        if (nameMatches(*c, name)) return c.get();
    return nullptr;
}

LRESULT WINAPI DialogClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcA(hwnd, message, wParam, lParam);
}

void ensureInitialised() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSA dialogClass{};
    dialogClass.style = CS_DBLCLKS | CS_SAVEBITS | CS_GLOBALCLASS;
    dialogClass.lpfnWndProc = DialogClassProc;
    dialogClass.cbWndExtra = DLGWINDOWEXTRA;
    dialogClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    dialogClass.lpszClassName = "#32770";
    RegisterClassA(&dialogClass);
    registerControlClasses();
}

}  // namespace plat

using namespace plat;

extern "C" {

ATOM WINAPI RegisterClassA(const WNDCLASSA *wc) {
    if (!wc || !wc->lpszClassName || !wc->lpfnWndProc || IS_INTRESOURCE(wc->lpszClassName)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    HINSTANCE instance = (wc->style & CS_GLOBALCLASS) ? nullptr : wc->hInstance;
    for (auto &c : wm().classes) {
        if (c->instance == instance && strcasecmp(c->name.c_str(), wc->lpszClassName) == 0) {
            SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return 0;
        }
    }
    auto c = std::make_unique<WindowClass>();
    c->name = wc->lpszClassName;
    c->atom = wm().nextAtom++;
    c->style = wc->style;
    c->proc = wc->lpfnWndProc;
    c->wndExtra = wc->cbWndExtra > 0 ? wc->cbWndExtra : 0;
    c->instance = instance;
    c->icon = wc->hIcon;
    c->cursor = wc->hCursor;
    c->background = wc->hbrBackground;
    c->extra.assign(wc->cbClsExtra > 0 ? static_cast<size_t>(wc->cbClsExtra) : 0, 0);
    ATOM atom = c->atom;
    wm().classes.push_back(std::move(c));
    return atom;
}

BOOL WINAPI UnregisterClassA(LPCSTR name, HINSTANCE instance) {
    auto &list = wm().classes;
    for (auto it = list.begin(); it != list.end(); ++it) {
        if ((*it)->instance == instance && nameMatches(**it, name)) {
            bool inUse = false;
            wm().windows.forEach([&](uintptr_t, const Window &w) { inUse |= w.cls == it->get(); });
            if (inUse) return FALSE;
            list.erase(it);
            return TRUE;
        }
    }
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
}

BOOL WINAPI GetClassInfoA(HINSTANCE instance, LPCSTR name, LPWNDCLASSA out) {
    ensureInitialised();
    WindowClass *c = findClass(name, instance);
    if (!c || !out) return FALSE;
    *out = WNDCLASSA{};
    out->style = c->style;
    out->lpfnWndProc = c->proc;
    out->cbClsExtra = static_cast<int>(c->extra.size());
    out->cbWndExtra = c->wndExtra;
    out->hInstance = c->instance;
    out->hIcon = c->icon;
    out->hCursor = c->cursor;
    out->hbrBackground = c->background;
    out->lpszClassName = c->name.c_str();
    return TRUE;
}

int WINAPI GetClassNameA(HWND hwnd, LPSTR buffer, int size) {
    Window *w = findWindow(hwnd);
    if (!w || !buffer || size <= 0) return 0;
    lstrcpynA(buffer, w->cls->name.c_str(), size);
    return static_cast<int>(strlen(buffer));
}

ULONG_PTR WINAPI GetClassLongPtrA(HWND hwnd, int index) {
    Window *w = findWindow(hwnd);
    if (!w) return 0;
    WindowClass &c = *w->cls;
    switch (index) {
        case GCLP_HICON:
            return reinterpret_cast<ULONG_PTR>(c.icon);
        case GCLP_HCURSOR:
            return reinterpret_cast<ULONG_PTR>(c.cursor);
        case GCLP_HBRBACKGROUND:
            return reinterpret_cast<ULONG_PTR>(c.background);
        case GCLP_WNDPROC:
            return reinterpret_cast<ULONG_PTR>(c.proc);
        case GCLP_HMODULE:
            return reinterpret_cast<ULONG_PTR>(c.instance);
        case GCL_STYLE:
            return c.style;
        case GCL_CBWNDEXTRA:
            return static_cast<ULONG_PTR>(c.wndExtra);
        default:
            if (index >= 0 && static_cast<size_t>(index) + sizeof(ULONG_PTR) <= c.extra.size()) {
                ULONG_PTR v;
                memcpy(&v, c.extra.data() + index, sizeof v);
                return v;
            }
            return 0;
    }
}

ULONG_PTR WINAPI SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window *w = findWindow(hwnd);
    if (!w) return 0;
    WindowClass &c = *w->cls;
    ULONG_PTR old = GetClassLongPtrA(hwnd, index);
    switch (index) {
        case GCLP_HICON:
            c.icon = reinterpret_cast<HICON>(value);
            break;
        case GCLP_HCURSOR:
            c.cursor = reinterpret_cast<HCURSOR>(value);
            break;
        case GCLP_HBRBACKGROUND:
            c.background = reinterpret_cast<HBRUSH>(value);
            break;
        case GCLP_WNDPROC:
            c.proc = reinterpret_cast<WNDPROC>(value);
            break;
        case GCL_STYLE:
            c.style = static_cast<UINT>(value);
            break;
        default:
            if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= c.extra.size()) {
                memcpy(c.extra.data() + index, &value, sizeof value);
                break;
            }
            return 0;
    }
    return old;
}

DWORD WINAPI GetClassLongA(HWND hwnd, int index) {
    return static_cast<DWORD>(GetClassLongPtrA(hwnd, index));
}

DWORD WINAPI SetClassLongA(HWND hwnd, int index, LONG value) {
    return static_cast<DWORD>(SetClassLongPtrA(hwnd, index, value));
}

}  // extern "C"
