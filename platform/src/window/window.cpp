// Window creation and destruction, the window longs and the window text.
// Creation and destruction send what Windows sends, in its order:
// WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE,
// WM_PARENTNOTIFY, then the show; WM_DESTROY parent first, WM_NCDESTROY
// children first.
#include <algorithm>
#include <cstring>

#include "internal/init.h"
#include "internal/saturate.h"
#include "window/state.h"

namespace plat {

static void linkIntoParent(Window &w) {
    if (w.isChild()) {
        Window *parent = findWindow(w.parent);
        // Children are added at the bottom of the z-order, as Windows does
        // (a dialog's first control ends up topmost of the controls).
        if (parent) parent->children.push_back(w.handle);
    } else {
        wm().topLevels.insert(wm().topLevels.begin(), w.handle);
    }
}

static void unlinkFromParent(Window &w) {
    auto drop = [&](std::vector<HWND> &list) {
        list.erase(std::remove(list.begin(), list.end(), w.handle), list.end());
    };
    if (w.isChild()) {
        if (Window *parent = findWindow(w.parent)) drop(parent->children);
    } else {
        drop(wm().topLevels);
    }
}

static void defaultPlacement(const Window &w, int &x, int &y, int &cx, int &cy) {
    if (w.isChild()) {
        if (x == CW_USEDEFAULT) x = y = 0;
        if (cx == CW_USEDEFAULT) cx = cy = 0;
        return;
    }
    if (x == CW_USEDEFAULT) {
        x = 20;
        if (y == CW_USEDEFAULT || y == static_cast<int>(SW_SHOW)) y = 20;
    }
    if (cx == CW_USEDEFAULT) {
        cx = wm().screenWidth * 3 / 4;
        cy = wm().screenHeight * 3 / 4;
    }
}

// Sends the creation messages; false when the window refused to be created.
static bool sendCreateMessages(Window &w, CREATESTRUCTA &cs) {
    HWND hwnd = w.handle;
    if (!w.isChild() && (w.style & (WS_THICKFRAME | WS_CAPTION))) {
        MINMAXINFO mmi = queryMinMax(w);
        int cx = std::clamp<int>(w.rect.right - w.rect.left, 0, mmi.ptMaxTrackSize.x);
        int cy = std::clamp<int>(w.rect.bottom - w.rect.top, 0, mmi.ptMaxTrackSize.y);
        w.rect.right = w.rect.left + cx;
        w.rect.bottom = w.rect.top + cy;
    }
    if (!deliver(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) || !findWindow(hwnd)) return false;
    recomputeClient(w);
    RECT r = w.rect;
    deliver(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
    if (deliver(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1 || !findWindow(hwnd)) return false;
    w.created = true;
    deliver(hwnd, WM_SIZE, SIZE_RESTORED,
            MAKELPARAM(w.client.right - w.client.left, w.client.bottom - w.client.top));
    POINT o =
        w.isChild() ? POINT{w.rect.left + w.client.left, w.rect.top + w.client.top} : clientOriginOnScreen(w);
    deliver(hwnd, WM_MOVE, 0, MAKELPARAM(o.x, o.y));
    if (w.isChild() && !(w.exStyle & WS_EX_NOPARENTNOTIFY))
        deliver(w.parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, w.id), reinterpret_cast<LPARAM>(hwnd));
    return true;
}

static void sendDestroyTree(HWND hwnd) {
    deliver(hwnd, WM_DESTROY, 0, 0);
    Window *w = findWindow(hwnd);
    if (!w) return;
    std::vector<HWND> children = w->children;
    for (HWND child : children)
        if (findWindow(child)) sendDestroyTree(child);
}

static void freeTree(HWND hwnd) {
    Window *w = findWindow(hwnd);
    if (!w) return;
    std::vector<HWND> children = w->children;
    for (HWND child : children) freeTree(child);
    deliver(hwnd, WM_NCDESTROY, 0, 0);
    WindowManager &m = wm();
    if (m.focus == hwnd) m.focus = nullptr;
    if (m.active == hwnd) m.active = nullptr;
    if (m.lastHover == hwnd) m.lastHover = nullptr;
    if (m.trackWindow == hwnd) {
        if (m.tracking == Tracking::Menu) closeMenuPopup(false);
        m.tracking = Tracking::None;
        m.trackWindow = nullptr;
    }
    m.queue.erase(std::remove_if(m.queue.begin(), m.queue.end(),
                                 [&](const PostedMessage &p) { return p.hwnd == hwnd; }),
                  m.queue.end());
    if (Window *gone = findWindow(hwnd)) {
        if (gone->menu && !gone->isChild()) DestroyMenu(gone->menu);
        unlinkFromParent(*gone);
    }
    m.windows.remove(hwnd);
}

}  // namespace plat

using namespace plat;

extern "C" {

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int cx, int cy, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    ensureInitialised();
    WindowClass *cls = findClass(className, instance);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if ((style & WS_CHILD) && !findWindow(parent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    auto owned = std::make_unique<Window>();
    Window &w = *owned;
    w.cls = cls;
    w.proc = cls->proc;
    w.style = style & ~WS_VISIBLE;
    w.exStyle = exStyle;
    w.instance = instance;
    w.text = windowName && !IS_INTRESOURCE(windowName) ? windowName : "";
    w.extra.assign(static_cast<size_t>(cls->wndExtra), 0);
    if (w.isChild()) {
        w.parent = parent;
        w.id = reinterpret_cast<UINT_PTR>(menu);
    } else {
        w.owner = parent ? topLevelOf(parent) : nullptr;
        w.menu = menu;
        if ((style & WS_CAPTION) == WS_CAPTION && !(style & WS_CHILD)) w.style |= WS_CLIPSIBLINGS;
    }
    defaultPlacement(w, x, y, cx, cy);
    x = windowCoordinate(x), y = windowCoordinate(y);  // the range SetWindowPos keeps windows in
    w.rect = RECT{x, y, x + windowExtent(cx), y + windowExtent(cy)};
    w.normalRect = w.rect;
    HWND hwnd = wm().windows.add<HWND>(std::move(owned));
    Window *pw = findWindow(hwnd);
    pw->handle = hwnd;
    recomputeClient(*pw);
    linkIntoParent(*pw);
    fitSurface(*pw);

    CREATESTRUCTA cs{param,      instance,  menu,   parent, cy, cx, y, x, static_cast<LONG>(style),
                     windowName, className, exStyle};
    if (!sendCreateMessages(*pw, cs)) {
        if (findWindow(hwnd)) {
            sendDestroyTree(hwnd);
            freeTree(hwnd);
        }
        return nullptr;
    }
    if (style & WS_VISIBLE) {
        if (style & WS_MAXIMIZE)
            ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        else if (style & WS_MINIMIZE)
            ShowWindow(hwnd, SW_SHOWMINIMIZED);
        else
            ShowWindow(hwnd, SW_SHOW);
    }
    return findWindow(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
    Window *w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (w->destroying) return TRUE;
    w->destroying = true;
    bool wasChild = w->isChild();
    HWND owner = w->owner;
    // Owned windows go first, as Windows destroys a window's owned popups before it.
    if (!wasChild) {
        std::vector<HWND> ownedList;
        for (HWND h : wm().topLevels)
            if (Window *t = findWindow(h); t && t->owner == hwnd) ownedList.push_back(h);
        for (HWND h : ownedList) DestroyWindow(h);
    }
    if (findWindow(hwnd) && findWindow(hwnd)->visible())
        setWindowPosInternal(hwnd, nullptr, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    if (wm().capture && (wm().capture == hwnd || IsChild(hwnd, wm().capture))) ReleaseCapture();
    bool wasActive = wm().active == hwnd;
    if (wm().focus && (wm().focus == hwnd || IsChild(hwnd, wm().focus))) wm().focus = nullptr;
    if (wasChild) {
        Window *c = findWindow(hwnd);
        if (c && !(c->exStyle & WS_EX_NOPARENTNOTIFY))
            deliver(c->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, c->id),
                    reinterpret_cast<LPARAM>(hwnd));
    }
    if (wasActive) activateNextWindow(hwnd, owner, Leaving::Destroyed);
    if (findWindow(hwnd)) sendDestroyTree(hwnd);
    if (findWindow(hwnd)) freeTree(hwnd);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hwnd) {
    return findWindow(hwnd) != nullptr;
}

BOOL WINAPI IsChild(HWND parent, HWND hwnd) {
    Window *w = findWindow(hwnd);
    while (w && w->isChild()) {
        if (w->parent == parent) return TRUE;
        w = findWindow(w->parent);
    }
    return FALSE;
}

HWND WINAPI GetParent(HWND hwnd) {
    Window *w = findWindow(hwnd);
    if (!w) return nullptr;
    if (w->isChild()) return w->parent;
    // Windows returns the owner of a popup window, and 0 for an overlapped one.
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND WINAPI GetWindow(HWND hwnd, UINT cmd) {
    Window *w = findWindow(hwnd);
    if (!w) return nullptr;
    if (cmd == GW_OWNER) return w->isChild() ? nullptr : w->owner;
    if (cmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
    const std::vector<HWND> *siblings = &wm().topLevels;
    if (w->isChild()) {
        Window *p = findWindow(w->parent);
        if (!p) return nullptr;
        siblings = &p->children;
    }
    if (siblings->empty()) return nullptr;
    auto it = std::find(siblings->begin(), siblings->end(), hwnd);
    switch (cmd) {
        case GW_HWNDFIRST:
            return siblings->front();
        case GW_HWNDLAST:
            return siblings->back();
        case GW_HWNDNEXT:
            return (it == siblings->end() || it + 1 == siblings->end()) ? nullptr : *(it + 1);
        case GW_HWNDPREV:
            return (it == siblings->begin() || it == siblings->end()) ? nullptr : *(it - 1);
        default:
            return nullptr;
    }
}

BOOL WINAPI EnumChildWindows(HWND parent, BOOL(CALLBACK *fn)(HWND, LPARAM), LPARAM lParam) {
    Window *w = findWindow(parent);
    if (!w || !fn) return FALSE;
    std::vector<HWND> children = w->children;
    for (HWND child : children) {
        if (!findWindow(child)) continue;
        if (!fn(child, lParam)) return FALSE;
        if (!EnumChildWindows(child, fn, lParam) && findWindow(child) && !findWindow(child)->children.empty())
            return FALSE;
    }
    return TRUE;
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hwnd, int index) {
    Window *w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    switch (index) {
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(w->proc);
        case GWLP_HINSTANCE:
            return reinterpret_cast<LONG_PTR>(w->instance);
        case GWLP_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>(w->isChild() ? w->parent : w->owner);
        case GWLP_ID:
            return static_cast<LONG_PTR>(w->id);
        case GWLP_USERDATA:
            return w->userData;
        case GWL_STYLE:
            return static_cast<LONG>(w->style);
        case GWL_EXSTYLE:
            return static_cast<LONG>(w->exStyle);
        default:
            if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= w->extra.size()) {
                LONG_PTR v;
                memcpy(&v, w->extra.data() + index, sizeof v);
                return v;
            }
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
    }
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window *w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    LONG_PTR old = GetWindowLongPtrA(hwnd, index);
    switch (index) {
        case GWLP_WNDPROC:
            w->proc = reinterpret_cast<WNDPROC>(value);
            break;
        case GWLP_HINSTANCE:
            w->instance = reinterpret_cast<HINSTANCE>(value);
            break;
        case GWLP_HWNDPARENT:
            if (!w->isChild()) w->owner = reinterpret_cast<HWND>(value);
            break;
        case GWLP_ID:
            w->id = static_cast<UINT_PTR>(value);
            break;
        case GWLP_USERDATA:
            w->userData = value;
            break;
        case GWL_STYLE:
            w->style = static_cast<DWORD>(value);
            break;
        case GWL_EXSTYLE:
            w->exStyle = static_cast<DWORD>(value);
            break;
        default:
            if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= w->extra.size()) {
                memcpy(w->extra.data() + index, &value, sizeof value);
                break;
            }
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
    }
    return old;
}

LONG WINAPI GetWindowLongA(HWND hwnd, int index) {
    Window *w = findWindow(hwnd);
    if (w && index >= 0 && static_cast<size_t>(index) + sizeof(LONG) <= w->extra.size()) {
        LONG v;
        memcpy(&v, w->extra.data() + index, sizeof v);
        return v;
    }
    return static_cast<LONG>(GetWindowLongPtrA(hwnd, index));
}

LONG WINAPI SetWindowLongA(HWND hwnd, int index, LONG value) {
    Window *w = findWindow(hwnd);
    if (w && index >= 0 && static_cast<size_t>(index) + sizeof(LONG) <= w->extra.size()) {
        LONG old;
        memcpy(&old, w->extra.data() + index, sizeof old);
        memcpy(w->extra.data() + index, &value, sizeof value);
        return old;
    }
    return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, value));
}

BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text) {
    if (!findWindow(hwnd)) return FALSE;
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int WINAPI GetWindowTextA(HWND hwnd, LPSTR buffer, int size) {
    if (!findWindow(hwnd) || !buffer || size <= 0) return 0;
    buffer[0] = 0;
    return static_cast<int>(
        SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int WINAPI GetWindowTextLengthA(HWND hwnd) {
    if (!findWindow(hwnd)) return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

}  // extern "C"
