// Desktop input events turned into calls of the platform's input seam: window
// pixels divided by the display scale, buttons and double clicks, wheel
// notches, keys through the key map, modifiers whenever they change, and
// typed text as characters of the platform's single-byte character set.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "input_event.h"
#include "input_seam.h"

namespace studio {

class EventBridge {
public:
    // scale: each screen pixel is shown as scale x scale window pixels (1 or more).
    EventBridge(InputSeam &seam, int scale);

    void feed(const InputEvent &event);
    // The screen point under a window pixel.
    POINT screenPoint(int windowX, int windowY) const;

private:
    void moveTo(POINT screen);
    void syncModifiers(const InputEvent &event);
    void button(const InputEvent &event);
    void key(const InputEvent &event);

    InputSeam &seam_;
    int scale_;
    std::optional<POINT> pointer_;  // where the platform's pointer was last sent
    bool shift_ = false;
    bool control_ = false;
};

// The characters of UTF-8 text that the platform's Latin-1 text can hold,
// in order; others are dropped.
std::vector<unsigned int> latin1Characters(const std::string &utf8);

}  // namespace studio
