// The list of image windows and the active one.
#include "window/image_views.h"

#include "core/host_reset.h"

#include <algorithm>
#include <utility>

namespace host {

namespace {

struct ViewList {
    std::vector<ImageView> views;  // opening order
    HWND active = nullptr;
    unsigned long activations = 0;
    bool mouseSuspended = false;
};

ViewList &list() {
    static ViewList l;
    return l;
}

}  // namespace

void forgetViews() {
    ViewList &l = list();
    l.views.clear();
    l.active = nullptr;
    l.mouseSuspended = false;
}

ImageView *findView(HWND window) {
    if (!window) return nullptr;
    auto &views = list().views;
    auto it =
        std::find_if(views.begin(), views.end(), [window](const ImageView &v) { return v.window == window; });
    return it == views.end() ? nullptr : &*it;
}

const std::vector<ImageView> &allViews() {
    return list().views;
}

ImageView &addView(HWND window, int imageId) {
    ImageView view;
    view.window = window;
    view.imageId = imageId;
    list().views.push_back(std::move(view));
    return list().views.back();
}

void removeView(HWND window) {
    ViewList &l = list();
    l.views.erase(std::remove_if(l.views.begin(), l.views.end(),
                                 [window](const ImageView &v) { return v.window == window; }),
                  l.views.end());
    if (l.active != window) return;
    l.active = nullptr;
    auto latest = std::max_element(
        l.views.begin(), l.views.end(),
        [](const ImageView &a, const ImageView &b) { return a.lastActivated < b.lastActivated; });
    if (latest != l.views.end()) l.active = latest->window;
}

HWND activeView() {
    return list().active;
}

HWND setActiveView(HWND window) {
    ViewList &l = list();
    HWND previous = l.active;
    if (ImageView *view = findView(window)) {
        view->lastActivated = ++l.activations;
        l.active = window;
    }
    return previous;
}

bool mouseSuspended() {
    return list().mouseSuspended;
}

void setMouseSuspended(bool suspended) {
    list().mouseSuspended = suspended;
}

}  // namespace host
