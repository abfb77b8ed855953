// The single-line edit control's state, shared by its text editing
// (edit.cpp) and its view: measuring, scrolling, drawing and the mouse
// (edit_view.cpp). The text itself lives in the window text (DefWindowProcA's
// store), so GetWindowText and WM_GETTEXT always see the current contents.
#pragma once

#include <algorithm>
#include <string>

#include "controls/control_state.h"

namespace plat {

// The limit before any EM_LIMITTEXT, and the one EM_LIMITTEXT(0) sets, as
// Windows has them for single-line edits.
constexpr int kEditInitialLimit = 30000;
constexpr int kEditMaximumLimit = 0x7FFFFFFE;

struct EditState : ControlState {
    int anchor = 0;  // the fixed end of the selection
    int caret = 0;   // the moving end, where the caret is
    int limit = kEditInitialLimit;
    int scrollX = 0;  // pixels of text scrolled off the left of the format rectangle
    bool focused = false;
    bool tracking = false;  // a mouse selection holds the capture

    int selStart() const { return std::min(anchor, caret); }
    int selEnd() const { return std::max(anchor, caret); }
};

// The area the text is laid out in: the client area less a 1-pixel margin
// on each side.
RECT editFormatRect(HWND hwnd);
// Width in pixels of the first count characters of text in the edit's font.
int editTextWidth(HWND hwnd, const EditState &state, const std::string &text, int count);
// Scrolls (ES_AUTOHSCROLL only) so that the caret is inside the format rectangle.
void scrollToCaret(HWND hwnd, EditState &state);

void paintEdit(HWND hwnd, const EditState &state);
// Mouse messages; false for any other message.
bool handleEditMouse(HWND hwnd, EditState &state, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace plat
