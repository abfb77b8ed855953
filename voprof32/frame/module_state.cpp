/* The profile table and the module-wide values, at their load-time values, and the
 * ways of finding a record. */
#include "frame/profile_record.h"

#include "frame/macro_codes.h"

struct ProfileRecord *profileSlots[PROFILE_SLOTS];
LONG currentIndex = -1;

HWND hostWindow;
HINSTANCE moduleInstance;
LONG clientHookId = -1;
LONG lastGeometry[4] = {-1, -1, -1, -1};
WORD saveOptions = S_HEADER | S_LEGEND | S_X_AXIS;
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

struct ProfileRecord *ProfileFromWindow(HWND window) {
    return (struct ProfileRecord *)GetWindowLongPtrA(window, DWLP_USER);
}

LONG ProfileSlotOfImage(LONG imageId) {
    for (LONG slot = 0; slot < PROFILE_SLOTS; slot++)
        if (profileSlots[slot] && profileSlots[slot]->imageId == imageId) return slot;
    return -1;
}

struct ProfileRecord *ProfileFromImage(LONG imageId) {
    LONG slot = ProfileSlotOfImage(imageId);
    return slot >= 0 ? profileSlots[slot] : 0;
}

struct ProfileRecord *CurrentProfile(void) {
    struct ProfileRecord *record;
    if (currentIndex < 0 || currentIndex >= PROFILE_SLOTS) return 0;
    record = profileSlots[currentIndex];
    return record && record->profileWnd ? record : 0;
}
