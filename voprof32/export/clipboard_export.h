/*
 * The profile's data on the clipboard as text: exactly the text of a data
 * file, written to a temporary file and read back into clipboard memory.
 */
#ifndef VOPROF32_EXPORT_CLIPBOARD_EXPORT_H
#define VOPROF32_EXPORT_CLIPBOARD_EXPORT_H

#include <windows.h>

struct ProfileRecord;

void ProfileDataToClipboard(HWND window, struct ProfileRecord *record, WORD flags);

#endif /* VOPROF32_EXPORT_CLIPBOARD_EXPORT_H */
