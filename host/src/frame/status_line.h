// The frame's status line: a sunken strip along the bottom of the frame's
// client area showing where the pointer is on an image and the plug-in's prompt.
#pragma once

#include <string>

#include <windows.h>

namespace host::frame {

void createStatusLine(HWND frame);
// Keeps the strip along the bottom after the frame's size changed.
void placeStatusLine(HWND frame);

// Installs (once per host session) the client hook through which the frame
// follows the pointer over image windows.
void watchImagePointer();

// "x=12 y=40 value=187" (RGB: "value=187,20,3"), or "" off any image.
void setPointerPosition(const std::string &text);
std::string statusText();
// Clears the position unless the pointer is over an image window's client
// area: windows that are not image windows do not report the pointer to the
// frame, so whatever the frame sees next checks where the pointer went.
void checkPointerPosition();

}  // namespace host::frame
