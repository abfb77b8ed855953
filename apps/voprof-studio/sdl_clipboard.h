// The desktop's clipboard through SDL.
#pragma once

#include <SDL.h>

#include "bridge/clipboard_bridge.h"

namespace studio {

class SdlClipboard final : public DesktopClipboard {
public:
    std::optional<std::string> text() override {
        if (!SDL_HasClipboardText()) return std::nullopt;
        char *text = SDL_GetClipboardText();
        if (!text) return std::nullopt;
        std::string copy(text);
        SDL_free(text);
        return copy;
    }
    void setText(const std::string &text) override { SDL_SetClipboardText(text.c_str()); }
};

}  // namespace studio
