// The event bridge: desktop events in, the platform seam calls they become
// out, recorded and compared as tables.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bridge/event_bridge.h"
#include "bridge/key_map.h"

namespace studio {
namespace {

class RecordingSeam final : public InputSeam {
public:
    std::vector<std::string> calls;

    void mouseMove(int x, int y) override { log("move " + std::to_string(x) + " " + std::to_string(y)); }
    void mouseDown(plat::MouseButton b) override { log("down " + name(b)); }
    void mouseUp(plat::MouseButton b) override { log("up " + name(b)); }
    void doubleClick(plat::MouseButton b) override { log("double " + name(b)); }
    void wheel(int delta) override { log("wheel " + std::to_string(delta)); }
    void keyDown(int vk) override { log("keydown " + std::to_string(vk)); }
    void keyUp(int vk) override { log("keyup " + std::to_string(vk)); }
    void character(unsigned int ch) override { log("char " + std::to_string(ch)); }
    void modifiers(bool shift, bool control) override {
        log(std::string("modifiers") + (shift ? " shift" : "") + (control ? " control" : ""));
    }

private:
    void log(std::string call) { calls.push_back(std::move(call)); }
    static std::string name(plat::MouseButton b) {
        return b == plat::MouseButton::Left ? "left" : b == plat::MouseButton::Right ? "right" : "middle";
    }
};

InputEvent move(int x, int y) {
    InputEvent e;
    e.kind = EventKind::MouseMove;
    e.x = x;
    e.y = y;
    return e;
}

InputEvent press(EventKind kind, Button b, int x, int y, int clicks = 1) {
    InputEvent e = move(x, y);
    e.kind = kind;
    e.button = b;
    e.clicks = clicks;
    return e;
}

InputEvent key(EventKind kind, int code, bool shift = false, bool control = false) {
    InputEvent e;
    e.kind = kind;
    e.key = code;
    e.shift = shift;
    e.control = control;
    return e;
}

InputEvent text(const std::string &utf8) {
    InputEvent e;
    e.kind = EventKind::Text;
    e.text = utf8;
    return e;
}

InputEvent wheel(int steps) {
    InputEvent e;
    e.kind = EventKind::Wheel;
    e.wheelSteps = steps;
    return e;
}

struct Scenario {
    const char *name;
    int scale;
    std::vector<InputEvent> events;
    std::vector<std::string> calls;
};

void expectScenario(const Scenario &s) {
    RecordingSeam seam;
    EventBridge bridge(seam, s.scale);
    for (const InputEvent &e : s.events) bridge.feed(e);
    EXPECT_EQ(seam.calls, s.calls) << s.name;
}

TEST(EventBridge, TranslatesEventSequences) {
    using enum EventKind;
    const std::string left = std::to_string(VK_LEFT), shift = std::to_string(VK_SHIFT);
    const Scenario scenarios[] = {
        {"a drag at scale 1: the press moves the pointer first only when it is elsewhere",
         1,
         {move(10, 20), press(ButtonDown, Button::Left, 10, 20), move(30, 40),
          press(ButtonUp, Button::Left, 31, 40)},
         {"move 10 20", "down left", "move 30 40", "move 31 40", "up left"}},
        {"scale 3 divides window pixels, rounding towards minus infinity",
         3,
         {move(7, 8), move(8, 8), move(-1, 2), press(ButtonDown, Button::Right, 2, 2)},
         {"move 2 2", "move -1 0", "move 0 0", "down right"}},
        {"a double click is the second press; a third starts afresh, a fourth is double again",
         1,
         {press(ButtonDown, Button::Left, 5, 5, 1), press(ButtonUp, Button::Left, 5, 5, 1),
          press(ButtonDown, Button::Left, 5, 5, 2), press(ButtonUp, Button::Left, 5, 5, 2),
          press(ButtonDown, Button::Left, 5, 5, 3), press(ButtonDown, Button::Middle, 5, 5, 4)},
         {"move 5 5", "down left", "up left", "double left", "up left", "down left", "double middle"}},
        {"buttons the platform lacks are dropped", 1, {press(ButtonDown, Button::Other, 1, 1)}, {}},
        {"wheel notches become WHEEL_DELTA units, both ways",
         1,
         {wheel(1), wheel(-2), wheel(0)},
         {"wheel 120", "wheel -240"}},
        {"shift held around an arrow: the modifier state changes before the key",
         1,
         {key(KeyDown, desktop_key::LeftShift, true), key(KeyDown, desktop_key::Left, true),
          key(KeyUp, desktop_key::Left, true), key(KeyUp, desktop_key::LeftShift, false)},
         {"modifiers shift", "keydown " + shift, "keydown " + left, "keyup " + left, "modifiers",
          "keyup " + shift}},
        {"Return, Backspace and Control+C type control characters; letters type only through text",
         1,
         {key(KeyDown, desktop_key::Return), key(KeyDown, desktop_key::Backspace), key(KeyDown, 'a'),
          key(KeyDown, 'c', false, true)},
         {"keydown 13", "char 13", "keydown 8", "char 8", "keydown 65", "modifiers control", "keydown 67",
          "char 3"}},
        {"text arrives as Latin-1 characters; what Latin-1 lacks is dropped",
         1,
         {text("a/1"), text("\xC3\xA9"), text("\xE2\x82\xAC!")},
         {"char 97", "char 47", "char 49", "char 233", "char 33"}},
        {"keys without a virtual key are ignored", 1, {key(KeyDown, studio::scancodeKey(300))}, {}},
    };
    for (const Scenario &s : scenarios) expectScenario(s);
}

TEST(EventBridge, Latin1SkipsBrokenSequences) {
    // A lone continuation byte and a truncated lead are skipped byte by byte.
    EXPECT_EQ(latin1Characters("x\x80y\xC3"), (std::vector<unsigned int>{'x', 'y'}));
    EXPECT_EQ(latin1Characters("\t\x7F z"), (std::vector<unsigned int>{' ', 'z'}));
}

}  // namespace
}  // namespace studio
