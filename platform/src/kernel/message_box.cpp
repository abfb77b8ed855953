// MessageBeep and MessageBoxA, headless.
//
// A beep is counted (for tests and the command line to observe) instead of
// sounded. A message box is not shown: it is answered at once with the
// button a user pressing Enter would choose, which is the first button unless
// MB_DEFBUTTON2/3/4 makes another the default, and its text goes to stderr as
// "MessageBox: caption: text" so that a headless run still reports it.
#include <cstdio>

#include <platform/embed.h>

namespace {

int gBeepCount = 0;
UINT gLastBeepType = 0;

// Values of the real headers that windows.h does not declare.
constexpr UINT kTypeMask = 0x0000000F;
constexpr UINT kDefButtonMask = 0x00000F00;
constexpr UINT kAbortRetryIgnore = 2;
constexpr UINT kYesNoCancel = 3;
constexpr UINT kRetryCancel = 5;
constexpr UINT kCancelTryContinue = 6;
constexpr int kIdTryAgain = 10;
constexpr int kIdContinue = 11;

// The buttons of each box type, left to right (IDs 0 end a list).
struct Buttons {
    int ids[3];
};

Buttons buttonsOf(UINT type) {
    switch (type & kTypeMask) {
        case MB_OKCANCEL:
            return {{IDOK, IDCANCEL, 0}};
        case kAbortRetryIgnore:
            return {{IDABORT, IDRETRY, IDIGNORE}};
        case kYesNoCancel:
            return {{IDYES, IDNO, IDCANCEL}};
        case MB_YESNO:
            return {{IDYES, IDNO, 0}};
        case kRetryCancel:
            return {{IDRETRY, IDCANCEL, 0}};
        case kCancelTryContinue:
            return {{IDCANCEL, kIdTryAgain, kIdContinue}};
        default:
            return {{IDOK, 0, 0}};
    }
}

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

// Windows titles a box without a caption "Error".
int WINAPI MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    std::fprintf(stderr, "MessageBox: %s: %s\n", lpCaption ? lpCaption : "Error", lpText ? lpText : "");
    std::fflush(stderr);
    Buttons buttons = buttonsOf(uType);
    unsigned index = (uType & kDefButtonMask) >> 8;
    if (index >= 3 || buttons.ids[index] == 0) index = 0;
    return buttons.ids[index];
}

}  // extern "C"
