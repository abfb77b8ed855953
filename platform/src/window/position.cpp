// Placement and show state: SetWindowPos and ShowWindow with the messages
// Windows sends for each transition (WM_WINDOWPOSCHANGING, then
// WM_WINDOWPOSCHANGED, whose default handling sends WM_MOVE and WM_SIZE with
// SIZE_RESTORED, SIZE_MINIMIZED or SIZE_MAXIMIZED).
#include <algorithm>

#include "internal/saturate.h"
#include "window/state.h"

namespace plat {

// Internal WINDOWPOS flags that tell DefWindowProc what really changed.
constexpr UINT kNoClientSize = 0x0800;
constexpr UINT kNoClientMove = 0x1000;
constexpr UINT kStateChanged = 0x8000;

MINMAXINFO queryMinMax(Window &w) {
    RECT in = frameInsets(w.style, w.exStyle, false);
    int frame = std::max<int>(in.left, 0);
    MINMAXINFO mmi{};
    mmi.ptMaxSize = POINT{wm().screenWidth + 2 * frame, wm().screenHeight + 2 * frame};
    mmi.ptMaxPosition = POINT{-frame, -frame};
    mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    deliver(w.handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi), false);
    return mmi;
}

static void reorder(Window &w, HWND after) {
    std::vector<HWND> *list = &wm().topLevels;
    if (w.isChild()) {
        Window *parent = findWindow(w.parent);
        if (!parent) return;
        list = &parent->children;
    }
    list->erase(std::remove(list->begin(), list->end(), w.handle), list->end());
    if (after == HWND_BOTTOM) {
        list->push_back(w.handle);
        return;
    }
    if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
        list->insert(list->begin(), w.handle);
        return;
    }
    auto it = std::find(list->begin(), list->end(), after);
    list->insert(it == list->end() ? list->begin() : it + 1, w.handle);
}

// Repaints what a child uncovers or covers: its old and new places in the parent.
static void invalidateInParent(Window &w, const RECT &oldRect) {
    Window *parent = findWindow(w.parent);
    if (!parent) return;
    RECT old = oldRect;
    invalidateWindow(*parent, &old, true, true);
    invalidateWindow(*parent, &w.rect, true, true);
}

bool setWindowPosInternal(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window *w = findWindow(hwnd);
    if (!w) return false;
    WINDOWPOS wp{hwnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) wp.x = w->rect.left, wp.y = w->rect.top;
    if (flags & SWP_NOSIZE) wp.cx = w->rect.right - w->rect.left, wp.cy = w->rect.bottom - w->rect.top;
    if (!(flags & SWP_NOSENDCHANGING))
        deliver(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp), false);
    if (!(w = findWindow(hwnd))) return false;
    // What the caller or a WM_WINDOWPOSCHANGING handler asked for, brought into
    // the range windows are kept in (so the sides below cannot overflow).
    wp.x = windowCoordinate(wp.x);
    wp.y = windowCoordinate(wp.y);
    wp.cx = windowExtent(wp.cx);
    wp.cy = windowExtent(wp.cy);

    RECT oldRect = w->rect;
    RECT oldClient = w->client;
    POINT oldOrigin = clientOriginOnScreen(*w);
    if (!(wp.flags & SWP_NOZORDER)) reorder(*w, wp.hwndInsertAfter);
    if (!(wp.flags & SWP_NOMOVE)) {
        w->rect.right += wp.x - w->rect.left;
        w->rect.bottom += wp.y - w->rect.top;
        w->rect.left = wp.x;
        w->rect.top = wp.y;
    }
    if (!(wp.flags & SWP_NOSIZE)) {
        w->rect.right = w->rect.left + wp.cx;
        w->rect.bottom = w->rect.top + wp.cy;
    }
    bool wasVisible = w->visible();
    if (wp.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (wp.flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
    recomputeClient(*w);

    bool sized = (oldClient.right - oldClient.left) != (w->client.right - w->client.left) ||
                 (oldClient.bottom - oldClient.top) != (w->client.bottom - w->client.top);
    bool framed = sized || (oldRect.right - oldRect.left) != (w->rect.right - w->rect.left) ||
                  (oldRect.bottom - oldRect.top) != (w->rect.bottom - w->rect.top) ||
                  (wp.flags & SWP_FRAMECHANGED);
    POINT newOrigin = clientOriginOnScreen(*w);
    bool moved = newOrigin.x != oldOrigin.x || newOrigin.y != oldOrigin.y;
    if (!sized && !(wp.flags & kStateChanged)) wp.flags |= kNoClientSize;
    if (!moved) wp.flags |= kNoClientMove;

    if (!w->isChild()) {
        fitSurface(*w);
        if (framed || (w->visible() && !wasVisible)) {
            invalidateFrame(*w);
            invalidateWindow(*w, nullptr, true, true);
        }
    } else if (framed || moved || w->visible() != wasVisible) {
        invalidateInParent(*w, oldRect);
        if (w->visible()) {
            invalidateFrame(*w);
            invalidateWindow(*w, nullptr, true, true);
        }
    }
    deliver(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp), false);
    if (!(w = findWindow(hwnd))) return true;
    if (!(flags & SWP_NOACTIVATE) && !w->isChild() && w->visible()) activateWindow(hwnd, WA_ACTIVE);
    return true;
}

