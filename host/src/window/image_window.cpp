// Opening image windows, their zoom, scroll and size, the active image, and
// the point conversions.
#include "window/image_window.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "core/image_store.h"
#include "window/client_hooks.h"
#include "window/host_window.h"
#include "window/image_views.h"
#include "window/image_window_class.h"

namespace host {

namespace {

constexpr int kMaxDefaultWidth = 1024;
constexpr int kMaxDefaultHeight = 768;

// New windows cascade from the top-left corner of the screen.
POINT cascadePosition(size_t openCount) {
    int step = static_cast<int>(openCount % 10) * 24;
    return POINT{16 + step, 16 + step};
}

// The first window makes the host follow pixel changes of its images.
void followImageChanges() {
    static bool following = false;
    if (following) return;
    following = true;
    images().setChangeListener([](int id) { pixelsChanged(id); });
}

}  // namespace

HWND openImageWindow(int imageId) {
    const Image *image = images().find(imageId);
    if (!image) return nullptr;
    const int width = std::min(std::max(image->width, 1), kMaxDefaultWidth);
    const int height = std::min(std::max(image->height, 1), kMaxDefaultHeight);
    followImageChanges();
    POINT at = cascadePosition(allViews().size());
    // Made at its final size, so that its surface is not made twice.
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window = CreateWindowExA(0, imageWindowClass(), image->title.c_str(), WS_OVERLAPPEDWINDOW, at.x,
                                  at.y, frame.right - frame.left, frame.bottom - frame.top, hostWindow(),
                                  nullptr, nullptr, nullptr);
    if (!window) return nullptr;
    addView(window, imageId);
    setClientSize(window, width, height);
    ShowWindow(window, SW_SHOWNORMAL);
    activateImageWindow(window);
    return IsWindow(window) ? window : nullptr;
}

HWND imageWindowOf(int imageId) {
    for (const ImageView &view : allViews())
        if (view.imageId == imageId) return view.window;
    return nullptr;
}

int imageOfWindow(HWND window) {
    const ImageView *view = findView(window);
    return view ? view->imageId : -1;
}

HWND activeImageWindow() {
    return activeView();
}

int activeImageId() {
    return imageOfWindow(activeView());
}

bool activateImageWindow(HWND window) {
    if (!findView(window)) return false;
    if (GetActiveWindow() != window) SetActiveWindow(window);
    // Already active on the screen (no WM_ACTIVATE came), yet not the active image window.
    if (activeView() != window && GetActiveWindow() == window) noteImageWindowActivated(window);
    return activeView() == window;
}

bool setClientSize(HWND window, int width, int height) {
    if (!findView(window) || width <= 0 || height <= 0) return false;
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    // The frame's sides saturate for a client near INT_MAX; its size is taken in
    // 64 bits and handed on at most INT_MAX (the platform then keeps it in range).
    auto extent = [](LONG low, LONG high) {
        return static_cast<int>(std::min<int64_t>(int64_t{high} - low, INT_MAX));
    };
    SetWindowPos(window, nullptr, 0, 0, extent(frame.left, frame.right), extent(frame.top, frame.bottom),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(window, &client);
    return client.right == width && client.bottom == height;
}

bool setZoom(HWND window, double zoom) {
    ImageView *view = findView(window);
    if (!view || !std::isfinite(zoom) || zoom <= 0.0) return false;
    view->geometry.zoom = zoom;
    view->rendered.invalidate();
    InvalidateRect(window, nullptr, FALSE);
    return true;
}

// The scroll origin is an image pixel: it must lie on the image.
bool setScroll(HWND window, int x, int y) {
    ImageView *view = findView(window);
    const Image *image = view ? images().find(view->imageId) : nullptr;
    if (!image || x < 0 || y < 0 || x >= image->width || y >= image->height) return false;
    view->geometry.scrollX = x;
    view->geometry.scrollY = y;
    view->rendered.invalidate();
    InvalidateRect(window, nullptr, FALSE);
    return true;
}

double zoomOf(HWND window) {
    const ImageView *view = findView(window);
    return view ? view->geometry.zoom : 1.0;
}

// Each output point depends only on the input point of the same index, so
// `in` and `out` may be the same array.
void imageToWindow(HWND window, const POINT *in, POINT *out, int count) {
    const ImageView *view = findView(window);
    if (!view || !in || !out) return;
    const ViewGeometry g = view->geometry;
    for (int i = 0; i < count; ++i) {
        POINT p = in[i];
        out[i] = POINT{imageToClient(p.x, g.scrollX, g.zoom), imageToClient(p.y, g.scrollY, g.zoom)};
    }
}

void windowToImage(HWND window, const POINT *in, POINT *out, int count) {
    const ImageView *view = findView(window);
    if (!view || !in || !out) return;
    const ViewGeometry g = view->geometry;
    for (int i = 0; i < count; ++i) {
        POINT p = in[i];
        out[i] = POINT{clientToImage(p.x, g.scrollX, g.zoom), clientToImage(p.y, g.scrollY, g.zoom)};
    }
}

}  // namespace host
