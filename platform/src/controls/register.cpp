// Registration of the system control classes. They are global classes with a
// null instance, as Windows registers them, so that any module's dialog
// templates and CreateWindowExA calls find them.
#include "controls/control_state.h"
#include "controls/controls.h"
#include "internal/init.h"

namespace plat {

namespace {

struct ControlClass {
    const char *name;
    WNDPROC proc;
    UINT style;
    int cursorId;  // system cursor, as LoadCursorA(NULL, id) takes it
};

// As Windows registers them: all take double clicks (STN_DBLCLK,
// BN_DOUBLECLICKED, LBN_DBLCLK, word selection); edits show the I-beam
// (IDC_IBEAM, 32513), the others the arrow (IDC_ARROW, 32512).
constexpr ControlClass kControlClasses[] = {
    {"static", staticWindowProc, CS_DBLCLKS, 32512},
    {"button", buttonWindowProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, 32512},
    {"listbox", listBoxWindowProc, CS_DBLCLKS, 32512},
    {"edit", editWindowProc, CS_DBLCLKS, 32513},
};

}  // namespace

void registerControlClasses() {
    for (const ControlClass &c : kControlClasses) {
        WNDCLASSA wc{};
        wc.style = c.style | CS_GLOBALCLASS;
        wc.lpfnWndProc = c.proc;
        wc.cbWndExtra = kControlExtraBytes;
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(c.cursorId));
        wc.lpszClassName = c.name;
        RegisterClassA(&wc);
    }
}

}  // namespace plat
