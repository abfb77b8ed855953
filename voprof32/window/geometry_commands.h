/* The profile window's geometry commands, shared with macro playback. */
#ifndef VOPROF32_WINDOW_GEOMETRY_COMMANDS_H
#define VOPROF32_WINDOW_GEOMETRY_COMMANDS_H

#include <windows.h>

struct ProfileRecord;

void SetGeometryType(HWND window, struct ProfileRecord *record, WORD id);
void SetThickMode(HWND window, struct ProfileRecord *record, WORD mode);
void DeleteFreeform(HWND window, struct ProfileRecord *record);
void BringNextChannelForward(HWND window, struct ProfileRecord *record);
/* 1 when the command is one of the geometry commands (and has been carried out). */
int OnGeometryCommand(HWND window, struct ProfileRecord *record, WORD id);

#endif /* VOPROF32_WINDOW_GEOMETRY_COMMANDS_H */
