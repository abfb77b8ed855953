// The key map: every desktop key the platform uses, and the characters key
// presses type.
#include <gtest/gtest.h>

#include <windows.h>

#include "bridge/key_map.h"

namespace studio {
namespace {

TEST(KeyMap, MapsDesktopKeysToVirtualKeys) {
    using namespace desktop_key;
    struct Row {
        int desktop;
        int virtualKey;
    };
    const Row rows[] = {
        {'a', 'A'},
        {'z', 'Z'},
        {'0', '0'},
        {'9', '9'},
        {F1, VK_F1},
        {scancodeKey(67), VK_F10},
        {Return, VK_RETURN},
        {KeypadEnter, VK_RETURN},
        {Escape, VK_ESCAPE},
        {Backspace, VK_BACK},
        {Tab, VK_TAB},
        {Space, VK_SPACE},
        {Delete, VK_DELETE},
        {Insert, VK_INSERT},
        {Home, VK_HOME},
        {End, VK_END},
        {PageUp, VK_PRIOR},
        {PageDown, VK_NEXT},
        {Left, VK_LEFT},
        {Right, VK_RIGHT},
        {Up, VK_UP},
        {Down, VK_DOWN},
        {LeftShift, VK_SHIFT},
        {RightShift, VK_SHIFT},
        {LeftControl, VK_CONTROL},
        {RightControl, VK_CONTROL},
        {LeftAlt, VK_MENU},
        {Period, 0xBE},
        {Minus, 0xBD},
        {Comma, 0xBC},
    };
    for (const Row &row : rows)
        EXPECT_EQ(virtualKeyOf(row.desktop), row.virtualKey) << "desktop key " << row.desktop;
    for (int unmapped : {int{'A'}, int{'`'}, int{'/'}, scancodeKey(57), scancodeKey(300)})
        EXPECT_FALSE(virtualKeyOf(unmapped)) << "desktop key " << unmapped;
}

TEST(KeyMap, ControlCharactersAsTranslateMessageMakesThem) {
    struct Row {
        int virtualKey;
        bool control;
        unsigned int character;
    };
    const Row rows[] = {
        {VK_RETURN, false, '\r'}, {VK_BACK, false, '\b'}, {VK_TAB, false, '\t'},
        {VK_ESCAPE, true, 27},    {'A', true, 1},         {'Z', true, 26},
        {'A', false, 0},          {VK_LEFT, true, 0},     {'1', true, 0},
    };
    for (const Row &row : rows)
        EXPECT_EQ(controlCharacterOf(row.virtualKey, row.control), row.character)
            << "virtual key " << row.virtualKey;
}

}  // namespace
}  // namespace studio
