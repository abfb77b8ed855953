// SDL mouse, wheel, key and text events as the bridge's plain events.
#include "sdl_input.h"

#include "bridge/key_map.h"

namespace studio {

// The key map spells SDL's keycodes out; these hold it to SDL's values.
static_assert(kScancodeKey == SDLK_SCANCODE_MASK);
static_assert(desktop_key::Backspace == SDLK_BACKSPACE && desktop_key::Tab == SDLK_TAB);
static_assert(desktop_key::Return == SDLK_RETURN && desktop_key::Escape == SDLK_ESCAPE);
static_assert(desktop_key::Space == SDLK_SPACE && desktop_key::Delete == SDLK_DELETE);
static_assert(desktop_key::Comma == SDLK_COMMA && desktop_key::Minus == SDLK_MINUS &&
              desktop_key::Period == SDLK_PERIOD);
static_assert(desktop_key::Digit0 == SDLK_0 && desktop_key::Digit9 == SDLK_9);
static_assert(desktop_key::LetterA == SDLK_a && desktop_key::LetterZ == SDLK_z);
static_assert(desktop_key::F1 == SDLK_F1 && desktop_key::F12 == SDLK_F12);
static_assert(desktop_key::Insert == SDLK_INSERT && desktop_key::Home == SDLK_HOME &&
              desktop_key::PageUp == SDLK_PAGEUP);
static_assert(desktop_key::End == SDLK_END && desktop_key::PageDown == SDLK_PAGEDOWN);
static_assert(desktop_key::Right == SDLK_RIGHT && desktop_key::Left == SDLK_LEFT &&
              desktop_key::Down == SDLK_DOWN && desktop_key::Up == SDLK_UP);
static_assert(desktop_key::KeypadEnter == SDLK_KP_ENTER);
static_assert(desktop_key::LeftControl == SDLK_LCTRL && desktop_key::LeftShift == SDLK_LSHIFT &&
              desktop_key::LeftAlt == SDLK_LALT);
static_assert(desktop_key::RightControl == SDLK_RCTRL && desktop_key::RightShift == SDLK_RSHIFT &&
              desktop_key::RightAlt == SDLK_RALT);

namespace {

Button buttonOf(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT:
            return Button::Left;
        case SDL_BUTTON_MIDDLE:
            return Button::Middle;
        case SDL_BUTTON_RIGHT:
            return Button::Right;
        default:
            return Button::Other;
    }
}

// The modifiers as SDL knows them now; pushed events do not carry their own.
void withModifiers(InputEvent &event) {
    const SDL_Keymod mod = SDL_GetModState();
    event.shift = (mod & KMOD_SHIFT) != 0;
    event.control = (mod & KMOD_CTRL) != 0;
}

InputEvent pointerEvent(EventKind kind, int x, int y) {
    InputEvent event;
    event.kind = kind;
    event.x = x;
    event.y = y;
    withModifiers(event);
    return event;
}

}  // namespace

std::optional<InputEvent> inputEventOf(const SDL_Event &e) {
    switch (e.type) {
        case SDL_MOUSEMOTION:
            return pointerEvent(EventKind::MouseMove, e.motion.x, e.motion.y);
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            InputEvent event =
                pointerEvent(e.type == SDL_MOUSEBUTTONDOWN ? EventKind::ButtonDown : EventKind::ButtonUp,
                             e.button.x, e.button.y);
            event.button = buttonOf(e.button.button);
            event.clicks = e.button.clicks;
            return event;
        }
        case SDL_MOUSEWHEEL: {
            InputEvent event;
            event.kind = EventKind::Wheel;
            event.wheelSteps = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            withModifiers(event);
            return event;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            InputEvent event;
            event.kind = e.type == SDL_KEYDOWN ? EventKind::KeyDown : EventKind::KeyUp;
            event.key = e.key.keysym.sym;
            event.shift = (e.key.keysym.mod & KMOD_SHIFT) != 0;
            event.control = (e.key.keysym.mod & KMOD_CTRL) != 0;
            return event;
        }
        case SDL_TEXTINPUT: {
            InputEvent event;
            event.kind = EventKind::Text;
            event.text = e.text.text;
            withModifiers(event);
            return event;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace studio
