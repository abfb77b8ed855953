/* repgen32.h: the host's report generator: plug-ins register items that it asks for pictures. */
#ifndef VO_HOST_SDK_REPGEN32_H
#define VO_HOST_SDK_REPGEN32_H

#include <stddef.h>

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

DECLARE_HANDLE(HREPORTITEM);

/* 348 bytes. */
typedef struct ReportItemSpec {
    DWORD version;        /* 1 */
    char reserved[80];    /* empty */
    char name[100];       /* the item's name, e.g. "Profile Chart" */
    char menuText[80];    /* the text of the host's menu item */
    char description[80]; /* a longer description */
    DWORD flags;          /* 1 */
} ReportItemSpec;

/* The request block: word 0 is 0 to ask whether an item is available (answer 1 or 0); word 1 is 1
 * to ask for the item's name (answer: a global memory block with the text); otherwise the answer
 * is a picture: a global memory block holding a CF_DIB (BITMAPINFOHEADER + 32-bit bits), or 0. */
typedef LONG_PTR(CALLBACK *ReportItemProc)(const DWORD *request, HWND host);

HREPORTITEM WINAPI ReportRegister(const ReportItemSpec *spec);
BOOL WINAPI ReportSetCallback(HREPORTITEM item, ReportItemProc proc, HWND host, LONG reserved1, LONG reserved2);

#ifdef __cplusplus
}
#endif

#if defined(__cplusplus)
static_assert(sizeof(ReportItemSpec) == 348, "ReportItemSpec is 348 bytes");
static_assert(offsetof(ReportItemSpec, name) == 84, "name at 84");
static_assert(offsetof(ReportItemSpec, menuText) == 184, "menu text at 184");
static_assert(offsetof(ReportItemSpec, description) == 264, "description at 264");
static_assert(offsetof(ReportItemSpec, flags) == 344, "flags at 344");
#endif

#endif /* VO_HOST_SDK_REPGEN32_H */
