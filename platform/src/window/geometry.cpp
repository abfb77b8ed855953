// Window geometry: frames, client rectangles and the conversions between
// client, window and screen coordinates. Windows are placed in the 16-bit
// range, but the points converted come from callers with any value, so the
// conversions saturate.
#include <algorithm>

#include "internal/saturate.h"
#include "window/state.h"

namespace plat {

RECT frameInsets(DWORD style, DWORD exStyle, bool hasMenu) {
    int border = 0;
    if (style & WS_THICKFRAME)
        border = kThickFrame;
    else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        border = kDialogFrame;
    else if (style & WS_BORDER)
        border = 1;
    if (style & WS_CHILD) {
        if (exStyle & WS_EX_CLIENTEDGE) border += 2;
        if (exStyle & WS_EX_STATICEDGE) border += 1;
    }
    RECT r{border, border, border, border};
    if ((style & WS_CAPTION) == WS_CAPTION) r.top += kCaptionHeight;
    if (hasMenu && !(style & WS_CHILD)) r.top += kMenuBarHeight;
    return r;
}

void recomputeClient(Window &w) {
    int width = w.rect.right - w.rect.left;
    int height = w.rect.bottom - w.rect.top;
    RECT in = w.show == ShowState::Minimized ? RECT{2, 2, 2, 2}
                                             : frameInsets(w.style, w.exStyle, w.menu != nullptr);
    w.client.left = std::min<LONG>(in.left, width);
    w.client.top = std::min<LONG>(in.top, height);
    w.client.right = std::max<LONG>(w.client.left, width - in.right);
    w.client.bottom = std::max<LONG>(w.client.top, height - in.bottom);
}

POINT windowOriginOnScreen(const Window &w) {
    POINT p{w.rect.left, w.rect.top};
    const Window *cur = &w;
    while (cur->isChild()) {
        const Window *parent = findWindow(cur->parent);
        if (!parent) break;
        p.x = addSaturated(p.x, addSaturated(parent->rect.left, parent->client.left));
        p.y = addSaturated(p.y, addSaturated(parent->rect.top, parent->client.top));
        cur = parent;
    }
    return p;
}

POINT clientOriginOnScreen(const Window &w) {
    POINT p = windowOriginOnScreen(w);
    return POINT{addSaturated(p.x, w.client.left), addSaturated(p.y, w.client.top)};
}

RECT windowRectOnScreen(const Window &w) {
    POINT p = windowOriginOnScreen(w);
    return RECT{p.x, p.y, addSaturated(p.x, w.rect.right - w.rect.left),
                addSaturated(p.y, w.rect.bottom - w.rect.top)};
}

HWND topLevelOf(HWND hwnd) {
    Window *w = findWindow(hwnd);
    while (w && w->isChild()) {
        Window *parent = findWindow(w->parent);
        if (!parent) break;
        w = parent;
    }
    return w ? w->handle : nullptr;
}

bool isAncestorVisible(const Window &w) {
    const Window *cur = &w;
    while (cur) {
        if (!cur->visible()) return false;
        if (!cur->isChild()) return true;
        cur = findWindow(cur->parent);
    }
    return false;
}

}  // namespace plat

using namespace plat;

extern "C" {

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
    Window *w = findWindow(hwnd);
    if (!w || !rect) return FALSE;
    *rect = windowRectOnScreen(*w);
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
    Window *w = findWindow(hwnd);
    if (!w || !rect) return FALSE;
    *rect = RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT p) {
    Window *w = findWindow(hwnd);
    if (!w || !p) return FALSE;
    POINT o = clientOriginOnScreen(*w);
    p->x = addSaturated(p->x, o.x);
    p->y = addSaturated(p->y, o.y);
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT p) {
    Window *w = findWindow(hwnd);
    if (!w || !p) return FALSE;
    POINT o = clientOriginOnScreen(*w);
    p->x = subSaturated(p->x, o.x);
    p->y = subSaturated(p->y, o.y);
    return TRUE;
}

int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT a{0, 0}, b{0, 0};
    if (from) {
        Window *w = findWindow(from);
        if (!w) return 0;
        a = clientOriginOnScreen(*w);
    }
    if (to) {
        Window *w = findWindow(to);
        if (!w) return 0;
        b = clientOriginOnScreen(*w);
    }
    LONG dx = subSaturated(a.x, b.x), dy = subSaturated(a.y, b.y);
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x = addSaturated(points[i].x, dx);
        points[i].y = addSaturated(points[i].y, dy);
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect) return FALSE;
    RECT in = frameInsets(style, exStyle, menu != FALSE);
    rect->left = subSaturated(rect->left, in.left);
    rect->top = subSaturated(rect->top, in.top);
    rect->right = addSaturated(rect->right, in.right);
    rect->bottom = addSaturated(rect->bottom, in.bottom);
    return TRUE;
}

int WINAPI GetSystemMetrics(int index) {
    const WindowManager &m = wm();
    switch (index) {
        case SM_CXSCREEN:
        case SM_CXFULLSCREEN:
            return m.screenWidth;
        case SM_CYSCREEN:
            return m.screenHeight;
        case SM_CYFULLSCREEN:
            return m.screenHeight - kCaptionHeight;
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
            return 16;
        case SM_CYCAPTION:
            return kCaptionHeight;
        case SM_CXBORDER:
        case SM_CYBORDER:
            return 1;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME:
            return kDialogFrame;
        case SM_CXFRAME:
        case SM_CYFRAME:
            return kThickFrame;
        case SM_CXICON:
        case SM_CYICON:
        case SM_CXCURSOR:
        case SM_CYCURSOR:
            return 32;
        case SM_CYMENU:
            return kMenuBarHeight;
        case SM_CXMIN:
            return 112;
        case SM_CYMIN:
            return 27;
        case SM_CXSIZE:
        case SM_CYSIZE:
            return kCaptionButton;
        case SM_CXMINTRACK:
            return 112;
        case SM_CYMINTRACK:
            return 27;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK:
            return 4;
        case SM_CXMINIMIZED:
        case SM_CYMINIMIZED:
            return kIconicSize;
        case SM_CXMAXTRACK:
            return m.screenWidth + 2 * kThickFrame;
        case SM_CYMAXTRACK:
            return m.screenHeight + 2 * kThickFrame;
        case SM_CXMAXIMIZED:
            return m.screenWidth + 2 * kThickFrame;
        case SM_CYMAXIMIZED:
            return m.screenHeight + 2 * kThickFrame;
        default:
            return 0;
    }
}

}  // extern "C"
