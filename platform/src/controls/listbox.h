// The list box control's state, shared by its item messages (listbox.cpp)
// and its view: drawing, scrolling and user input (listbox_view.cpp).
#pragma once

#include <string>
#include <vector>

#include "controls/control_state.h"

namespace plat {

struct ListItem {
    std::string text;
    LPARAM data = 0;
};

struct ListBoxState : ControlState {
    std::vector<ListItem> items;
    int selected = -1;  // the selected row, -1 for none
    int caret = 0;      // the row that has the focus rectangle
    int top = 0;        // first row shown
    int itemHeight = 13;
    bool focused = false;
    bool tracking = false;         // a click holds the capture
    bool cancelOnRelease = false;  // the click cancelled the selection

    int count() const { return static_cast<int>(items.size()); }
    bool valid(int index) const { return index >= 0 && index < count(); }
};

// Rows that fit entirely in the client area (at least one).
int visibleRows(HWND hwnd, const ListBoxState &state);
// Scrolls so that the row is shown; keeps top within [0, count - rows].
void ensureVisible(HWND hwnd, ListBoxState &state, int index);
void clampTop(HWND hwnd, ListBoxState &state);
// Changes the selection and repaints; sends nothing.
void setSelection(HWND hwnd, ListBoxState &state, int index);

void paintListBox(HWND hwnd, const ListBoxState &state);
// Mouse, keyboard and focus messages; false for any other message.
bool handleListBoxInput(HWND hwnd, ListBoxState &state, UINT message, WPARAM wParam, LPARAM lParam);

// Case-insensitive comparisons of the item texts (ASCII letters fold).
int compareItemText(const std::string &a, const std::string &b);
// Index of the first row after start (wrapping round, -1 searches from the
// top) whose text equals text, or begins with it when prefix is true; -1
// when there is none.
int findItem(const ListBoxState &state, int start, const std::string &text, bool prefix);

}  // namespace plat
