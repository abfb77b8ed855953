// One desktop input event as the bridge sees it: plain values copied out of
// whatever the desktop toolkit delivers, so the translation into the
// platform's input seam can be tested without a display.
#pragma once

#include <string>

namespace studio {

enum class EventKind { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp, Text };

enum class Button { Left, Middle, Right, Other };

struct InputEvent {
    EventKind kind = EventKind::MouseMove;
    int x = 0;  // pointer position in window pixels (mouse events)
    int y = 0;
    Button button = Button::Left;
    int clicks = 1;      // presses in quick succession, counted by the desktop
    int wheelSteps = 0;  // notches, positive away from the user
    int key = 0;         // desktop key code (see key_map.h)
    bool shift = false;  // modifiers held when the event happened
    bool control = false;
    std::string text;  // UTF-8 (Text)
};

}  // namespace studio
