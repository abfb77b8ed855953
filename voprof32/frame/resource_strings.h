/* The string-table loader every part uses. */
#ifndef VOPROF32_FRAME_RESOURCE_STRINGS_H
#define VOPROF32_FRAME_RESOURCE_STRINGS_H

#include <windows.h>

/* The text of string id, at most 255 characters, in one shared buffer that
 * every call overwrites: callers copy it before the next call. */
char *LoadResString(WORD id);

#endif /* VOPROF32_FRAME_RESOURCE_STRINGS_H */
