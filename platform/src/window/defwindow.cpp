// DefWindowProcA: the default handling every window procedure falls back on.
#include <algorithm>
#include <cstring>

#include "internal/ctl_color.h"
#include "window/state.h"

namespace plat {

// hbrBackground may be a system colour index plus one, as Windows allows.
static HBRUSH classBrush(const WindowClass &c) {
    auto value = reinterpret_cast<uintptr_t>(c.background);
    if (value > 0 && value <= COLOR_INFOBK + 1) return GetSysColorBrush(static_cast<int>(value - 1));
    return c.background;
}

static LRESULT onWindowPosChanged(Window &w, const WINDOWPOS *wp) {
    constexpr UINT kNoClientSize = 0x0800, kNoClientMove = 0x1000;
    HWND hwnd = w.handle;
    if (!(wp->flags & kNoClientMove)) {
        POINT o = w.isChild() ? POINT{w.rect.left + w.client.left, w.rect.top + w.client.top}
                              : clientOriginOnScreen(w);
        deliver(hwnd, WM_MOVE, 0, MAKELPARAM(o.x, o.y), false);
    }
    Window *still = findWindow(hwnd);
    if (still && !(wp->flags & kNoClientSize)) {
        if (still->show == ShowState::Minimized) {
            deliver(hwnd, WM_SIZE, SIZE_MINIMIZED, 0, false);
        } else {
            WPARAM kind = still->show == ShowState::Maximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
            deliver(hwnd, WM_SIZE, kind,
                    MAKELPARAM(still->client.right - still->client.left,
                               still->client.bottom - still->client.top),
                    false);
        }
    }
    return 0;
}

static LRESULT onWindowPosChanging(Window &w, WINDOWPOS *wp) {
    // Windows enforces the tracking limits for resizable and overlapped
    // windows on every size change, not only while the user drags.
    bool limited = (w.style & WS_THICKFRAME) || !(w.style & (WS_POPUP | WS_CHILD));
    if ((wp->flags & SWP_NOSIZE) || !limited) return 0;
    MINMAXINFO mmi = queryMinMax(w);
    // A minimised window may be made smaller than its minimum, never larger than its maximum:
    // its surface is allocated at the size it is given.
    if (w.show == ShowState::Minimized) mmi.ptMinTrackSize = POINT{0, 0};
    wp->cx =
        std::clamp<int>(wp->cx, mmi.ptMinTrackSize.x, std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
    wp->cy =
        std::clamp<int>(wp->cy, mmi.ptMinTrackSize.y, std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
    return 0;
}

static LPCSTR cursorForHit(int hit) {
    switch (hit) {
        case HTLEFT:
        case HTRIGHT:
            return IDC_SIZEWE;
        case HTTOP:
        case HTBOTTOM:
            return IDC_SIZENS;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT:
            return IDC_SIZENWSE;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT:
            return IDC_SIZENESW;
        default:
            return IDC_ARROW;
    }
}

static LRESULT onSetCursor(Window &w, WPARAM wParam, LPARAM lParam) {
    if (w.isChild() && deliver(w.parent, WM_SETCURSOR, wParam, lParam, false)) return TRUE;
    Window *still = findWindow(w.handle);
    if (!still) return FALSE;
    int hit = static_cast<SHORT>(LOWORD(lParam));
    if (hit == HTCLIENT) {
        SetCursor(still->cls->cursor ? still->cls->cursor : LoadCursorA(nullptr, IDC_ARROW));
        return TRUE;
    }
    if (hit == HTERROR || hit == HTNOWHERE) return FALSE;
    SetCursor(LoadCursorA(nullptr, cursorForHit(hit)));
    return TRUE;
}

static LRESULT onSysCommand(Window &w, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = w.handle;
    switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            ShowWindow(hwnd, SW_MINIMIZE);
            break;
        case SC_MAXIMIZE:
            ShowWindow(hwnd, SW_MAXIMIZE);
            break;
        case SC_RESTORE:
            ShowWindow(hwnd, SW_RESTORE);
            break;
        case SC_CLOSE:
            deliver(hwnd, WM_CLOSE, 0, 0, false);
            break;
        case SC_KEYMENU:
            keyMenuCommand(w, lParam);
            break;
        case SC_MOVE:
        case SC_SIZE: {
            // The user's drag goes on through the input seam; the move or
            // size loop is a state of the seam rather than a nested loop.
            WindowManager &m = wm();
            m.tracking = (wParam & 0xFFF0) == SC_MOVE ? Tracking::Move : Tracking::Size;
            m.trackWindow = hwnd;
            m.trackHit = static_cast<int>(wParam & 0x000F);
            m.trackStart = m.cursor;
            m.trackStartRect = w.rect;
            deliver(hwnd, WM_ENTERSIZEMOVE, 0, 0, false);
            break;
        }
        default:
            break;
    }
    return 0;
}

// A press on a caption button or on the frame starts what the hand asked for.
static LRESULT onNcButtonDown(Window &w, WPARAM hit) {
    HWND hwnd = w.handle;
    switch (hit) {
        case HTCAPTION:
            return deliver(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0, false);
        case HTLEFT:
        case HTRIGHT:
        case HTTOP:
        case HTTOPLEFT:
        case HTTOPRIGHT:
        case HTBOTTOM:
        case HTBOTTOMLEFT:
        case HTBOTTOMRIGHT:
            if (w.show == ShowState::Normal)
                return deliver(hwnd, WM_SYSCOMMAND, SC_SIZE | (hit - HTLEFT + 1), 0, false);
            return 0;
        case HTMENU: {
            int index = menuBarItemAt(w, wm().cursor);
            if (index >= 0) openMenuBarPopup(w, index);
            return 0;
        }
        default:
            return 0;
    }
}

// Alt or F10 pressed and released with no key between enters the menu bar
// (WM_SYSCOMMAND SC_KEYMENU with 0), as Windows' DefWindowProc does.
static void onKeyDown(WPARAM vk, LPARAM lParam, bool system) {
    constexpr LPARAM kWasDown = 1 << 30;
    bool menuKey = system && ((vk == VK_MENU && !(lParam & kWasDown)) || vk == VK_F10);
    wm().menuKeyPending = menuKey ? vk : 0;
}

static void onKeyUp(Window &w, WPARAM vk) {
    WindowManager &m = wm();
    bool enter = m.menuKeyPending != 0 && m.menuKeyPending == vk;
    m.menuKeyPending = 0;
    if (enter) deliver(topLevelOf(w.handle), WM_SYSCOMMAND, SC_KEYMENU, 0, false);
}

// Alt+character asks the top-level window to open the bar popup it names.
static void onSysChar(Window &w, WPARAM ch) {
    if (ch == VK_TAB || ch == VK_ESCAPE || ch == VK_SPACE) return;
    deliver(topLevelOf(w.handle), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(ch), false);
}

HBRUSH defaultCtlColor(HDC hdc, UINT message) {
    bool field = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    int background = field ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(background));
    return GetSysColorBrush(background);
}

}  // namespace plat

