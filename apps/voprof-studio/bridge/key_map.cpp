// The key mapping table: desktop key codes to virtual keys.
#include "key_map.h"

#include <windows.h>

namespace studio {
namespace {

struct KeyRow {
    int desktop;
    int virtualKey;
};

constexpr int kVkOemComma = 0xBC, kVkOemMinus = 0xBD, kVkOemPeriod = 0xBE;

// Letters, digits and function keys come in runs and are mapped by offset
// below; this table holds the rest.
constexpr KeyRow kKeys[] = {
    {desktop_key::Backspace, VK_BACK},
    {desktop_key::Tab, VK_TAB},
    {desktop_key::Return, VK_RETURN},
    {desktop_key::KeypadEnter, VK_RETURN},
    {desktop_key::Escape, VK_ESCAPE},
    {desktop_key::Space, VK_SPACE},
    {desktop_key::Delete, VK_DELETE},
    {desktop_key::Insert, VK_INSERT},
    {desktop_key::Home, VK_HOME},
    {desktop_key::End, VK_END},
    {desktop_key::PageUp, VK_PRIOR},
    {desktop_key::PageDown, VK_NEXT},
    {desktop_key::Left, VK_LEFT},
    {desktop_key::Right, VK_RIGHT},
    {desktop_key::Up, VK_UP},
    {desktop_key::Down, VK_DOWN},
    {desktop_key::LeftShift, VK_SHIFT},
    {desktop_key::RightShift, VK_SHIFT},
    {desktop_key::LeftControl, VK_CONTROL},
    {desktop_key::RightControl, VK_CONTROL},
    {desktop_key::LeftAlt, VK_MENU},
    {desktop_key::RightAlt, VK_MENU},
    {desktop_key::Comma, kVkOemComma},
    {desktop_key::Minus, kVkOemMinus},
    {desktop_key::Period, kVkOemPeriod},
};

}  // namespace

std::optional<int> virtualKeyOf(int key) {
    using namespace desktop_key;
    if (key >= LetterA && key <= LetterZ) return 'A' + (key - LetterA);
    if (key >= Digit0 && key <= Digit9) return '0' + (key - Digit0);
    if (key >= F1 && key <= F12) return VK_F1 + (key - F1);
    for (const KeyRow &row : kKeys)
        if (row.desktop == key) return row.virtualKey;
    return std::nullopt;
}

unsigned int controlCharacterOf(int virtualKey, bool control) {
    if (virtualKey == VK_BACK || virtualKey == VK_TAB || virtualKey == VK_RETURN || virtualKey == VK_ESCAPE)
        return static_cast<unsigned int>(virtualKey);
    if (control && virtualKey >= 'A' && virtualKey <= 'Z')
        return static_cast<unsigned int>(virtualKey - 'A' + 1);
    return 0;
}

}  // namespace studio
