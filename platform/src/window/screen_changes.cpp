// Screen change tracking for presenters: a revision counter and one dirty
// rectangle. Drawing marks what it touches (windowDrawTarget); placement
// changes of top-level windows are found by comparing the shown windows with
// those of the previous check, so no code path that moves, shows, hides,
// reorders or destroys a window can forget to report it.
#include <algorithm>

#include "window/state.h"

namespace plat {

static bool rectEmpty(const RECT &r) {
    return r.right <= r.left || r.bottom <= r.top;
}

void markScreenDirty(const RECT &screenRect) {
    WindowManager &m = wm();
    RECT r{std::max<LONG>(screenRect.left, 0), std::max<LONG>(screenRect.top, 0),
           std::min<LONG>(screenRect.right, m.screenWidth),
           std::min<LONG>(screenRect.bottom, m.screenHeight)};
    if (rectEmpty(r)) return;
    RECT &d = m.screenDirty;
    d = rectEmpty(d) ? r
                     : RECT{std::min(d.left, r.left), std::min(d.top, r.top), std::max(d.right, r.right),
                            std::max(d.bottom, r.bottom)};
    ++m.screenRevision;
}

static std::vector<TopPlacement> shownTopLevels() {
    std::vector<TopPlacement> shown;
    for (HWND h : wm().topLevels)
        if (const Window *w = findWindow(h); w && w->visible() && w->surface) shown.push_back({h, w->rect});
    return shown;
}

// A window whose place in the stacking order, position or size differs from
// the last check dirties both where it was and where it is.
static void checkPlacements() {
    WindowManager &m = wm();
    std::vector<TopPlacement> now = shownTopLevels();
    if (now == m.shownTops) return;
    const size_t count = std::max(now.size(), m.shownTops.size());
    for (size_t i = 0; i < count; ++i) {
        const bool inOld = i < m.shownTops.size(), inNew = i < now.size();
        if (inOld && inNew && m.shownTops[i] == now[i]) continue;
        if (inOld) markScreenDirty(m.shownTops[i].rect);
        if (inNew) markScreenDirty(now[i].rect);
    }
    m.shownTops = std::move(now);
}

uint64_t screenRevision() {
    checkPlacements();
    return wm().screenRevision;
}

RECT takeScreenDirtyRect() {
    checkPlacements();
    RECT dirty = wm().screenDirty;
    wm().screenDirty = RECT{0, 0, 0, 0};
    return dirty;
}

}  // namespace plat
