// SDL events copied into the bridge's plain input events.
#pragma once

#include <optional>

#include <SDL.h>

#include "bridge/input_event.h"

namespace studio {

// The input event an SDL event carries, or nullopt for the others (window,
// drop, quit and clipboard events are the app's own business).
std::optional<InputEvent> inputEventOf(const SDL_Event &event);

}  // namespace studio
