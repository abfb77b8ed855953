// The button control's state, shared by its message handling (button.cpp)
// and its drawing (button_paint.cpp).
#pragma once

#include "controls/control_state.h"

namespace plat {

struct ButtonState : ControlState {
    UINT state = 0;         // BST_CHECKED/BST_INDETERMINATE, BST_PUSHED, BST_FOCUS
    bool tracking = false;  // a press (mouse or space bar) is under way
};

inline DWORD buttonType(DWORD style) {
    return style & BS_TYPEMASK;
}

// Paints the whole button for WM_PAINT.
void paintButton(HWND hwnd, const ButtonState &state);

}  // namespace plat