using namespace plat;

extern "C" LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window *w = findWindow(hwnd);
    if (!w) return 0;
    switch (message) {
        case WM_NCCREATE: {
            auto *cs = reinterpret_cast<CREATESTRUCTA *>(lParam);
            if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
            return TRUE;
        }
        case WM_SETTEXT:
            w->text = lParam ? reinterpret_cast<const char *>(lParam) : "";
            if (!w->isChild()) invalidateFrame(*w);
            return TRUE;
        case WM_GETTEXT: {
            auto *buffer = reinterpret_cast<char *>(lParam);
            if (!buffer || wParam == 0) return 0;
            size_t n = std::min<size_t>(w->text.size(), wParam - 1);
            memcpy(buffer, w->text.data(), n);
            buffer[n] = 0;
            return static_cast<LRESULT>(n);
        }
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(w->text.size());
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_WINDOWPOSCHANGING:
            return onWindowPosChanging(*w, reinterpret_cast<WINDOWPOS *>(lParam));
        case WM_WINDOWPOSCHANGED:
            return onWindowPosChanged(*w, reinterpret_cast<const WINDOWPOS *>(lParam));
        case WM_NCHITTEST:
            return defaultHitTest(
                *w, POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))});
        case WM_NCPAINT:
            paintNonClient(*w);
            return 0;
        case WM_NCACTIVATE:
            invalidateFrame(*w);
            return TRUE;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && w->show != ShowState::Minimized) SetFocus(hwnd);
            return 0;
        case WM_MOUSEACTIVATE:
            if (w->isChild()) {
                LRESULT r = deliver(w->parent, WM_MOUSEACTIVATE, wParam, lParam, false);
                if (r) return r;
            }
            return MA_ACTIVATE;
        case WM_SETCURSOR:
            return onSetCursor(*w, wParam, lParam);
        case WM_ERASEBKGND: {
            HBRUSH brush = classBrush(*w->cls);
            if (!brush) return 0;
            RECT r;
            GetClientRect(hwnd, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC hdc = BeginPaint(hwnd, &ps);
            if (w->show == ShowState::Minimized && w->cls->icon) DrawIcon(hdc, 0, 0, w->cls->icon);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_SYSCOMMAND:
            return onSysCommand(*w, wParam, lParam);
        case WM_NCLBUTTONDOWN:
            return onNcButtonDown(*w, wParam);
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            onKeyDown(wParam, lParam, message == WM_SYSKEYDOWN);
            return 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            onKeyUp(*w, wParam);
            return 0;
        case WM_SYSCHAR:
            onSysChar(*w, wParam);
            return 0;
        case WM_NCLBUTTONDBLCLK:
            if (wParam == HTCAPTION && (w->style & WS_MAXIMIZEBOX))
                return deliver(hwnd, WM_SYSCOMMAND,
                               w->show == ShowState::Maximized ? SC_RESTORE : SC_MAXIMIZE, 0, false);
            return 0;
        case WM_CANCELMODE:
            if (wm().capture == hwnd) ReleaseCapture();
            return 0;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<LRESULT>(w->cls->icon);
        default:
            if (isCtlColorMessage(message))
                return reinterpret_cast<LRESULT>(defaultCtlColor(reinterpret_cast<HDC>(wParam), message));
            return 0;
    }
}
