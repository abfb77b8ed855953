/* The module's exported entry points. Everything else stays inside the module. */
#ifndef VOPROF32_FRAME_EXPORTS_H
#define VOPROF32_FRAME_EXPORTS_H

#include <windows.h>

#include <hostmsg.h>

#ifdef _WIN32
#define VOPROF_EXPORT extern "C" __declspec(dllexport)
#else
#define VOPROF_EXPORT extern "C" __attribute__((visibility("default")))
#endif

VOPROF_EXPORT BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved);
VOPROF_EXPORT LONG WINAPI InterfaceFunction(LONG_PTR a1, HWND host, LONG_PTR a3, LONG_PTR a4, LONG_PTR a5,
                                            LONG_PTR a6, LONG_PTR a7);
VOPROF_EXPORT LONG WINAPI MacroExecFunction(HWND host, WORD code, LONG_PTR *args, LONG *extra);
VOPROF_EXPORT INT_PTR CALLBACK ProfileMainDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
VOPROF_EXPORT LONG CALLBACK ProfileClientProc(HWND window, LONG reserved, LONG phase, UINT message,
                                              WPARAM wParam, LPARAM lParam);

VOPROF_EXPORT INT_PTR CALLBACK ProfileOrderDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
VOPROF_EXPORT UINT_PTR CALLBACK dlgFileProfOptions(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif /* VOPROF32_FRAME_EXPORTS_H */
