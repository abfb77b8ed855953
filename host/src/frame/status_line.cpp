// The status line and the client hook that feeds it. The hook only watches:
// it answers 0 to everything, so the plug-in's hooks act exactly as without
// the frame.
#include "frame/status_line.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/host_state.h"
#include "core/image_store.h"
#include "frame/frame_state.h"
#include "macro/pixel_edit.h"
#include "window/client_hooks.h"
#include "window/image_window.h"

namespace host::frame {
namespace {

constexpr int kStatusLineHeight = 20;
constexpr int kStatusLineId = 1;
// Between the pointer's position and the prompt.
constexpr char kSeparator[] = "    ";

LONG gHookId = -1;

// The position text of a client point of an image window, "" outside its image.
std::string positionAt(HWND window, POINT client) {
    const Image *image = images().find(imageOfWindow(window));
    if (!image) return {};
    POINT at{};
    windowToImage(window, &client, &at, 1);
    if (at.x < 0 || at.y < 0 || at.x >= image->width || at.y >= image->height) return {};
    std::string value = macro::pixelText(*image, at.x, at.y);
    std::replace(value.begin(), value.end(), ' ', ',');
    char text[96];
    std::snprintf(text, sizeof text, "x=%ld y=%ld value=", static_cast<long>(at.x), static_cast<long>(at.y));
    value = text + value;
    // Only the first page of a multi-page file is open: say how many there are.
    if (image->pageCount > 1) value += "  page 1 of " + std::to_string(image->pageCount);
    return value;
}

// Whether the pointer is over the client area of this image window and not
// over a window in front of it: a captured image window goes on getting
// mouse moves while the pointer is elsewhere.
bool pointerOverClient(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) != window || !images().find(imageOfWindow(window))) return false;
    RECT client{};
    GetClientRect(window, &client);
    ScreenToClient(window, &cursor);
    return PtInRect(&client, cursor) != FALSE;
}

bool pointerOverImage() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return pointerOverClient(WindowFromPoint(cursor));
}

// Moves over the client area show the position; any other message of an
// image window checks that the pointer is still over one.
LONG CALLBACK pointerHook(HWND window, LONG, LONG, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_MOUSEMOVE)
        checkPointerPosition();
    else if (pointerOverClient(window))
        setPointerPosition(positionAt(
            window, POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}));
    else
        setPointerPosition({});
    return 0;
}

bool hookInstalled() {
    return std::any_of(state().hooks.begin(), state().hooks.end(),
                       [](const HookEntry &hook) { return hook.id == gHookId && hook.proc == pointerHook; });
}

}  // namespace

void createStatusLine(HWND frame) {
    frameState().statusLine =
        CreateWindowExA(0, "static", "", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_SUNKEN, 0, 0, 0,
                        kStatusLineHeight, frame, reinterpret_cast<HMENU>(kStatusLineId), nullptr, nullptr);
    placeStatusLine(frame);
}

void placeStatusLine(HWND frame) {
    HWND line = frameState().statusLine;
    if (!line) return;
    RECT client{};
    GetClientRect(frame, &client);
    MoveWindow(line, 0, std::max<int>(0, client.bottom - kStatusLineHeight), client.right, kStatusLineHeight,
               TRUE);
}

void watchImagePointer() {
    if (hookInstalled()) return;
    ClientHookBlock block{1, pointerHook};
    gHookId = installClientHook(&block);
}

void setPointerPosition(const std::string &text) {
    if (frameState().position == text) return;
    frameState().position = text;
    refreshStatusLine();
}

void checkPointerPosition() {
    if (!pointerOverImage()) setPointerPosition({});
}

std::string statusText() {
    const std::string &position = frameState().position;
    const std::string &prompt = state().prompt;
    if (position.empty() || prompt.empty()) return position + prompt;
    return position + kSeparator + prompt;
}

void refreshStatusLine() {
    if (!pointerOverImage()) frameState().position.clear();
    if (HWND line = frameState().statusLine) SetWindowTextA(line, statusText().c_str());
}

}  // namespace host::frame
