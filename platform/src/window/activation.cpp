// Activation, focus and enabling. Activation from code sends WM_ACTIVATE with
// WA_ACTIVE; the input seam activates with WA_CLICKACTIVE. The sequence is
// Windows': the old window gets WM_NCACTIVATE(FALSE) and WM_ACTIVATE
// (WA_INACTIVE), the new one is brought to the top, then gets
// WM_NCACTIVATE(TRUE), WM_ACTIVATE, and the focus (WM_SETFOCUS) from the
// default handling of WM_ACTIVATE.
#include "window/state.h"

namespace plat {

void activateWindow(HWND hwnd, WORD how) {
    WindowManager &m = wm();
    HWND old = m.active;
    if (old == hwnd) return;
    if (hwnd) {
        Window *w = findWindow(hwnd);
        if (!w || w->isChild()) return;
    }
    if (Window *o = findWindow(old)) {
        deliver(old, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(hwnd), false);
        deliver(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, o->show == ShowState::Minimized),
                reinterpret_cast<LPARAM>(hwnd), false);
        if (Window *still = findWindow(old)) invalidateFrame(*still);
    }
    m.active = hwnd;
    if (!hwnd) {
        setFocusInternal(nullptr);
        return;
    }
    setWindowPosInternal(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Window *w = findWindow(hwnd);
    if (!w || m.active != hwnd) return;
    deliver(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(old), false);
    if (!(w = findWindow(hwnd))) return;
    invalidateFrame(*w);
    deliver(hwnd, WM_ACTIVATE, MAKEWPARAM(how, w->show == ShowState::Minimized),
            reinterpret_cast<LPARAM>(old), false);
}

// Whether a top-level window may take the activation passed on from another.
// An open menu's popup never takes it.
static bool canTakeActivation(HWND hwnd, Leaving how) {
    Window *w = findWindow(hwnd);
    if (!w || !w->visible() || (w->style & WS_DISABLED) || isMenuPopupWindow(hwnd)) return false;
    return how != Leaving::Minimised || w->show != ShowState::Minimized;
}

// As Windows does when the active window is hidden, minimised or destroyed:
// its owner takes the activation if it can, else the topmost other top-level
// window that is visible and enabled; minimising also passes over minimised
// windows. With no such window nothing is active.
void activateNextWindow(HWND leaving, HWND owner, Leaving how) {
    if (!findWindow(leaving) || wm().active != leaving) return;
    if (owner && owner != leaving && canTakeActivation(owner, how)) {
        activateWindow(owner, WA_ACTIVE);
        return;
    }
    for (HWND h : wm().topLevels) {
        if (h != leaving && canTakeActivation(h, how)) {
            activateWindow(h, WA_ACTIVE);
            return;
        }
    }
    activateWindow(nullptr, WA_ACTIVE);
}

void setFocusInternal(HWND hwnd) {
    WindowManager &m = wm();
    HWND old = m.focus;
    if (old == hwnd) return;
    m.focus = hwnd;
    if (old && findWindow(old)) deliver(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0, false);
    if (hwnd && findWindow(hwnd) && m.focus == hwnd)
        deliver(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0, false);
}

}  // namespace plat

using namespace plat;

extern "C" {

HWND WINAPI SetActiveWindow(HWND hwnd) {
    HWND old = wm().active;
    Window *w = findWindow(hwnd);
    if (hwnd && (!w || w->isChild())) return nullptr;
    activateWindow(hwnd, WA_ACTIVE);
    return old;
}

HWND WINAPI GetActiveWindow(void) {
    return wm().active;
}

BOOL WINAPI SetForegroundWindow(HWND hwnd) {
    if (!findWindow(hwnd)) return FALSE;
    activateWindow(topLevelOf(hwnd), WA_ACTIVE);
    return TRUE;
}

HWND WINAPI GetForegroundWindow(void) {
    return wm().active;
}

HWND WINAPI SetFocus(HWND hwnd) {
    HWND old = wm().focus;
    if (!hwnd) {
        setFocusInternal(nullptr);
        return old;
    }
    Window *w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    for (Window *cur = w; cur; cur = cur->isChild() ? findWindow(cur->parent) : nullptr)
        if (cur->style & WS_DISABLED) return nullptr;
    HWND top = topLevelOf(hwnd);
    if (wm().active != top) activateWindow(top, WA_ACTIVE);
    setFocusInternal(hwnd);
    return old;
}

HWND WINAPI GetFocus(void) {
    return wm().focus;
}

BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
    Window *w = findWindow(hwnd);
    if (!w) return FALSE;
    BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        deliver(hwnd, WM_ENABLE, TRUE, 0, false);
    } else if (!enable && !wasDisabled) {
        w->style |= WS_DISABLED;
        if (wm().focus == hwnd || IsChild(hwnd, wm().focus)) setFocusInternal(nullptr);
        if (wm().capture == hwnd) ReleaseCapture();
        deliver(hwnd, WM_ENABLE, FALSE, 0, false);
    }
    if (Window *still = findWindow(hwnd)) {
        if (still->isChild()) invalidateWindow(*still, nullptr, true, true);
    }
    return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND hwnd) {
    Window *w = findWindow(hwnd);
    return w && !(w->style & WS_DISABLED);
}

}  // extern "C"
