// The host window as the frame a person uses on the desktop: caption
// "VOPROF32", a menu bar (File, Image, Analysis, Macro), a status line at the
// bottom, covering the platform's screen beneath the image and plug-in
// windows. Until showFrameWindow is called the host window stays the hidden,
// menu-less window the headless runs and tests use.
#pragma once

#include <string>

#include <windows.h>

#include "macro/context.h"

namespace host {

// What Analysis > Line Profile and played macro files act through: the
// plug-in's entry points, where Echo and VoProfGet print, --trace. Set it
// before the first command that needs the plug-in; without it those
// commands say that no plug-in is loaded.
void setFrameMacroContext(macro::Context context);

// Turns the host window into the frame (once; later calls return it) and
// shows it over the whole screen (plat::screenSize()).
HWND showFrameWindow();
// Fits the frame to the screen again after the screen's size changed.
void fitFrameToScreen();

// Opens an image file in a new image window as File > Open does. On failure
// a message box names the file and the reason and false is returned.
bool openImageFile(const std::string &path);

// True once File > Exit was chosen or the frame was closed.
bool frameExitRequested();

// Plays a macro file through the host's interpreter as Macro > Play file
// does. On failure *error (when given) holds "file:line:column: message";
// no message box is shown, the caller reports it.
bool playMacroFile(const std::string &path, std::string *error);

// The status line's text: the pointer's image position and pixel value over
// an image window, then the plug-in's prompt.
std::string frameStatusText();

}  // namespace host
