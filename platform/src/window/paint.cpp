// Surfaces, update regions and painting. Each top-level window owns a
// surface covering its window rectangle; children draw into it through their
// offset and clip. The update region of a window is kept as one rectangle
// (the union of what was invalidated), which repaints a little more than
// Windows' exact regions would but looks the same.
#include <algorithm>

#include "internal/draw_target.h"
#include "window/state.h"

namespace plat {

static bool rectEmpty(const RECT &r) {
    return r.right <= r.left || r.bottom <= r.top;
}

static RECT unite(const RECT &a, const RECT &b) {
    if (rectEmpty(a)) return b;
    if (rectEmpty(b)) return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

static RECT intersect(const RECT &a, const RECT &b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return rectEmpty(r) ? RECT{0, 0, 0, 0} : r;
}

void ensureSurface(Window &w) {
    if (w.isChild()) return;
    int width = w.rect.right - w.rect.left, height = w.rect.bottom - w.rect.top;
    if (!w.surface) w.surface = std::make_unique<Surface>();
    if (w.surface->width == width && w.surface->height == height) return;
    Surface fresh(width, height, pixelFromColorref(GetSysColor(COLOR_BTNFACE)));
    for (int y = 0; y < std::min(height, w.surface->height); ++y)
        std::copy_n(w.surface->row(y), std::min(width, w.surface->width), fresh.row(y));
    *w.surface = std::move(fresh);
}

void fitSurface(Window &w) {
    if (w.surface || w.visible()) ensureSurface(w);
}

static RECT clientBounds(const Window &w) {
    return RECT{0, 0, w.client.right - w.client.left, w.client.bottom - w.client.top};
}

void invalidateWindow(Window &w, const RECT *clientRect, bool erase, bool children) {
    RECT r = clientRect ? intersect(*clientRect, clientBounds(w)) : clientBounds(w);
    if (!rectEmpty(r)) {
        w.updateRect = w.updatePending ? unite(w.updateRect, r) : r;
        w.updatePending = true;
        w.eraseNeeded = w.eraseNeeded || erase;
    }
    if (!children || (w.style & WS_CLIPCHILDREN)) return;
    // Without WS_CLIPCHILDREN the parent paints over its children, so Windows
    // invalidates the children that the area covers as well.
    for (HWND h : w.children) {
        Window *c = findWindow(h);
        if (!c || !c->visible()) continue;
        RECT inParent{c->rect.left, c->rect.top, c->rect.right, c->rect.bottom};
        RECT hit = intersect(r, inParent);
        if (rectEmpty(hit)) continue;
        RECT local{hit.left - c->rect.left - c->client.left, hit.top - c->rect.top - c->client.top,
                   hit.right - c->rect.left - c->client.left, hit.bottom - c->rect.top - c->client.top};
        c->framePending = true;
        invalidateWindow(*c, &local, erase, true);
    }
}

void invalidateFrame(Window &w) {
    w.framePending = true;
}

static bool treePending(const Window &w) {
    if (!w.visible()) return false;
    if (w.updatePending || w.framePending) return true;
    // The children of a minimised window wait until it is restored (paintWindowTree
    // skips them); counting them would keep the pump painting nothing, forever.
    if (w.show == ShowState::Minimized) return false;
    for (HWND h : w.children)
        if (const Window *c = findWindow(h); c && treePending(*c)) return true;
    return false;
}

bool paintPending() {
    for (HWND h : wm().topLevels)
        if (const Window *w = findWindow(h); w && treePending(*w)) return true;
    return false;
}

void paintWindowTree(HWND hwnd) {
    Window *w = findWindow(hwnd);
    if (!w || !w->visible()) return;
    if (w->framePending) {
        w->framePending = false;
        deliver(hwnd, WM_NCPAINT, 1, 0, true);
    }
    if ((w = findWindow(hwnd)) && w->updatePending) {
        deliver(hwnd, WM_PAINT, 0, 0, true);
        // A window procedure that never validates would be painted forever;
        // Windows keeps asking, a headless pump cannot.
        if ((w = findWindow(hwnd))) w->updatePending = false;
    }
    // A minimised window shows only its icon: its children are not painted.
    if (!(w = findWindow(hwnd)) || w->show == ShowState::Minimized) return;
    std::vector<HWND> children = w->children;
    for (auto it = children.rbegin(); it != children.rend(); ++it) paintWindowTree(*it);
}

void paintAll() {
    std::vector<HWND> tops = wm().topLevels;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) paintWindowTree(*it);
}

bool windowDrawTarget(HWND hwnd, bool wholeWindow, DrawTarget &out) {
    Window *w = findWindow(hwnd);
    if (!w) return false;
    Window *top = findWindow(topLevelOf(hwnd));
    if (!top) return false;
    ensureSurface(*top);
    POINT topOrigin = windowOriginOnScreen(*top);
    POINT origin = wholeWindow ? windowOriginOnScreen(*w) : clientOriginOnScreen(*w);
    out.surface = top->surface.get();
    out.originX = origin.x - topOrigin.x;
    out.originY = origin.y - topOrigin.y;
    RECT own = wholeWindow ? RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top}
                           : clientBounds(*w);
    RECT clip{own.left + out.originX, own.top + out.originY, own.right + out.originX,
              own.bottom + out.originY};
    // Each ancestor's client area bounds what its children can show.
    for (Window *cur = w; cur && cur->isChild();) {
        Window *parent = findWindow(cur->parent);
        if (!parent) break;
        POINT po = clientOriginOnScreen(*parent);
        RECT pc = clientBounds(*parent);
        RECT inTop{pc.left + po.x - topOrigin.x, pc.top + po.y - topOrigin.y, pc.right + po.x - topOrigin.x,
                   pc.bottom + po.y - topOrigin.y};
        clip = intersect(clip, inTop);
        cur = parent;
    }
    clip = intersect(clip, RECT{0, 0, out.surface->width, out.surface->height});
    const bool shown = !w->isChild() || (isAncestorVisible(*w) && top->show != ShowState::Minimized);
    out.clip = shown ? clip : RECT{0, 0, 0, 0};
    // Every drawing operation resolves its target here, so this is where the
    // screen learns what may have changed, whether painted or drawn directly.
    if (shown && top->visible())
        markScreenDirty(RECT{out.clip.left + topOrigin.x, out.clip.top + topOrigin.y,
                             out.clip.right + topOrigin.x, out.clip.bottom + topOrigin.y});
    return true;
}

}  // namespace plat

