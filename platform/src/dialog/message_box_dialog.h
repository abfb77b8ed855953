// The message box a person sees: a modal platform dialog with the caption,
// the wrapped text and a row of buttons, sized to its text and centred on
// its owner.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace plat {

// Button ids of the real headers that windows.h does not declare.
constexpr int kIdTryAgain = 10;
constexpr int kIdContinue = 11;

struct MessageBoxContent {
    std::string caption;
    std::string text;
    std::vector<int> buttons;  // command ids, left to right
    size_t defaultIndex = 0;   // the focused button, which Enter presses
    int escapeId = 0;          // the button Escape presses; 0 when Escape does nothing
};

// True when a modal loop would wait for input instead of cancelling at once.
bool modalInputExpected();

// Runs the box modally over the owner's top-level window (disabled meanwhile)
// and returns the id of the button pressed.
int runMessageBoxDialog(HWND owner, const MessageBoxContent &content);

}  // namespace plat
