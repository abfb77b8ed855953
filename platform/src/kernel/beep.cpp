// MessageBeep, headless: a beep is counted (for tests and the command line to
// observe) instead of sounded.
#include <platform/embed.h>

namespace {

int gBeepCount = 0;
UINT gLastBeepType = 0;

}  // namespace

namespace plat {
int beepCount() {
    return gBeepCount;
}
UINT lastBeepType() {
    return gLastBeepType;
}
}  // namespace plat

extern "C" {

BOOL WINAPI MessageBeep(UINT uType) {
    ++gBeepCount;
    gLastBeepType = uType;
    return TRUE;
}

}  // extern "C"