using namespace plat;

extern "C" {

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT *rect, BOOL erase) {
    if (!hwnd) {
        for (HWND h : wm().topLevels)
            if (Window *w = findWindow(h)) {
                invalidateFrame(*w);
                invalidateWindow(*w, nullptr, erase != FALSE, true);
            }
        return TRUE;
    }
    Window *w = findWindow(hwnd);
    if (!w) return FALSE;
    invalidateWindow(*w, rect, erase != FALSE, true);
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND hwnd, const RECT *rect) {
    Window *w = findWindow(hwnd);
    if (!w) return FALSE;
    // The update region is one rectangle: validating part of it keeps the
    // rest only when the validated part covers it in full.
    if (!rect || (rect->left <= w->updateRect.left && rect->top <= w->updateRect.top &&
                  rect->right >= w->updateRect.right && rect->bottom >= w->updateRect.bottom)) {
        w->updatePending = false;
        w->eraseNeeded = false;
    }
    return TRUE;
}

BOOL WINAPI RedrawWindow(HWND hwnd, const RECT *rect, HRGN, UINT flags) {
    Window *w = findWindow(hwnd);
    if (!w) return FALSE;
    bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    if (flags & RDW_INVALIDATE) invalidateWindow(*w, rect, (flags & RDW_ERASE) != 0, children);
    if (flags & RDW_FRAME) invalidateFrame(*w);
    if (flags & RDW_VALIDATE) ValidateRect(hwnd, rect);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) paintWindowTree(hwnd);
    return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
    if (!findWindow(hwnd)) return FALSE;
    paintWindowTree(hwnd);
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL) {
    Window *w = findWindow(hwnd);
    if (!w) return FALSE;
    if (rect) *rect = w->updatePending ? w->updateRect : RECT{0, 0, 0, 0};
    return w->updatePending ? TRUE : FALSE;
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
    Window *w = findWindow(hwnd);
    if (!w || !ps) return nullptr;
    *ps = PAINTSTRUCT{};
    ps->rcPaint = w->updatePending ? w->updateRect : RECT{0, 0, 0, 0};
    bool erase = w->updatePending && w->eraseNeeded;
    w->updatePending = false;
    w->eraseNeeded = false;
    RECT clip = ps->rcPaint;
    HDC hdc = createWindowDc(hwnd, false, &clip);
    ps->hdc = hdc;
    ps->fErase = TRUE;
    if (erase && hdc)
        ps->fErase = deliver(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0, false) ? FALSE : TRUE;
    return hdc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT *ps) {
    if (!ps || !ps->hdc) return FALSE;
    return releaseWindowDc(ps->hdc) ? TRUE : FALSE;
}

}  // extern "C"
