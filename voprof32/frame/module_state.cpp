/* The profile table and the module-wide values, at their load-time values. */
#include "frame/profile_record.h"

struct ProfileRecord *profileSlots[PROFILE_SLOTS];
LONG currentIndex = -1;

HWND hostWindow;
HINSTANCE moduleInstance;
LONG clientHookId = -1;
LONG lastGeometry[4] = {-1, -1, -1, -1};
WORD saveOptions = 0x700;
WORD statsModeDefault = 2;
DWORD exportNumberFlags;
DWORD saveKindIsData = 1;
HCURSOR endPointCursor;
void *reportRegistration;

RECT initialWindowRect;
DWORD suppressMoveMacro;
DWORD suppressSizeMacro;
LONG sizeNesting;
WORD markerHit;
DWORD markerDragging;
