/* The profile window's File menu and the Table switch. */
#ifndef VOPROF32_WINDOW_FILE_COMMANDS_H
#define VOPROF32_WINDOW_FILE_COMMANDS_H

#include <windows.h>

struct ProfileRecord;

/* The dialog result of a File command: 1 done, -1 Save dialog cancelled; 0 when id is none of them. */
INT_PTR OnFileCommand(HWND window, struct ProfileRecord *record, WORD id);

#endif /* VOPROF32_WINDOW_FILE_COMMANDS_H */
