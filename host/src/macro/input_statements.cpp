// The mouse and the keyboard on the active image window, driven through the
// platform's input seam as a hand would drive them: the left button, client
// coordinates of the image window, and messages dispatched after each step
// (a hand is slower than the message loop, so a press has been handled, and
// the mouse perhaps captured, before the next move comes).
#include <platform/embed.h>

#include "macro/hand_steps.h"
#include "macro/key_names.h"
#include "macro/lexer.h"
#include "macro/statements.h"
#include "window/image_window.h"

namespace host::macro {
namespace {

using plat::MouseButton;

Outcome noWindow() {
    return fail("no image window is open");
}

POINT onScreen(HWND window, const Statement &s, size_t first) {
    POINT p{static_cast<LONG>(wholeArg(s, first)), static_cast<LONG>(wholeArg(s, first + 1))};
    ClientToScreen(window, &p);
    return p;
}

// One WM_MOUSEMOVE first when the pointer is elsewhere, none when it is already there.
void moveIfElsewhere(POINT p) {
    POINT now = plat::cursorPosition();
    if (now.x != p.x || now.y != p.y) moveMouseTo(p);
}

Outcome mouseMove(Context &, const Statement &s) {
    if (Outcome bad = argsInRange(s, 0, 2, kCoordinateMin, kCoordinateMax)) return bad;
    HWND window = activeImageWindow();
    if (!window) return noWindow();
    moveMouseTo(onScreen(window, s, 0));
    return std::nullopt;
}

Outcome mouseDown(Context &, const Statement &s) {
    if (Outcome bad = argsInRange(s, 0, 2, kCoordinateMin, kCoordinateMax)) return bad;
    HWND window = activeImageWindow();
    if (!window) return noWindow();
    moveIfElsewhere(onScreen(window, s, 0));
    pressLeft();
    return std::nullopt;
}

Outcome mouseUp(Context &, const Statement &s) {
    if (Outcome bad = argsInRange(s, 0, 2, kCoordinateMin, kCoordinateMax)) return bad;
    HWND window = activeImageWindow();
    if (!window) return noWindow();
    moveIfElsewhere(onScreen(window, s, 0));
    releaseLeft();
    return std::nullopt;
}

// As Windows delivers a double click: press, release, the double-click message, release.
Outcome doubleClick(Context &, const Statement &s) {
    if (Outcome bad = argsInRange(s, 0, 2, kCoordinateMin, kCoordinateMax)) return bad;
    HWND window = activeImageWindow();
    if (!window) return noWindow();
    moveIfElsewhere(onScreen(window, s, 0));
    pressLeft();
    releaseLeft();
    plat::inputDoubleClick(MouseButton::Left);
    plat::pumpMessages();
    releaseLeft();
    return std::nullopt;
}

Outcome drag(Context &, const Statement &s) {
    if (Outcome bad = argsInRange(s, 0, 4, kCoordinateMin, kCoordinateMax)) return bad;
    HWND window = activeImageWindow();
    if (!window) return noWindow();
    const POINT from = onScreen(window, s, 0), to = onScreen(window, s, 2);
    moveMouseTo(from);
    pressLeft();
    moveMouseTo(to);
    releaseLeft();
    return std::nullopt;
}

// Keys go to the window with the focus; a hand would have clicked the image
// window first, so it gets the focus when something else has it.
Outcome key(const Statement &s, bool down) {
    HWND window = activeImageWindow();
    if (!window) return noWindow();
    std::optional<int> vk = virtualKeyOf(textArg(s, 0));
    if (!vk) return fail("unknown key " + quotedForMessage(textArg(s, 0)), 0);
    if (GetFocus() != window) SetFocus(window);
    if (down)
        plat::inputKeyDown(*vk);
    else
        plat::inputKeyUp(*vk);
    return std::nullopt;
}

Outcome keyDown(Context &, const Statement &s) {
    return key(s, true);
}

Outcome keyUp(Context &, const Statement &s) {
    return key(s, false);
}

Outcome shift(Context &, const Statement &s) {
    plat::setModifierState(wholeArg(s, 0) != 0, false);
    return std::nullopt;
}

constexpr StatementRow kStatements[] = {
    {"MouseMove", "ii", "MouseMove(x, y)", mouseMove},
    {"MouseDown", "ii", "MouseDown(x, y)", mouseDown},
    {"MouseUp", "ii", "MouseUp(x, y)", mouseUp},
    {"DoubleClick", "ii", "DoubleClick(x, y)", doubleClick},
    {"Drag", "iiii", "Drag(x1, y1, x2, y2)", drag},
    {"KeyDown", "s", "KeyDown(\"key\")", keyDown},
    {"KeyUp", "s", "KeyUp(\"key\")", keyUp},
    {"Shift", "i", "Shift(1 or 0)", shift},
};

}  // namespace

std::span<const StatementRow> inputStatements() {
    return kStatements;
}

}  // namespace host::macro
