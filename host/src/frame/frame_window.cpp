// The frame: the host window subclassed, so that the plug-in protocol keeps
// being answered by the host window's own procedure while the frame adds the
// menu bar, the status line and the commands. The frame stays at the bottom
// of the top-level windows, like a desktop: the image and plug-in windows it
// owns are always above it, even when it is active.
#include "frame/frame_window.h"

#include <cstdio>

#include <hostmsg.h>

#include <platform/embed.h>

#include "core/host_state.h"
#include "frame/frame_actions.h"
#include "frame/frame_menu.h"
#include "frame/frame_state.h"
#include "frame/macro_recording.h"
#include "frame/status_line.h"
#include "window/host_window.h"

namespace host {
namespace frame {

FrameState &frameState() {
    static FrameState s;
    return s;
}

void showFrameMessage(const std::string &text) {
    MessageBoxA(frameState().window, text.c_str(), "VOPROF32", MB_OK | MB_ICONEXCLAMATION);
}

namespace {

void onRecorded() {
    if (std::optional<std::string> error = catchUpRecording()) {
        stopRecording();
        showFrameMessage("Recording stopped: " + *error);
    }
}

LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FrameState &s = frameState();
    switch (message) {
        case WM_COMMAND:
            if (lParam == 0 && runFrameCommand(LOWORD(wParam))) return 0;
            break;
        case WM_INITMENUPOPUP:
            updateFramePopup(reinterpret_cast<HMENU>(wParam));
            return 0;
        case WM_WINDOWPOSCHANGING: {
            // Never above the windows it owns: the frame is the desktop they lie on.
            auto *pos = reinterpret_cast<WINDOWPOS *>(lParam);
            if (!(pos->flags & SWP_NOZORDER)) pos->hwndInsertAfter = HWND_BOTTOM;
            break;
        }
        case WM_SIZE:
            placeStatusLine(window);
            break;
        case WM_MOUSEMOVE:
            setPointerPosition({});
            break;
        case WM_CLOSE:
            requestExit();
            return 0;
        default:
            break;
    }
    const LRESULT result = CallWindowProcA(s.hostProc, window, message, wParam, lParam);
    if (message == HostRecordMacro) onRecorded();
    if (message == HostPrompt) refreshStatusLine();
    if (message == WM_NCDESTROY) {
        // The host window goes; the context and an exit request outlive it.
        s.window = nullptr;
        s.statusLine = nullptr;
        s.position.clear();
    }
    return result;
}

// The host window keeps its class; the frame gives it a caption, a menu and a status line.
void makeFrame(HWND window) {
    FrameState &s = frameState();
    s.window = window;
    s.hostProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frameProc)));
    SetWindowTextA(window, "VOPROF32");
    SetMenu(window, createFrameMenu());
    createStatusLine(window);
}

}  // namespace
}  // namespace frame

void setFrameMacroContext(macro::Context context) {
    if (!context.print) context.print = [](const std::string &line) { std::printf("%s\n", line.c_str()); };
    frame::frameState().context = std::move(context);
}

HWND showFrameWindow() {
    frame::FrameState &s = frame::frameState();
    HWND window = hostWindow();
    if (!window) return nullptr;
    if (s.window != window) frame::makeFrame(window);
    if (!s.context.print) setFrameMacroContext(std::move(s.context));
    frame::watchImagePointer();
    ShowWindow(window, SW_SHOWMAXIMIZED);
    fitFrameToScreen();
    return window;
}

void fitFrameToScreen() {
    HWND window = frame::frameState().window;
    if (!window || !IsWindow(window)) return;
    // A maximised window's frame lies just outside the screen, as on Windows.
    const SIZE screen = plat::screenSize();
    RECT r{};
    GetWindowRect(window, &r);
    const int border = r.left < 0 ? -r.left : 0;
    SetWindowPos(window, nullptr, -border, -border, screen.cx + 2 * border, screen.cy + 2 * border,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool frameExitRequested() {
    return frame::frameState().exitRequested;
}

std::string frameStatusText() {
    return frame::statusText();
}

}  // namespace host
