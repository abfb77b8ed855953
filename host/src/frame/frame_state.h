// What the frame's parts share: the frame window and the host window's own
// procedure beneath it, the status line, the macro context commands run
// with, and the exit request.
#pragma once

#include <set>
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
    std::set<HWND> placed;  // owned windows already placed inside the client area
};

FrameState &frameState();

// Shows a message box over the frame (caption "VOPROF32").
void showFrameMessage(const std::string &text);

// Moves owned windows that appeared since the last call into the client
// area: the host and the plug-in place their windows as if the screen were
// empty, so each is shifted by the caption and menu bar, as an MDI child is
// placed inside its frame. A window already below the menu bar stays.
void placeNewWindows();

// Writes the status line again from the position and the plug-in's prompt.
void refreshStatusLine();

}  // namespace host::frame
