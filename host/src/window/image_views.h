// The host's bookkeeping of its image windows: which image each shows, at
// what zoom and scroll, and which one is the active image window. Windows are
// kept in the order they were opened; each remembers when it was last
// activated, so that closing the active one can hand over to the one used
// most recently before it.
#pragma once

#include <optional>
#include <vector>

#include <windows.h>

#include "window/image_paint.h"
#include "window/view_cache.h"
#include "window/view_geometry.h"

namespace host {

struct ImageView {
    HWND window = nullptr;
    int imageId = -1;
    ViewGeometry geometry;
    std::optional<DisplayRange> range;  // cached; cleared when the pixels or the image change
    ViewCache rendered;                 // the client area as last painted
    unsigned long lastActivated = 0;    // 0: never activated
    bool closingNoticeSent = false;     // HostNoticeWindowClosing already went to the hooks
};

ImageView *findView(HWND window);
const std::vector<ImageView> &allViews();
ImageView &addView(HWND window, int imageId);
// Forgets the window; when it was the active image window, the most
// recently activated remaining one becomes the active image window (without
// activating it on the screen).
void removeView(HWND window);

HWND activeView();
// Makes the window the active image window and returns the one before.
HWND setActiveView(HWND window);

// The mouse belongs to another host tool (HostNoticeMouseSuspend).
bool mouseSuspended();
void setMouseSuspended(bool suspended);

}  // namespace host
