// What the frame's parts share: the frame window and the host window's own
// procedure beneath it, the status line, the macro context commands run
// with, and the exit request.
#pragma once

#include <string>

#include <windows.h>

#include "macro/context.h"

namespace host::frame {

struct FrameState {
    HWND window = nullptr;       // the host window, once it became the frame
    WNDPROC hostProc = nullptr;  // the host window's procedure, which the frame's passes on to
    HWND statusLine = nullptr;
    std::string position;  // "x=12 y=40 value=187" while the pointer is over an image
    macro::Context context;
    bool exitRequested = false;
};

FrameState &frameState();

// Shows a message box over the frame (caption "VOPROF32").
void showFrameMessage(const std::string &text);

// Writes the status line again from the position and the plug-in's prompt.
void refreshStatusLine();

}  // namespace host::frame
