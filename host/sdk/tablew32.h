/*
 * tablew32.h: the host's table control, which shows cells in a grid over a
 * window area, and its link to a spreadsheet.
 */
#ifndef VO_HOST_SDK_TABLEW32_H
#define VO_HOST_SDK_TABLEW32_H

#include <stddef.h>

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* 52 bytes on a 32-bit build. */
typedef struct TableSpec {
    DWORD columns;            /* 0 */
    DWORD rows;               /* 4 */
    DWORD cellWidth;          /* 8: 10 */
    DWORD precision;          /* 12: 8 */
    const float *cells;       /* 16: row by row, columns in order */
    DWORD reserved1;          /* 20: 0 */
    const char *const *headings; /* 24: one text per column */
    DWORD reserved2[4];       /* 28 */
    DWORD rowHeaderWidth;     /* 44: 64 */
    const char *rowHeading;   /* 48: heading of the row-number column */
} TableSpec;

/* Message the table understands: fit control's area again after a layout change. */
#define TABLE_FIT 0x10D1

/* Shows a table over the control `controlId` of `window` until TableClose. */
BOOL WINAPI TableShow(HWND window, int controlId, const TableSpec *spec);
/* Closes the table shown over that control window. */
BOOL WINAPI TableClose(HWND control);
/* Sends the clipboard's text to the configured spreadsheet destination. */
BOOL WINAPI TableDdeSend(void);
/* The modal options dialog of the spreadsheet link. */
void WINAPI TableDdeOptions(HWND host);

#ifdef __cplusplus
}
#endif

#if defined(__cplusplus) && (defined(_WIN32) && !defined(_WIN64))
static_assert(sizeof(TableSpec) == 52, "TableSpec is 52 bytes");
static_assert(offsetof(TableSpec, cells) == 16 && offsetof(TableSpec, headings) == 24 &&
                  offsetof(TableSpec, rowHeaderWidth) == 44 && offsetof(TableSpec, rowHeading) == 48,
              "TableSpec fields");
#endif

#endif /* VO_HOST_SDK_TABLEW32_H */
