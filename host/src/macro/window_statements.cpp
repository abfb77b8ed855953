// The current plug-in window handled as a hand handles it: its caption dragged
// to move it, its bottom-right frame corner dragged to size it, the caption
// buttons (minimise, maximise, restore), a click and a drag inside it. Every
// step goes through the platform's input seam or the system command a caption
// button sends, so the window sees the messages a user would cause.
#include <string>

#include <platform/embed.h>

#include "macro/hand_steps.h"
#include "macro/statements.h"

namespace host::macro {
namespace {

Outcome noPluginWindow() {
    return fail("no plug-in window is current");
}

// A press at `from`, one move to `to`, the release there (screen coordinates).
void dragOnScreen(POINT from, POINT to) {
    moveMouseTo(from);
    pressLeft();
    moveMouseTo(to);
    releaseLeft();
}

Outcome profMove(Context &, const Statement &s) {
    HWND window = currentPluginWindow();
    if (!window) return noPluginWindow();
    if (IsIconic(window) || IsZoomed(window)) return fail("a minimised or maximised window cannot be moved");
    RECT frame{};
    GetWindowRect(window, &frame);
    // A point of the caption left of its buttons, below the sizing frame.
    const POINT grip{frame.left + 24,
                     frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
    POINT target{static_cast<LONG>(wholeArg(s, 0)), static_cast<LONG>(wholeArg(s, 1))};
    if (HWND owner = GetParent(window)) ClientToScreen(owner, &target);
    dragOnScreen(grip, POINT{grip.x + target.x - frame.left, grip.y + target.y - frame.top});
    return std::nullopt;
}

Outcome profSize(Context &, const Statement &s) {
    if (Outcome bad = argsInRange(s, 0, 2, 1, kCoordinateMax)) return bad;
    HWND window = currentPluginWindow();
    if (!window) return noPluginWindow();
    if (IsIconic(window) || IsZoomed(window)) return fail("a minimised or maximised window cannot be sized");
    const long width = wholeArg(s, 0), height = wholeArg(s, 1);
    if (width < 1 || height < 1) return fail("the outer size must be at least 1 x 1", 0);
    RECT frame{};
    GetWindowRect(window, &frame);
    const POINT corner{frame.right - 2, frame.bottom - 2};
    dragOnScreen(corner, POINT{corner.x + static_cast<LONG>(width) - (frame.right - frame.left),
                               corner.y + static_cast<LONG>(height) - (frame.bottom - frame.top)});
    return std::nullopt;
}

// What the caption buttons send (and the restore of a minimised window's tile).
Outcome profShow(Context &, const Statement &s) {
    HWND window = currentPluginWindow();
    if (!window) return noPluginWindow();
    const std::string &how = textArg(s, 0);
    WPARAM command = how == "minimize"   ? SC_MINIMIZE
                     : how == "maximize" ? SC_MAXIMIZE
                     : how == "restore"  ? SC_RESTORE
                                         : 0;
    if (!command)
        return fail("a window is shown \"minimize\", \"maximize\" or \"restore\", not \"" + how + "\"", 0);
    SendMessageA(window, WM_SYSCOMMAND, command, 0);
    plat::pumpMessages();
    return std::nullopt;
}

POINT clientOnScreen(HWND window, const Statement &s, size_t first) {
    POINT p{static_cast<LONG>(wholeArg(s, first)), static_cast<LONG>(wholeArg(s, first + 1))};
    ClientToScreen(window, &p);
    return p;
}

Outcome profClick(Context &, const Statement &s) {
    if (Outcome bad = argsInRange(s, 0, 2, kCoordinateMin, kCoordinateMax)) return bad;
    HWND window = currentPluginWindow();
    if (!window) return noPluginWindow();
    moveMouseTo(clientOnScreen(window, s, 0));
    pressLeft();
    releaseLeft();
    return std::nullopt;
}

Outcome profDrag(Context &, const Statement &s) {
    if (Outcome bad = argsInRange(s, 0, 4, kCoordinateMin, kCoordinateMax)) return bad;
    HWND window = currentPluginWindow();
    if (!window) return noPluginWindow();
    dragOnScreen(clientOnScreen(window, s, 0), clientOnScreen(window, s, 2));
    return std::nullopt;
}

constexpr StatementRow kStatements[] = {
    {"ProfMove", "ii", "ProfMove(x, y)", profMove},
    {"ProfSize", "ii", "ProfSize(width, height)", profSize},
    {"ProfShow", "s", "ProfShow(\"minimize\" or \"maximize\" or \"restore\")", profShow},
    {"ProfClick", "ii", "ProfClick(x, y)", profClick},
    {"ProfDrag", "iiii", "ProfDrag(x1, y1, x2, y2)", profDrag},
};

}  // namespace

std::span<const StatementRow> windowStatements() {
    return kStatements;
}

}  // namespace host::macro
