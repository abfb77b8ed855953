/* miscfn32.h: the host's utilities: files, saved-file header lines, window positions, panels. */
#ifndef VO_HOST_SDK_MISCFN32_H
#define VO_HOST_SDK_MISCFN32_H

#include <windows.h>

#include "scaler32.h"

#ifdef __cplusplus
extern "C" {
#endif

/* FileOpen modes: 0 read, 1 write, plus 0x1000 create (truncate); 0x4000 existence test (returns 0
 * when the file exists, HFILE_ERROR otherwise, nothing opened); 0x200 delete (0 when deleted).
 * Opened files are HFILEs, so _llseek works on them. */
#define FILEOPEN_READ 0x0000
#define FILEOPEN_WRITE 0x0001
#define FILEOPEN_DELETE 0x0200
#define FILEOPEN_CREATE 0x1000
#define FILEOPEN_EXIST 0x4000
HFILE WINAPI FileOpen(LPCSTR path, UINT mode);
LONG WINAPI FileRead(HFILE file, LPVOID buffer, LONG size);
LONG WINAPI FileWrite(HFILE file, LPCVOID buffer, LONG size);
LONG WINAPI FileClose(HFILE file);

/* Header lines of a saved data file, each starting with "# " and ending with CR LF. */
void WINAPI WriteHeaderStamp(HFILE file);
void WINAPI WriteImageInfo(HFILE file, HWND host, LONG imageId);
void WINAPI WriteSpatialCalInfo(HFILE file, HSPATIALCAL cal);
void WINAPI WriteIntensityCalInfo(HFILE file, HINTENSITYCAL cal);

/* Window positions in the host's INI file. Restore moves the window only when a position is stored. */
BOOL WINAPI SaveWindowPos(HWND window, HWND host, LPCSTR section, LPCSTR key);
BOOL WINAPI RestoreWindowPos(HWND window, HWND host, LPCSTR section, LPCSTR key);

/* Paints a rectangle in the host's panel style; kind 6; style 2 a window's client area, 15 an
 * empty chart area. */
void WINAPI PaintPanel(HDC hdc, const RECT *rect, LONG kind, LONG style);

/* The identifier of the system cursor used for moving things (IDC_SIZEALL). */
LONG WINAPI MoveCursorId(void);

#ifdef __cplusplus
}
#endif

#endif /* VO_HOST_SDK_MISCFN32_H */
