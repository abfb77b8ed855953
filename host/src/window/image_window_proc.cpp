// The image window's procedure: painting, activation, closing, and the
// offering of its messages to the client hooks.
//
// Mouse messages (including WM_SETCURSOR over the client area), key messages
// and WM_ENABLE go to the hooks before the host handles them, with
// HookPhaseAct: a hook answering 1 takes the message over and the host does
// nothing more with it. While another host tool has the mouse (suspendMouse),
// mouse messages go with HookPhaseObserve instead and the answers do not
// count. A paint goes with HookPhaseObserve before the image is drawn and
// with HookPhaseAct once the paint is complete, so that what the hooks draw
// then with GetDC stays on the window.

#include "core/image_store.h"
#include "window/client_hooks.h"
#include "window/image_paint.h"
#include "window/image_views.h"
#include "window/image_window.h"
#include "window/image_window_class.h"

namespace host {

namespace {

constexpr char kClassName[] = "VoImageWindow";

enum class OfferKind { Mouse, Key, Other };

struct OfferedMessage {
    UINT message;
    OfferKind kind;
};

constexpr OfferedMessage kOffered[] = {
    {WM_MOUSEMOVE, OfferKind::Mouse}, {WM_LBUTTONDOWN, OfferKind::Mouse},
    {WM_LBUTTONUP, OfferKind::Mouse}, {WM_LBUTTONDBLCLK, OfferKind::Mouse},
    {WM_RBUTTONUP, OfferKind::Mouse}, {WM_SETCURSOR, OfferKind::Mouse},
    {WM_KEYDOWN, OfferKind::Key},     {WM_KEYUP, OfferKind::Key},
    {WM_ENABLE, OfferKind::Other},
};

const OfferedMessage *offered(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The cursor over the frame and caption stays the host's.
    if (message == WM_SETCURSOR && (reinterpret_cast<HWND>(wParam) != window || LOWORD(lParam) != HTCLIENT))
        return nullptr;
    for (const OfferedMessage &m : kOffered)
        if (m.message == message) return &m;
    return nullptr;
}

uint32_t backgroundPixel() {
    COLORREF c = GetSysColor(COLOR_APPWORKSPACE);
    return (uint32_t{GetRValue(c)} << 16) | (uint32_t{GetGValue(c)} << 8) | GetBValue(c);
}

void paintImageWindow(HWND window) {
    offerToHooks(window, HookPhaseObserve, WM_PAINT, 0, 0);
    if (!IsWindow(window)) return;
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(window, &ps);
    ImageView *view = findView(window);
    const Image *image = view ? images().find(view->imageId) : nullptr;
    if (hdc && image) {
        if (!view->range) view->range = displayRange(*image);
        RECT client{};
        GetClientRect(window, &client);
        view->rendered.update(*image, view->geometry, *view->range, client.right, client.bottom,
                              backgroundPixel());
        view->rendered.blit(hdc, ps.rcPaint);
    } else if (hdc) {
        FillRect(hdc, &ps.rcPaint, GetSysColorBrush(COLOR_APPWORKSPACE));
    }
    EndPaint(window, &ps);
    offerToHooks(window, HookPhaseAct, WM_PAINT, 0, 0);
}

// A window shows small images at their own size: the client area may shrink
// to one pixel, below the width the caption's buttons would ask for.
void allowTinyClientArea(HWND window, MINMAXINFO &info) {
    RECT frame{0, 0, 1, 1};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    info.ptMinTrackSize = POINT{frame.right - frame.left, frame.bottom - frame.top};
}

// The window is going (closed by the host or destroyed with its owner): the
// hooks learn it before the window is forgotten.
void imageWindowGoing(HWND window) {
    ImageView *view = findView(window);
    if (!view) return;
    if (!view->closingNoticeSent) {
        view->closingNoticeSent = true;
        noticeToHooks(window, HostNoticeWindowClosing, 0, 0);
    }
    removeView(window);
}

LRESULT CALLBACK imageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const OfferedMessage *m = offered(window, message, wParam, lParam)) {
        LONG phase = m->kind == OfferKind::Mouse && mouseSuspended() ? HookPhaseObserve : HookPhaseAct;
        LONG answer = offerToHooks(window, phase, message, wParam, lParam);
        if (!IsWindow(window)) return 0;
        if (phase == HookPhaseAct && answer == 1) return message == WM_SETCURSOR ? TRUE : 0;
    }
    switch (message) {
        case WM_PAINT:
            paintImageWindow(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers the whole update area
        case WM_SIZE:
            if (ImageView *view = findView(window)) view->rendered.invalidate();
            InvalidateRect(window, nullptr, FALSE);
            break;
        case WM_GETMINMAXINFO:
            DefWindowProcA(window, message, wParam, lParam);
            allowTinyClientArea(window, *reinterpret_cast<MINMAXINFO *>(lParam));
            return 0;
        case WM_ACTIVATE: {
            LRESULT result = DefWindowProcA(window, message, wParam, lParam);
            if (LOWORD(wParam) != WA_INACTIVE) noteImageWindowActivated(window);
            return result;
        }
        case WM_SYSCOMMAND:
            // An image window has no menu bar of its own: the keyboard's way
            // into menus (Alt, F10, Alt+letter) goes to the bar of the window
            // that owns it, the frame's when there is one.
            if ((wParam & 0xFFF0) == SC_KEYMENU) {
                HWND owner = GetWindow(window, GW_OWNER);
                if (owner && GetMenu(owner)) return SendMessageA(owner, message, wParam, lParam);
            }
            break;
        case WM_CLOSE:
            if (!findView(window)) break;
            closeImageWindow(window);
            return 0;
        case WM_DESTROY:
            imageWindowGoing(window);
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

const char *imageWindowClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = imageWindowProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        registered = RegisterClassA(&wc) != 0;
    }
    return kClassName;
}

void noteImageWindowActivated(HWND window) {
    if (!findView(window)) return;
    HWND previous = setActiveView(window);
    noticeToHooks(window, WM_MDIACTIVATE, previous != window ? reinterpret_cast<WPARAM>(previous) : 0,
                  reinterpret_cast<LPARAM>(window));
}

}  // namespace host