// Minimised windows line up along the bottom of the screen, in the first free slot.
static RECT iconicSlot(HWND hwnd) {
    for (int slot = 0;; ++slot) {
        RECT r{2 + slot * (kIconicSize + 2), wm().screenHeight - kIconicSize - 2, 0, 0};
        r.right = r.left + kIconicSize;
        r.bottom = r.top + kIconicSize;
        bool taken = false;
        for (HWND h : wm().topLevels) {
            Window *t = findWindow(h);
            if (h != hwnd && t && t->show == ShowState::Minimized && t->rect.left == r.left) taken = true;
        }
        if (!taken) return r;
    }
}

static void changeState(Window &w, ShowState state, bool activate) {
    HWND hwnd = w.handle;
    if (w.show == ShowState::Normal) w.normalRect = w.rect;
    RECT target = w.normalRect;
    if (state == ShowState::Minimized) {
        target = iconicSlot(hwnd);
    } else if (state == ShowState::Maximized) {
        w.show = ShowState::Maximized;  // the frame queried below is the maximised one
        MINMAXINFO mmi = queryMinMax(w);
        if (!findWindow(hwnd)) return;
        target =
            RECT{mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, addSaturated(mmi.ptMaxPosition.x, mmi.ptMaxSize.x),
                 addSaturated(mmi.ptMaxPosition.y, mmi.ptMaxSize.y)};
    }
    Window *pw = findWindow(hwnd);
    if (!pw) return;
    pw->show = state;
    pw->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
    if (state == ShowState::Minimized) pw->style |= WS_MINIMIZE;
    if (state == ShowState::Maximized) pw->style |= WS_MAXIMIZE;
    UINT flags = SWP_FRAMECHANGED | kStateChanged | SWP_NOZORDER | SWP_NOACTIVATE |
                 (pw->visible() ? 0 : SWP_SHOWWINDOW);
    // The maximised placement comes from WM_GETMINMAXINFO, any values at all.
    setWindowPosInternal(hwnd, nullptr, target.left, target.top, subSaturated(target.right, target.left),
                         subSaturated(target.bottom, target.top), flags);
    if (activate && findWindow(hwnd)) activateWindow(hwnd, WA_ACTIVE);
}

}  // namespace plat

using namespace plat;

extern "C" {

BOOL WINAPI SetWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags) {
    if (!findWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return setWindowPosInternal(hwnd, after, x, y, cx, cy, flags & 0x07FF) ? TRUE : FALSE;
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int cx, int cy, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, cx, cy,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL WINAPI BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL WINAPI IsIconic(HWND hwnd) {
    Window *w = findWindow(hwnd);
    return w && w->show == ShowState::Minimized;
}

BOOL WINAPI IsZoomed(HWND hwnd) {
    Window *w = findWindow(hwnd);
    return w && w->show == ShowState::Maximized;
}

BOOL WINAPI IsWindowVisible(HWND hwnd) {
    Window *w = findWindow(hwnd);
    return w && isAncestorVisible(*w);
}

BOOL WINAPI ShowWindow(HWND hwnd, int cmd) {
    Window *w = findWindow(hwnd);
    if (!w) return FALSE;
    bool wasVisible = w->visible();
    auto show = [&](bool activate) {
        if (!findWindow(hwnd)->visible()) {
            deliver(hwnd, WM_SHOWWINDOW, TRUE, 0, false);
            if (findWindow(hwnd))
                setWindowPosInternal(hwnd, nullptr, 0, 0, 0, 0,
                                     SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                                         (w->isChild() ? SWP_NOZORDER : 0));
        }
        if (activate && findWindow(hwnd) && !findWindow(hwnd)->isChild()) activateWindow(hwnd, WA_ACTIVE);
    };
    switch (cmd) {
        case SW_HIDE:
            if (!wasVisible) return FALSE;
            deliver(hwnd, WM_SHOWWINDOW, FALSE, 0, false);
            if (findWindow(hwnd))
                setWindowPosInternal(
                    hwnd, nullptr, 0, 0, 0, 0,
                    SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            if (Window *still = findWindow(hwnd)) activateNextWindow(hwnd, still->owner, Leaving::Hidden);
            return TRUE;
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE:
            if (w->show != ShowState::Minimized) {
                if (!wasVisible) deliver(hwnd, WM_SHOWWINDOW, TRUE, 0, false);
                if (findWindow(hwnd))
                    changeState(*findWindow(hwnd), ShowState::Minimized, cmd == SW_SHOWMINIMIZED);
            } else {
                show(cmd == SW_SHOWMINIMIZED);
            }
            if (Window *still = findWindow(hwnd); still && cmd == SW_MINIMIZE)
                activateNextWindow(hwnd, still->owner, Leaving::Minimised);
            break;
        case SW_SHOWMAXIMIZED:
            if (w->show != ShowState::Maximized) {
                if (!wasVisible) deliver(hwnd, WM_SHOWWINDOW, TRUE, 0, false);
                if (findWindow(hwnd)) changeState(*findWindow(hwnd), ShowState::Maximized, true);
            } else {
                show(true);
            }
            break;
        case SW_SHOWNORMAL:
        case SW_RESTORE:
        case SW_SHOWNOACTIVATE:
        case SW_SHOWDEFAULT:
            if (w->show != ShowState::Normal) {
                if (!wasVisible) deliver(hwnd, WM_SHOWWINDOW, TRUE, 0, false);
                if (findWindow(hwnd))
                    changeState(*findWindow(hwnd), ShowState::Normal, cmd != SW_SHOWNOACTIVATE);
            } else {
                show(cmd != SW_SHOWNOACTIVATE);
            }
            break;
        case SW_SHOW:
            show(true);
            break;
        case SW_SHOWNA:
            show(false);
            break;
        default:
            return wasVisible;
    }
    return wasVisible;
}

}  // extern "C"
