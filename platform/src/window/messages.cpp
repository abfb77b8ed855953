// Message delivery. SendMessageA calls the window procedure at once and is
// re-entrant, as on Windows; PostMessageA queues, and the queue is drained by
// the embedding program's pump or by a modal loop. Every delivery passes the
// message spy first, so tests can compare whole sequences.
#include "internal/draw_target.h"
#include "window/state.h"

namespace plat {

LRESULT deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool posted) {
    Window *w = findWindow(hwnd);
    if (!w || !w->proc) return 0;
    WindowManager &m = wm();
    if (m.spy) m.spy(SpyMessage{hwnd, message, wParam, lParam, posted});
    ++m.sendDepth;
    LRESULT result = CallWindowProcA(w->proc, hwnd, message, wParam, lParam);
    --m.sendDepth;
    return result;
}

void setMessageSpy(std::function<void(const SpyMessage &)> spy) {
    wm().spy = std::move(spy);
}

static bool matches(const PostedMessage &p, HWND hwnd, UINT low, UINT high) {
    if (hwnd && p.hwnd != hwnd && !IsChild(hwnd, p.hwnd)) return false;
    if (low == 0 && high == 0) return true;
    return p.message >= low && p.message <= high;
}

// Takes the next message that a message loop would see: posted messages
// first, then WM_PAINT for a window with an update region.
static bool nextMessage(MSG *msg, HWND hwnd, UINT low, UINT high, bool remove) {
    WindowManager &m = wm();
    for (auto it = m.queue.begin(); it != m.queue.end(); ++it) {
        if (!matches(*it, hwnd, low, high)) continue;
        *msg = MSG{it->hwnd, it->message, it->wParam, it->lParam, 0, m.cursor};
        if (remove) m.queue.erase(it);
        return true;
    }
    if (m.quitPosted) {
        *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(m.quitCode), 0, 0, m.cursor};
        if (remove) m.quitPosted = false;
        return true;
    }
    return false;
}

void pumpMessages() {
    WindowManager &m = wm();
    // A window that invalidates itself on every paint would loop forever;
    // the guard keeps a pump finite.
    for (int guard = 0; guard < 100000; ++guard) {
        if (!m.queue.empty()) {
            PostedMessage p = m.queue.front();
            m.queue.pop_front();
            deliver(p.hwnd, p.message, p.wParam, p.lParam, true);
            continue;
        }
        if (paintPending()) {
            paintAll();
            continue;
        }
        break;
    }
}

}  // namespace plat

using namespace plat;

extern "C" {

LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!proc) return 0;
    return proc(hwnd, message, wParam, lParam);
}

LRESULT WINAPI SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!findWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return deliver(hwnd, message, wParam, lParam, false);
}

BOOL WINAPI PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !findWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    wm().queue.push_back(PostedMessage{hwnd, message, wParam, lParam});
    return TRUE;
}

void WINAPI PostQuitMessage(int code) {
    wm().quitPosted = true;
    wm().quitCode = code;
}

BOOL WINAPI PeekMessageA(LPMSG msg, HWND hwnd, UINT low, UINT high, UINT removeFlags) {
    if (!msg) return FALSE;
    if (nextMessage(msg, hwnd, low, high, (removeFlags & PM_REMOVE) != 0)) return TRUE;
    if (paintPending() && (low == 0 || (WM_PAINT >= low && WM_PAINT <= high))) {
        paintAll();
    }
    return FALSE;
}

// Headless, nothing ever arrives from outside: when no message is left and
// the idle handler (if any) brings none, GetMessageA ends the loop as if
// WM_QUIT had been posted, instead of blocking forever.
BOOL WINAPI GetMessageA(LPMSG msg, HWND hwnd, UINT low, UINT high) {
    if (!msg) return -1;
    for (;;) {
        if (nextMessage(msg, hwnd, low, high, true)) return msg->message == WM_QUIT ? FALSE : TRUE;
        if (paintPending()) {
            paintAll();
            continue;
        }
        if (wm().idleHandler && wm().idleHandler()) continue;
        *msg = MSG{nullptr, WM_QUIT, 0, 0, 0, wm().cursor};
        return FALSE;
    }
}

BOOL WINAPI TranslateMessage(const MSG *msg) {
    // Characters are produced by the input seam together with the key, so
    // there is nothing left to translate.
    return msg && (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN);
}

LRESULT WINAPI DispatchMessageA(const MSG *msg) {
    if (!msg || !findWindow(msg->hwnd)) return 0;
    return deliver(msg->hwnd, msg->message, msg->wParam, msg->lParam, true);
}

}  // extern "C"
