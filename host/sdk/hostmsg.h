/*
 * hostmsg.h: the host window protocol. A plug-in talks to the host by sending
 * these messages to the host window; the host talks to a plug-in's image-window
 * hook through ClientHookProc. Portable to a Windows build.
 */
#ifndef VO_HOST_SDK_HOSTMSG_H
#define VO_HOST_SDK_HOSTMSG_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Messages to the host window. */
#define HostQuery 0x1400       /* wParam: query code below; lParam: its argument */
#define HostRecordMacro 0x1500 /* wParam 0; lParam: statement text; appended to the recorded macro */
#define HostPrompt 0x1506      /* wParam 0: lParam is the prompt text; wParam -1: prompt cleared */

/* HostQuery codes. */
#define QueryIniPath 1            /* lParam: buffer of MAX_PATH chars -> full path of the INI file */
#define QueryInstallClientHook 6  /* lParam: ClientHookBlock* -> hook identifier (>= 0), -1 on failure */
#define QueryRemoveClientHook 7   /* lParam: hook identifier -> 1 removed, 0 unknown */
#define QueryActiveImage 8        /* -> identifier of the active image; negative: none */
#define QueryImageWindow 9        /* -> window of the active image (as LRESULT); 0: none */
#define QueryImageAoi 15          /* lParam: LONG[4] -> filled with the active image's area of interest */
#define QueryStatusText 23        /* lParam: text shown in the status line; "" clears it */
#define QueryWindowImage 57       /* lParam: window -> identifier of the image shown there; negative: none */
#define QueryImageToWindow 58     /* lParam: PointConversionBlock* -> count points image -> window client */
#define QueryWindowToImage 59     /* lParam: PointConversionBlock* -> count points window client -> image */
#define QueryNoteActiveWindow 63  /* lParam: the plug-in window now active, or 0 */
#define QueryInteractive 77       /* -> low 16 bits non-zero: the macro command runs interactively */
#define QueryImageTitle 85        /* lParam: buffer of 128 chars -> text naming the active image */

/* Notices the host sends to client hooks (the message argument of ClientHookProc). */
#define HostNoticePixelsChanged 1027  /* the pixels of the window's image changed */
#define HostNoticeWindowClosing 2001  /* the image window is closing */
#define HostNoticeCloseProfiles 2004  /* every plug-in window is to close (e.g. the host quits) */
#define HostNoticeMouseSuspend 2011   /* wParam 66 and lParam 0: another tool has the mouse; else released */
#define HostNoticeImageReplaced 2016  /* lParam: ImageReplacedNotice*; another image shown in the window */
#define HostMouseSuspendTool 66

/*
 * Hook phases. Each image-window message is offered to the hooks with a phase:
 *  HookPhaseObserve (0): for information only; the host handles the message
 *    itself whatever the hook answers (a paint before the image is drawn; mouse
 *    input while another host tool has the mouse, from HostNoticeMouseSuspend
 *    with HostMouseSuspendTool until its release).
 *  HookPhaseAct (1): the hook may act, and take the message over by answering
 *    1, after which later hooks and the host leave it alone (mouse, key and
 *    WM_ENABLE messages come before the host's own handling; a paint comes
 *    after the image was drawn, so the hook can draw over it).
 * Notices, and WM_MDIACTIVATE when an image window becomes the active window
 * (lParam: that window), come with HookPhaseAct to every hook; answers do not
 * count.
 */
#define HookPhaseObserve 0
#define HookPhaseAct 1

/* The image-window hook: window, an argument plug-ins ignore, phase, message, wParam, lParam.
 * Answers 1 for a message taken over, 0 otherwise. */
typedef LONG(CALLBACK *ClientHookProc)(HWND window, LONG reserved, LONG phase, UINT message, WPARAM wParam,
                                       LPARAM lParam);

typedef struct ClientHookBlock {
    DWORD kind; /* 1: image-window hook */
    ClientHookProc proc;
} ClientHookBlock;

typedef struct PointConversionBlock {
    HWND window;
    POINT *imagePoints;
    POINT *windowPoints; /* may be the same array as imagePoints */
    LONG count;
} PointConversionBlock;

typedef struct ImageReplacedNotice {
    HWND window;
    DWORD imageId;
} ImageReplacedNotice;

/* Plug-in entry points, looked up by name in the module. */
typedef BOOL(WINAPI *PluginDllMainProc)(HINSTANCE module, DWORD reason, LPVOID reserved);
/* Seven arguments; argument 2 is the host window, argument 6 equal to -1 asks for initialisation only. */
typedef LONG(WINAPI *PluginInterfaceProc)(LONG_PTR a1, HWND host, LONG_PTR a3, LONG_PTR a4, LONG_PTR a5,
                                          LONG_PTR a6, LONG_PTR a7);
/* Host window, command code, argument block (element 0 unused, 1..4 the statement's arguments; a
 * value that carries a pointer is pointer-sized), pointer to an extra 32-bit value. */
typedef LONG(WINAPI *PluginMacroExecProc)(HWND host, WORD code, LONG_PTR *args, LONG *extra);

#ifdef __cplusplus
}
#endif

#endif /* VO_HOST_SDK_HOSTMSG_H */
