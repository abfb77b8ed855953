/* The options a profile window passes on to the next one, in the host's INI file. */
#ifndef VOPROF32_FRAME_SETTINGS_H
#define VOPROF32_FRAME_SETTINGS_H

#include <windows.h>

struct ProfileRecord;

void LoadProfileSettings(HWND host, struct ProfileRecord *record);
void SaveProfileSettings(HWND host, struct ProfileRecord *record);

#endif /* VOPROF32_FRAME_SETTINGS_H */
