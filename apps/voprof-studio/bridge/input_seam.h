// What the event bridge drives: the platform's input seam in the app, a
// recorder in the tests.
#pragma once

#include <platform/embed.h>

namespace studio {

class InputSeam {
public:
    virtual ~InputSeam() = default;
    virtual void mouseMove(int x, int y) = 0;
    virtual void mouseDown(plat::MouseButton button) = 0;
    virtual void mouseUp(plat::MouseButton button) = 0;
    virtual void doubleClick(plat::MouseButton button) = 0;
    virtual void wheel(int delta) = 0;
    virtual void keyDown(int virtualKey) = 0;
    virtual void keyUp(int virtualKey) = 0;
    virtual void character(unsigned int character) = 0;
    virtual void modifiers(bool shift, bool control) = 0;
};

// The real thing: each call goes to the platform's input seam.
class PlatformSeam final : public InputSeam {
public:
    void mouseMove(int x, int y) override { plat::inputMouseMove(x, y); }
    void mouseDown(plat::MouseButton button) override { plat::inputMouseDown(button); }
    void mouseUp(plat::MouseButton button) override { plat::inputMouseUp(button); }
    void doubleClick(plat::MouseButton button) override { plat::inputDoubleClick(button); }
    void wheel(int delta) override { plat::inputWheel(delta); }
    void keyDown(int virtualKey) override { plat::inputKeyDown(virtualKey); }
    void keyUp(int virtualKey) override { plat::inputKeyUp(virtualKey); }
    void character(unsigned int character) override { plat::inputChar(character); }
    void modifiers(bool shift, bool control) override { plat::setModifierState(shift, control); }
};

}  // namespace studio
