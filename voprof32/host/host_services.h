/*
 * The module's side of the host window protocol: every host message goes to
 * hostWindow, the host window of the last InterfaceFunction or
 * MacroExecFunction call.
 */
#ifndef VOPROF32_HOST_HOST_SERVICES_H
#define VOPROF32_HOST_HOST_SERVICES_H

#include <windows.h>

#include <hostmsg.h>

LRESULT HostQueryCall(WPARAM code, LPARAM argument);
/* Sends one macro statement; the host decides whether a macro is being recorded. */
void HostRecordStatement(const char *statement);
/* Shows a prompt; NULL clears it. */
void HostShowPrompt(const char *text);
/* Shows a text in the host's status line; "" clears it. */
void HostShowStatus(const char *text);
/* Image <-> window point conversions through the host (the module never computes zoom or scroll). */
void ImageToWindow(HWND window, POINT *imagePoints, POINT *windowPoints, LONG count);
void WindowToImage(HWND window, POINT *windowPoints, POINT *imagePoints, LONG count);

#endif /* VOPROF32_HOST_HOST_SERVICES_H */
