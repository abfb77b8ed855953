/* The profile window's menu shows the profile's options each time a popup opens. */
#ifndef VOPROF32_WINDOW_MENU_STATE_H
#define VOPROF32_WINDOW_MENU_STATE_H

#include <windows.h>

/* WM_INITMENUPOPUP: checks, greys and channel names on the popup being opened; returns 1. */
INT_PTR UpdateProfileMenu(HWND window, UINT message, HMENU popup, LPARAM lParam);

#endif /* VOPROF32_WINDOW_MENU_STATE_H */
