// The key names of KeyDown and KeyUp and their virtual-key codes.
#include "macro/key_names.h"

#include <cctype>
#include <string>

#include <windows.h>

namespace host::macro {
namespace {

struct KeyName {
    const char *name;
    int key;
};

constexpr KeyName kKeys[] = {
    {"left", VK_LEFT},      {"right", VK_RIGHT},   {"up", VK_UP},           {"down", VK_DOWN},
    {"home", VK_HOME},      {"end", VK_END},       {"pageup", VK_PRIOR},    {"pagedown", VK_NEXT},
    {"insert", VK_INSERT},  {"delete", VK_DELETE}, {"return", VK_RETURN},   {"enter", VK_RETURN},
    {"escape", VK_ESCAPE},  {"esc", VK_ESCAPE},    {"tab", VK_TAB},         {"space", VK_SPACE},
    {"backspace", VK_BACK}, {"shift", VK_SHIFT},   {"control", VK_CONTROL},
};

}  // namespace

std::optional<int> virtualKeyOf(std::string_view name) {
    std::string lower;
    for (char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const KeyName &key : kKeys)
        if (lower == key.name) return key.key;
    if (lower.size() == 1 && lower[0] >= 'a' && lower[0] <= 'z') return lower[0] - 'a' + 'A';
    if (lower.size() == 1 && lower[0] >= '0' && lower[0] <= '9') return lower[0];
    if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == 'f') {
        int n = 0;
        for (size_t i = 1; i < lower.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(lower[i]))) return std::nullopt;
            n = n * 10 + (lower[i] - '0');
        }
        if (n >= 1 && n <= 12 && lower[1] != '0') return VK_F1 + n - 1;
    }
    return std::nullopt;
}

}  // namespace host::macro
