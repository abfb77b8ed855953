// The host window: a hidden top-level window that answers the plug-in
// protocol (HostQuery, HostRecordMacro, HostPrompt) and owns the image
// windows.
#include "window/host_window.h"

#include <hostmsg.h>

#include "core/host_state.h"

namespace host {

namespace {

constexpr char kClassName[] = "VoHost";

void recordStatement(LPARAM text) {
    if (text) state().recorded.emplace_back(reinterpret_cast<const char *>(text));
}

// wParam 0 shows the text as the prompt, wParam -1 clears it.
void setPrompt(WPARAM how, LPARAM text) {
    if (how == 0)
        state().prompt = text ? reinterpret_cast<const char *>(text) : "";
    else if (how == static_cast<WPARAM>(-1))
        state().prompt.clear();
}

LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case HostQuery:
            return hostQuery(wParam, lParam);
        case HostRecordMacro:
            recordStatement(lParam);
            return 0;
        case HostPrompt:
            setPrompt(wParam, lParam);
            return 0;
        case WM_DESTROY:
            if (state().hostWindow == window) state().hostWindow = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND hostWindow() {
    HostState &s = state();
    if (s.hostWindow && IsWindow(s.hostWindow)) return s.hostWindow;
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = hostWindowProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        registered = RegisterClassA(&wc) != 0;
    }
    s.hostWindow = CreateWindowExA(0, kClassName, "VOPROF host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                                   nullptr, nullptr, nullptr);
    return s.hostWindow;
}

}  // namespace host
