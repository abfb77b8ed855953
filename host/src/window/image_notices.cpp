// The notices the host sends its client hooks about image windows.
#include <vector>

#include "core/image_store.h"
#include "window/client_hooks.h"
#include "window/image_views.h"
#include "window/image_window.h"

namespace host {

void closeImageWindow(HWND window) {
    ImageView *view = findView(window);
    if (!view) return;
    const bool wasActive = activeView() == window;
    view->closingNoticeSent = true;
    noticeToHooks(window, HostNoticeWindowClosing, 0, 0);
    if (IsWindow(window)) DestroyWindow(window);  // its WM_DESTROY forgets the view
    if (HWND next = activeView(); wasActive && next) activateImageWindow(next);
}

void showOtherImage(HWND window, int imageId) {
    ImageView *view = findView(window);
    const Image *image = images().find(imageId);
    if (!view || !image) return;
    view->imageId = imageId;
    view->range.reset();
    view->rendered.invalidate();
    if (view->geometry.scrollX >= image->width || view->geometry.scrollY >= image->height)
        view->geometry.scrollX = view->geometry.scrollY = 0;
    SetWindowTextA(window, image->title.c_str());
    ImageReplacedNotice notice{window, static_cast<DWORD>(imageId)};
    noticeToHooks(window, HostNoticeImageReplaced, 0, reinterpret_cast<LPARAM>(&notice));
    if (IsWindow(window)) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
}

void pixelsChanged(int imageId) {
    std::vector<HWND> showing;
    for (const ImageView &view : allViews())
        if (view.imageId == imageId) showing.push_back(view.window);
    for (HWND window : showing) {
        ImageView *view = findView(window);
        if (!view || view->imageId != imageId) continue;  // a hook closed or changed it meanwhile
        view->range.reset();
        view->rendered.invalidate();
        noticeToHooks(window, HostNoticePixelsChanged, 0, 0);
        if (!IsWindow(window)) continue;
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
}

void closeAllProfiles() {
    noticeToHooks(activeView(), HostNoticeCloseProfiles, 0, 0);
}

void suspendMouse(bool suspended) {
    setMouseSuspended(suspended);
    noticeToHooks(activeView(), HostNoticeMouseSuspend, suspended ? HostMouseSuspendTool : 0, 0);
}

}  // namespace host
