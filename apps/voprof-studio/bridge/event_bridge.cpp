// Translation of desktop input events into the platform's input seam.
#include "event_bridge.h"

#include <algorithm>

#include "key_map.h"

namespace studio {

constexpr int kWheelDelta = 120;  // one notch, as Windows' WHEEL_DELTA

EventBridge::EventBridge(InputSeam &seam, int scale) : seam_(seam), scale_(std::max(scale, 1)) {}

POINT EventBridge::screenPoint(int windowX, int windowY) const {
    // Floor division, so that the pixels left of or above the window map
    // left of or above the screen rather than onto its first column or row.
    auto down = [this](int v) { return v >= 0 ? v / scale_ : -((-v + scale_ - 1) / scale_); };
    return POINT{down(windowX), down(windowY)};
}

void EventBridge::moveTo(POINT p) {
    if (pointer_ && pointer_->x == p.x && pointer_->y == p.y) return;
    pointer_ = p;
    seam_.mouseMove(p.x, p.y);
}

void EventBridge::syncModifiers(const InputEvent &event) {
    if (event.shift == shift_ && event.control == control_) return;
    shift_ = event.shift;
    control_ = event.control;
    seam_.modifiers(shift_, control_);
}

static std::optional<plat::MouseButton> platformButton(Button b) {
    switch (b) {
        case Button::Left:
            return plat::MouseButton::Left;
        case Button::Middle:
            return plat::MouseButton::Middle;
        case Button::Right:
            return plat::MouseButton::Right;
        case Button::Other:
            break;
    }
    return std::nullopt;
}

void EventBridge::button(const InputEvent &event) {
    std::optional<plat::MouseButton> b = platformButton(event.button);
    if (!b) return;
    // The press comes where the button went down, even if no move was reported there.
    moveTo(screenPoint(event.x, event.y));
    if (event.kind == EventKind::ButtonUp)
        seam_.mouseUp(*b);
    else if (event.clicks >= 2 && event.clicks % 2 == 0)  // a third click starts afresh, as on Windows
        seam_.doubleClick(*b);
    else
        seam_.mouseDown(*b);
}

void EventBridge::key(const InputEvent &event) {
    std::optional<int> vk = virtualKeyOf(event.key);
    if (!vk) return;
    if (event.kind == EventKind::KeyUp) {
        seam_.keyUp(*vk);
        return;
    }
    seam_.keyDown(*vk);
    if (unsigned int ch = controlCharacterOf(*vk, event.control)) seam_.character(ch);
}

void EventBridge::feed(const InputEvent &event) {
    syncModifiers(event);
    switch (event.kind) {
        case EventKind::MouseMove:
            moveTo(screenPoint(event.x, event.y));
            return;
        case EventKind::ButtonDown:
        case EventKind::ButtonUp:
            button(event);
            return;
        case EventKind::Wheel:
            if (event.wheelSteps) seam_.wheel(event.wheelSteps * kWheelDelta);
            return;
        case EventKind::KeyDown:
        case EventKind::KeyUp:
            key(event);
            return;
        case EventKind::Text:
            for (unsigned int ch : latin1Characters(event.text)) seam_.character(ch);
            return;
    }
}

std::vector<unsigned int> latin1Characters(const std::string &utf8) {
    std::vector<unsigned int> out;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        unsigned int code = length == 1 ? lead : lead & (0x7Fu >> length);
        bool valid = lead < 0x80 || (length > 1 && i + length <= utf8.size());
        for (size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = code << 6 | (next & 0x3Fu);
        }
        if (valid && code >= 0x20 && code <= 0xFF && code != 0x7F) out.push_back(code);
        i += valid ? length : 1;
    }
    return out;
}

}  // namespace studio
