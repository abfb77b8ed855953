// Desktop key codes and the virtual keys they become. The desktop codes are
// SDL's keycode values, written out here so that this unit needs no SDL
// headers; the SDL side checks them against SDL's own constants at compile
// time.
#pragma once

#include <optional>

namespace studio {

// Keys without a character of their own are scancodes with this bit set.
constexpr int kScancodeKey = 1 << 30;
constexpr int scancodeKey(int scancode) {
    return scancode | kScancodeKey;
}

namespace desktop_key {
constexpr int Backspace = 8, Tab = 9, Return = 13, Escape = 27, Space = 32, Delete = 127;
constexpr int Comma = ',', Minus = '-', Period = '.', Digit0 = '0', Digit9 = '9', LetterA = 'a',
              LetterZ = 'z';
constexpr int F1 = scancodeKey(58), F12 = scancodeKey(69);
constexpr int Insert = scancodeKey(73), Home = scancodeKey(74), PageUp = scancodeKey(75);
constexpr int End = scancodeKey(77), PageDown = scancodeKey(78);
constexpr int Right = scancodeKey(79), Left = scancodeKey(80), Down = scancodeKey(81), Up = scancodeKey(82);
constexpr int KeypadEnter = scancodeKey(88);
constexpr int LeftControl = scancodeKey(224), LeftShift = scancodeKey(225), LeftAlt = scancodeKey(226);
constexpr int RightControl = scancodeKey(228), RightShift = scancodeKey(229), RightAlt = scancodeKey(230);
}  // namespace desktop_key

// The virtual key of a desktop key, or nullopt for keys the platform has no
// use for.
std::optional<int> virtualKeyOf(int desktopKey);

// The character a key press types besides what text input brings: the control
// characters Windows' TranslateMessage makes of Backspace, Tab, Return and
// Escape, and of Control with a letter (Control+C is 3). Zero for none.
unsigned int controlCharacterOf(int virtualKey, bool control);

}  // namespace studio
