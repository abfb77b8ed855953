// MessageBoxA.
//
// A message box's text always goes to stderr as
// "MessageBox: caption: text" so that a terminal still reports it. Headless
// the box is not shown: it is answered at once with the button a user
// pressing Enter would choose, which is the first button unless
// MB_DEFBUTTON2/3/4 makes another the default. With interactive boxes on and
// someone to feed the modal loop, it is a real dialog a person answers.
#include <cstdio>

#include <platform/embed.h>

#include "dialog/message_box_dialog.h"

namespace {

bool gInteractive = false;

// Values of the real headers that windows.h does not declare.
constexpr UINT kTypeMask = 0x0000000F;
constexpr UINT kDefButtonMask = 0x00000F00;
constexpr UINT kAbortRetryIgnore = 2;
constexpr UINT kYesNoCancel = 3;
constexpr UINT kRetryCancel = 5;
constexpr UINT kCancelTryContinue = 6;

// The buttons of each box type, left to right (IDs 0 end a list).
struct Buttons {
    int ids[3];

    size_t count() const { return ids[1] == 0 ? 1 : ids[2] == 0 ? 2 : 3; }
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
            return {{IDCANCEL, plat::kIdTryAgain, plat::kIdContinue}};
        default:
            return {{IDOK, 0, 0}};
    }
}

size_t defaultIndexOf(const Buttons &buttons, UINT type) {
    size_t index = (type & kDefButtonMask) >> 8;
    return index < buttons.count() ? index : 0;
}

// Escape presses Cancel, or the only button; in a box without either (Yes/No,
// Abort/Retry/Ignore) it does nothing, as on Windows.
int escapeIdOf(const Buttons &buttons) {
    for (int id : buttons.ids)
        if (id == IDCANCEL) return IDCANCEL;
    return buttons.count() == 1 ? buttons.ids[0] : 0;
}

int showMessageBox(HWND owner, const char *text, const char *caption, UINT type) {
    Buttons buttons = buttonsOf(type);
    plat::MessageBoxContent content;
    content.caption = caption;
    content.text = text;
    content.buttons.assign(buttons.ids, buttons.ids + buttons.count());
    content.defaultIndex = defaultIndexOf(buttons, type);
    content.escapeId = escapeIdOf(buttons);
    return plat::runMessageBoxDialog(owner, content);
}

}  // namespace

namespace plat {
void setInteractiveMessageBoxes(bool on) {
    gInteractive = on;
}
}  // namespace plat

extern "C" {

// Windows titles a box without a caption "Error".
int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    const char *caption = lpCaption ? lpCaption : "Error";
    const char *text = lpText ? lpText : "";
    std::fprintf(stderr, "MessageBox: %s: %s\n", caption, text);
    std::fflush(stderr);
    if (gInteractive && plat::modalInputExpected())
        if (int pressed = showMessageBox(hWnd, text, caption, uType)) return pressed;
    Buttons buttons = buttonsOf(uType);
    return buttons.ids[defaultIndexOf(buttons, uType)];
}

}  // extern "C"
