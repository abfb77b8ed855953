// The input seam: pointer moves, button presses and keys from the embedding
// program, turned into what Windows delivers. The pointer is hit-tested
// through the z-order (skipping hidden and disabled windows and windows
// answering HTTRANSPARENT, as WindowFromPoint does); a press activates an
// inactive top-level window with WA_CLICKACTIVE after asking WM_MOUSEACTIVATE;
// WM_SETCURSOR comes before every mouse message that is not captured.
// Frame drags and open menus are states of the seam, not nested loops.
#include <algorithm>
#include <cctype>

#include "internal/saturate.h"
#include "window/state.h"

namespace plat {

static bool containsScreen(const Window &w, POINT p) {
    RECT r = windowRectOnScreen(w);
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

static LPARAM screenParam(POINT p) {
    return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

// Depth-first search under a window; returns the window that takes the point
// and its hit code, or null when everything there is transparent.
static HWND searchAt(HWND hwnd, POINT p, LRESULT &hit) {
    Window *w = findWindow(hwnd);
    if (!w || !w->visible() || !containsScreen(*w, p)) return nullptr;
    if (w->show != ShowState::Minimized) {
        std::vector<HWND> children = w->children;
        RECT client = w->client;
        POINT origin = windowOriginOnScreen(*w);
        bool inClient = p.x >= origin.x + client.left && p.x < origin.x + client.right &&
                        p.y >= origin.y + client.top && p.y < origin.y + client.bottom;
        for (HWND child : children) {
            Window *c = findWindow(child);
            if (!inClient || !c || (c->style & WS_DISABLED)) continue;
            if (HWND found = searchAt(child, p, hit)) return found;
        }
    }
    if (!findWindow(hwnd)) return nullptr;
    hit = deliver(hwnd, WM_NCHITTEST, 0, screenParam(p), false);
    return hit == HTTRANSPARENT ? nullptr : hwnd;
}

static HWND windowAt(POINT p, LRESULT &hit) {
    hit = HTNOWHERE;
    std::vector<HWND> tops = wm().topLevels;
    for (HWND top : tops)
        if (HWND found = searchAt(top, p, hit)) return found;
    return nullptr;
}

static WPARAM keyFlags() {
    WindowManager &m = wm();
    WPARAM f = 0;
    if (m.buttons[0]) f |= MK_LBUTTON;
    if (m.buttons[1]) f |= MK_RBUTTON;
    if (m.buttons[2]) f |= MK_MBUTTON;
    if (m.shift) f |= MK_SHIFT;
    if (m.control) f |= MK_CONTROL;
    return f;
}

static LPARAM clientParam(HWND hwnd, POINT screen) {
    POINT p = screen;
    ScreenToClient(hwnd, &p);
    return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

static void dragFrame() {
    WindowManager &m = wm();
    Window *w = findWindow(m.trackWindow);
    if (!w) {
        m.tracking = Tracking::None;
        return;
    }
    LONG dx = subSaturated(m.cursor.x, m.trackStart.x), dy = subSaturated(m.cursor.y, m.trackStart.y);
    RECT r = m.trackStartRect;
    if (m.tracking == Tracking::Move) {
        OffsetRect(&r, dx, dy);
        deliver(w->handle, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r), false);
        SetWindowPos(m.trackWindow, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    int edge = m.trackHit;  // WMSZ_LEFT 1 ... WMSZ_BOTTOMRIGHT 8
    bool left = edge == 1 || edge == 4 || edge == 7, right = edge == 2 || edge == 5 || edge == 8;
    bool top = edge >= 3 && edge <= 5, bottom = edge >= 6;
    MINMAXINFO mmi = queryMinMax(*w);
    if (left) r.left = std::min(addSaturated(r.left, dx), subSaturated(r.right, mmi.ptMinTrackSize.x));
    if (right) r.right = std::max(addSaturated(r.right, dx), addSaturated(r.left, mmi.ptMinTrackSize.x));
    if (top) r.top = std::min(addSaturated(r.top, dy), subSaturated(r.bottom, mmi.ptMinTrackSize.y));
    if (bottom) r.bottom = std::max(addSaturated(r.bottom, dy), addSaturated(r.top, mmi.ptMinTrackSize.y));
    if (!findWindow(m.trackWindow)) return;
    deliver(m.trackWindow, WM_SIZING, static_cast<WPARAM>(edge), reinterpret_cast<LPARAM>(&r), false);
    SetWindowPos(m.trackWindow, nullptr, r.left, r.top, subSaturated(r.right, r.left),
                 subSaturated(r.bottom, r.top), SWP_NOZORDER | SWP_NOACTIVATE);
}

static UINT buttonMessage(MouseButton b, int kind) {  // kind 0 down, 1 up, 2 double
    static const UINT table[3][3] = {{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK},
                                     {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK},
                                     {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK}};
    return table[static_cast<int>(b)][kind];
}

static UINT ncMessage(UINT client) {
    return client - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
}

static void trackMenuPointer(bool press, bool release) {
    WindowManager &m = wm();
    LRESULT hit;
    HWND under = windowAt(m.cursor, hit);
    if (isMenuPopupWindow(under)) {
        int item = popupItemAt(m.cursor);
        if (release && item >= 0) chooseTrackedItem(item);
        return;
    }
    Window *owner = findWindow(m.trackWindow);
    if (owner && under == owner->handle && hit == HTMENU) {
        int index = menuBarItemAt(*owner, m.cursor);
        if (press && index == m.trackMenuIndex)
            closeMenuPopup(true);
        else if ((press || !release) && index >= 0 && index != m.trackMenuIndex)
            openMenuBarPopup(*owner, index);
        return;
    }
    if (press) closeMenuPopup(true);
}

static void pressOrDouble(MouseButton button, bool dbl) {
    WindowManager &m = wm();
    m.buttons[static_cast<int>(button)] = true;
    if (m.tracking == Tracking::Menu) {
        trackMenuPointer(true, false);
        return;
    }
    LRESULT hit = HTCLIENT;
    HWND target = m.capture ? m.capture : windowAt(m.cursor, hit);
    if (!target) return;
    HWND top = topLevelOf(target);
    Window *t = findWindow(top);
    if (!t) return;
    UINT message = buttonMessage(button, 0);
    if ((t->style & WS_DISABLED) && !m.capture) {
        MessageBeep(0);
        return;
    }
    if (!m.capture && top != m.active && !isMenuPopupWindow(top)) {
        LRESULT r =
            deliver(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top), MAKELPARAM(hit, message), false);
        if ((r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT) && findWindow(top))
            activateWindow(top, WA_CLICKACTIVE);
        if (r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT || !findWindow(target)) return;
    }
    if (!m.capture)
        deliver(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(hit, message), false);
    if (!findWindow(target)) return;
    Window *w = findWindow(target);
    if (dbl && (hit != HTCLIENT || (w->cls->style & CS_DBLCLKS))) message = buttonMessage(button, 2);
    if (hit == HTCLIENT) {
        deliver(target, message, keyFlags(), clientParam(target, m.cursor), true);
    } else {
        if (button == MouseButton::Left) {
            m.pressedNcWindow = target;
            m.pressedNcHit = hit;
        }
        deliver(target, ncMessage(message), static_cast<WPARAM>(hit), screenParam(m.cursor), true);
    }
}

static void ncButtonCommand(HWND hwnd, LRESULT hit) {
    Window *w = findWindow(hwnd);
    if (!w) return;
    WPARAM command = 0;
    if (hit == HTCLOSE) command = SC_CLOSE;
    if (hit == HTMINBUTTON) command = SC_MINIMIZE;
    if (hit == HTMAXBUTTON) command = w->show == ShowState::Maximized ? SC_RESTORE : SC_MAXIMIZE;
    if (command) deliver(hwnd, WM_SYSCOMMAND, command, screenParam(wm().cursor), true);
}

}  // namespace plat

using namespace plat;

void plat::inputMouseMove(int x, int y) {
    WindowManager &m = wm();
    POINT p{x, y};
    if (m.clipOn) {
        p.x = std::clamp<LONG>(p.x, m.clip.left, std::max(m.clip.left, m.clip.right - 1));
        p.y = std::clamp<LONG>(p.y, m.clip.top, std::max(m.clip.top, m.clip.bottom - 1));
    }
    m.cursor = p;
    if (m.tracking == Tracking::Move || m.tracking == Tracking::Size) {
        dragFrame();
        return;
    }
    if (m.tracking == Tracking::Menu) {
        trackMenuPointer(false, false);
        return;
    }
    LRESULT hit = HTCLIENT;
    HWND target = m.capture ? m.capture : windowAt(p, hit);
    if (!target) return;
    Window *t = findWindow(topLevelOf(target));
    if (!m.capture && t && (t->style & WS_DISABLED)) return;
    if (!m.capture)
        deliver(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(hit, WM_MOUSEMOVE), false);
    if (!findWindow(target)) return;
    if (hit == HTCLIENT)
        deliver(target, WM_MOUSEMOVE, keyFlags(), clientParam(target, p), true);
    else
        deliver(target, WM_NCMOUSEMOVE, static_cast<WPARAM>(hit), screenParam(p), true);
    m.lastHover = target;
}

void plat::inputMouseDown(MouseButton button) {
    pressOrDouble(button, false);
}

void plat::inputDoubleClick(MouseButton button) {
    pressOrDouble(button, true);
}

void plat::inputMouseUp(MouseButton button) {
    WindowManager &m = wm();
    m.buttons[static_cast<int>(button)] = false;
    if (m.tracking == Tracking::Move || m.tracking == Tracking::Size) {
        HWND hwnd = m.trackWindow;
        m.tracking = Tracking::None;
        m.trackWindow = nullptr;
        if (findWindow(hwnd)) deliver(hwnd, WM_EXITSIZEMOVE, 0, 0, false);
        return;
    }
    if (m.tracking == Tracking::Menu) {
        trackMenuPointer(false, true);
        return;
    }
    LRESULT hit = HTCLIENT;
    HWND target = m.capture ? m.capture : windowAt(m.cursor, hit);
    HWND pressed = m.pressedNcWindow;
    LRESULT pressedHit = m.pressedNcHit;
    m.pressedNcWindow = nullptr;
    m.pressedNcHit = HTNOWHERE;
    if (!target) return;
    Window *t = findWindow(topLevelOf(target));
    if (!m.capture && t && (t->style & WS_DISABLED)) return;
    UINT message = buttonMessage(button, 1);
    if (hit == HTCLIENT) {
        deliver(target, message, keyFlags(), clientParam(target, m.cursor), true);
        return;
    }
    deliver(target, ncMessage(message), static_cast<WPARAM>(hit), screenParam(m.cursor), true);
    if (button == MouseButton::Left && pressed == target && pressedHit == hit) ncButtonCommand(target, hit);
}

// Bits of a key message's lParam: the repeat count of one, the context code
// (Alt held), the previous state and the transition of a release.
constexpr LPARAM kKeyRepeatOne = 1;
constexpr LPARAM kKeyAltDown = 1 << 29;
constexpr LPARAM kKeyRelease = static_cast<LPARAM>(0xC0000000u);

static bool altHeld() {
    return wm().keysDown.count(VK_MENU) != 0;
}

// The character a key types, as TranslateMessage would post it.
static int typedCharacter(int vk) {
    WindowManager &m = wm();
    if (vk >= 'A' && vk <= 'Z') return m.shift ? vk : vk - 'A' + 'a';
    if (vk >= '0' && vk <= '9') return vk;
    if (vk == VK_SPACE || vk == VK_RETURN || vk == VK_BACK || vk == VK_ESCAPE || vk == VK_TAB) return vk;
    if (vk == 0xBE) return '.';
    if (vk == 0xBD) return m.shift ? '_' : '-';
    return 0;
}

static void sendKey(int vk, bool down) {
    WindowManager &m = wm();
    // The menu loop takes every key while a menu is open, releases included.
    if (m.tracking == Tracking::Menu) {
        if (down) menuKeyDown(vk);
        return;
    }
    HWND target = m.focus ? m.focus : m.active;
    if (!target) return;
    // With Alt held (Control not), and for F10, Windows sends the system
    // key messages; the release of Alt itself is one too.
    bool alt = altHeld() || (vk == VK_MENU && !down);
    bool system = !m.control && (alt || vk == VK_MENU || vk == VK_F10);
    LPARAM lParam = (down ? kKeyRepeatOne : kKeyRepeatOne | kKeyRelease) | (system && alt ? kKeyAltDown : 0);
    UINT message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    deliver(target, message, static_cast<WPARAM>(vk), lParam, true);
    if (!down || !findWindow(target)) return;
    // Alt chords type system characters even when the embedder types the
    // text itself, since its text never carries them.
    if (system) {
        if (int ch = typedCharacter(vk); ch && alt)
            deliver(target, WM_SYSCHAR, static_cast<WPARAM>(ch), lParam, true);
        return;
    }
    if (m.typedCharacters) return;
    if (int ch = typedCharacter(vk)) deliver(target, WM_CHAR, static_cast<WPARAM>(ch), lParam, true);
}

void plat::inputKeyDown(int vk) {
    wm().keysDown.insert(vk);
    sendKey(vk, true);
}

void plat::inputKeyUp(int vk) {
    wm().keysDown.erase(vk);
    sendKey(vk, false);
}

void plat::inputChar(unsigned int character) {
    WindowManager &m = wm();
    // An open menu takes keys, not characters; a letter or digit typed with
    // Alt held already went out as WM_SYSCHAR with its key.
    if (m.tracking == Tracking::Menu) return;
    bool alnum = (character < 0x80) && std::isalnum(static_cast<int>(character));
    if (alnum && altHeld() && !m.control) return;
    HWND target = m.focus ? m.focus : m.active;
    if (target) deliver(target, WM_CHAR, static_cast<WPARAM>(character), 1, true);
}

void plat::inputWheel(int delta) {
    WindowManager &m = wm();
    HWND target = m.focus ? m.focus : m.active;
    if (!target) return;
    WPARAM wParam = MAKEWPARAM(static_cast<WORD>(keyFlags()), static_cast<WORD>(static_cast<SHORT>(delta)));
    deliver(target, WM_MOUSEWHEEL, wParam, screenParam(m.cursor), true);
}

void plat::setTypedCharacters(bool fromEmbedder) {
    wm().typedCharacters = fromEmbedder;
}

void plat::setModifierState(bool shift, bool control) {
    wm().shift = shift;
    wm().control = control;
}

POINT plat::cursorPosition() {
    return wm().cursor;
}

bool plat::clickWindow(HWND hwnd) {
    Window *w = findWindow(hwnd);
    if (!w || !IsWindowVisible(hwnd)) return false;
    RECT r = windowRectOnScreen(*w);
    inputMouseMove((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    inputMouseDown(MouseButton::Left);
    inputMouseUp(MouseButton::Left);
    return true;
}

void plat::setModalIdleHandler(std::function<bool()> handler) {
    wm().idleHandler = std::move(handler);
}

extern "C" {

HWND WINAPI SetCapture(HWND hwnd) {
    WindowManager &m = wm();
    HWND old = m.capture;
    if (!findWindow(hwnd)) return nullptr;
    m.capture = hwnd;
    if (old && old != hwnd && findWindow(old))
        deliver(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd), false);
    return old;
}

BOOL WINAPI ReleaseCapture(void) {
    WindowManager &m = wm();
    HWND old = m.capture;
    m.capture = nullptr;
    if (old && findWindow(old)) deliver(old, WM_CAPTURECHANGED, 0, 0, false);
    return TRUE;
}

HWND WINAPI GetCapture(void) {
    return wm().capture;
}

BOOL WINAPI ClipCursor(const RECT *rect) {
    WindowManager &m = wm();
    if (!rect) {
        m.clipOn = false;
        return TRUE;
    }
    m.clipOn = true;
    m.clip = *rect;
    m.cursor.x = std::clamp<LONG>(m.cursor.x, rect->left, std::max(rect->left, rect->right - 1));
    m.cursor.y = std::clamp<LONG>(m.cursor.y, rect->top, std::max(rect->top, rect->bottom - 1));
    return TRUE;
}

BOOL WINAPI GetClipCursor(LPRECT rect) {
    if (!rect) return FALSE;
    WindowManager &m = wm();
    *rect = m.clipOn ? m.clip : RECT{0, 0, m.screenWidth, m.screenHeight};
    return TRUE;
}

BOOL WINAPI GetCursorPos(LPPOINT p) {
    if (!p) return FALSE;
    *p = wm().cursor;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int x, int y) {
    inputMouseMove(x, y);
    return TRUE;
}

SHORT WINAPI GetKeyState(int vk) {
    WindowManager &m = wm();
    bool down = false;
    switch (vk) {
        case VK_SHIFT:
            down = m.shift;
            break;
        case VK_CONTROL:
            down = m.control;
            break;
        case VK_LBUTTON:
            down = m.buttons[0];
            break;
        case VK_RBUTTON:
            down = m.buttons[1];
            break;
        case VK_MBUTTON:
            down = m.buttons[2];
            break;
        default:
            down = m.keysDown.count(vk) != 0;
            break;
    }
    return down ? static_cast<SHORT>(0x8000) : 0;
}

SHORT WINAPI GetAsyncKeyState(int vk) {
    return GetKeyState(vk);
}

HWND WINAPI WindowFromPoint(POINT p) {
    LRESULT hit;
    return windowAt(p, hit);
}

}  // extern "C"
