// The "button" class: push buttons, check boxes, radio buttons and group
// boxes. Message handling follows what Windows does, in its order: a press
// captures the mouse and sends BM_SETSTATE(TRUE) to the button itself; the
// release sends BM_SETSTATE(FALSE), then (inside the button only) changes the
// check of the automatic kinds with BM_SETCHECK, releases the capture and
// notifies the parent with BN_CLICKED. The drawing is in button_paint.cpp.
#include "controls/button.h"
#include "controls/controls.h"

namespace plat {

namespace {

DWORD windowStyle(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

// The highest check state each kind accepts from BM_SETCHECK (push buttons
// and group boxes keep none).
UINT maxCheckState(DWORD type) {
    switch (type) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return BST_CHECKED;
        case BS_3STATE:
        case BS_AUTO3STATE:
            return BST_INDETERMINATE;
        default:
            return BST_UNCHECKED;
    }
}

void setStateBits(HWND hwnd, ButtonState &state, UINT bits, bool on) {
    UINT next = on ? (state.state | bits) : (state.state & ~bits);
    if (next == state.state) return;
    state.state = next;
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT setCheck(HWND hwnd, ButtonState &state, WPARAM wParam) {
    DWORD style = windowStyle(hwnd);
    DWORD type = buttonType(style);
    UINT check =
        static_cast<UINT>(wParam) > maxCheckState(type) ? maxCheckState(type) : static_cast<UINT>(wParam);
    // A checked radio button is the one the Tab key stops at in its group.
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
        SetWindowLongA(hwnd, GWL_STYLE,
                       static_cast<LONG>(check ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP)));
    if ((state.state & 3u) != check) {
        state.state = (state.state & ~3u) | check;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return 0;
}

// A sibling that takes part in the group walk: visible and enabled, as the
// dialog manager's group navigation counts controls.
bool inGroupWalk(HWND hwnd) {
    return IsWindowVisible(hwnd) && IsWindowEnabled(hwnd);
}

// First control of the group that holds hwnd: the nearest sibling at or
// before it with WS_GROUP, or the first sibling.
HWND groupStart(HWND hwnd) {
    HWND start = hwnd;
    while (!(windowStyle(start) & WS_GROUP)) {
        HWND previous = GetWindow(start, GW_HWNDPREV);
        if (!previous) break;
        start = previous;
    }
    return start;
}

// Checks the clicked automatic radio button and unchecks every other radio
// button of its group (the siblings up to the next WS_GROUP), asking each
// sibling with WM_GETDLGCODE whether it is a radio button, as Windows does.
void checkInGroup(HWND hwnd) {
    HWND sibling = groupStart(hwnd);
    do {
        if (sibling == hwnd || inGroupWalk(sibling)) {
            if (SendMessageA(sibling, WM_GETDLGCODE, 0, 0) == (DLGC_BUTTON | DLGC_RADIOBUTTON))
                SendMessageA(sibling, BM_SETCHECK, sibling == hwnd ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        sibling = GetWindow(sibling, GW_HWNDNEXT);
    } while (sibling && !(windowStyle(sibling) & WS_GROUP));
}

bool acceptsInput(HWND hwnd) {
    return IsWindowEnabled(hwnd) && buttonType(windowStyle(hwnd)) != BS_GROUPBOX;
}

void beginPress(HWND hwnd, ButtonState &state, bool mouse) {
    if (mouse) {
        SetCapture(hwnd);
        SetFocus(hwnd);
    }
    state.tracking = true;
    SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
    if (!mouse) SetCapture(hwnd);
}

// The end of a press; inside says whether it ends over the button (always
// for the space bar).
void endPress(HWND hwnd, ButtonState &state, bool inside) {
    if (!state.tracking) return;
    state.tracking = false;
    bool wasPushed = (state.state & BST_PUSHED) != 0;
    if (!wasPushed) {
        ReleaseCapture();
        return;
    }
    SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
    if (!inside) {
        ReleaseCapture();
        return;
    }
    UINT check = state.state & 3u;
    switch (buttonType(windowStyle(hwnd))) {
        case BS_AUTOCHECKBOX:
            SendMessageA(hwnd, BM_SETCHECK, check ? BST_UNCHECKED : BST_CHECKED, 0);
            break;
        case BS_AUTORADIOBUTTON:
            checkInGroup(hwnd);
            break;
        case BS_AUTO3STATE:
            SendMessageA(hwnd, BM_SETCHECK, check == BST_INDETERMINATE ? BST_UNCHECKED : check + 1, 0);
            break;
        default:
            break;
    }
    ReleaseCapture();
    notifyParent(hwnd, BN_CLICKED);
}

bool pointInClient(HWND hwnd, LPARAM lParam) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return PtInRect(&client, mousePoint(lParam)) != FALSE;
}

LRESULT dialogCode(HWND hwnd) {
    switch (buttonType(windowStyle(hwnd))) {
        case BS_PUSHBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX:
            return DLGC_STATIC;
        default:
            return DLGC_BUTTON;
    }
}

LRESULT setStyle(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    DWORD style = (windowStyle(hwnd) & ~static_cast<DWORD>(BS_TYPEMASK)) | (wParam & BS_TYPEMASK);
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(style));
    if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT handleMouse(HWND hwnd, ButtonState &state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!acceptsInput(hwnd)) return 0;
    switch (message) {
        case WM_LBUTTONDBLCLK:
            // A plain radio button reports double clicks; the others take
            // the second click as a press.
            if (buttonType(windowStyle(hwnd)) == BS_RADIOBUTTON) {
                notifyParent(hwnd, BN_DOUBLECLICKED);
                return 0;
            }
            beginPress(hwnd, state, true);
            return 0;
        case WM_LBUTTONDOWN:
            beginPress(hwnd, state, true);
            return 0;
        case WM_LBUTTONUP:
            endPress(hwnd, state, pointInClient(hwnd, lParam));
            return 0;
        case WM_MOUSEMOVE:
            if (state.tracking && (wParam & MK_LBUTTON) && GetCapture() == hwnd)
                SendMessageA(hwnd, BM_SETSTATE, pointInClient(hwnd, lParam), 0);
            return 0;
        default:
            return 0;
    }
}

LRESULT handleKey(HWND hwnd, ButtonState &state, UINT message, WPARAM wParam) {
    if (wParam != VK_SPACE || !acceptsInput(hwnd)) return 0;
    if (message == WM_KEYDOWN && !state.tracking) beginPress(hwnd, state, false);
    if (message == WM_KEYUP) endPress(hwnd, state, true);
    return 0;
}

// A press that loses the capture (another window took it) is abandoned.
void captureLost(HWND hwnd, ButtonState &state, LPARAM newCapture) {
    if (reinterpret_cast<HWND>(newCapture) == hwnd || !state.tracking) return;
    state.tracking = false;
    if (state.state & BST_PUSHED) SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
}

LRESULT handleButtonMessage(HWND hwnd, ButtonState &state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paintButton(hwnd, state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            // Windows lets the mouse through group boxes to what lies under them.
            if (buttonType(windowStyle(hwnd)) == BS_GROUPBOX) return HTTRANSPARENT;
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_GETDLGCODE:
            return dialogCode(hwnd);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE:
            return handleMouse(hwnd, state, message, wParam, lParam);
        case WM_KEYDOWN:
        case WM_KEYUP:
            return handleKey(hwnd, state, message, wParam);
        case WM_CAPTURECHANGED:
            captureLost(hwnd, state, lParam);
            return 0;
        case WM_SETFOCUS:
            setStateBits(hwnd, state, BST_FOCUS, true);
            return 0;
        case WM_KILLFOCUS:
            setStateBits(hwnd, state, BST_FOCUS, false);
            if (state.tracking && GetCapture() == hwnd) ReleaseCapture();
            return 0;
        case WM_SETTEXT: {
            LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
            InvalidateRect(hwnd, nullptr, TRUE);
            return result;
        }
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case BM_GETCHECK:
            return state.state & 3u;
        case BM_SETCHECK:
            return setCheck(hwnd, state, wParam);
        case BM_GETSTATE:
            return state.state;
        case BM_SETSTATE:
            setStateBits(hwnd, state, BST_PUSHED, wParam != 0);
            return 0;
        case BM_SETSTYLE:
            return setStyle(hwnd, wParam, lParam);
        case BM_CLICK:
            SendMessageA(hwnd, WM_LBUTTONDOWN, 0, 0);
            SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK buttonWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) attachControlState<ButtonState>(hwnd);
    ButtonState *state = controlState<ButtonState>(hwnd);
    if (!state) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        releaseControlState<ButtonState>(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (handleFontMessage(hwnd, *state, message, wParam, lParam, result)) return result;
    return handleButtonMessage(hwnd, *state, message, wParam, lParam);
}

}  // namespace plat
