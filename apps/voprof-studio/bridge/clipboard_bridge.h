// The platform's clipboard and the desktop's kept in step. What a window of
// the platform copies goes to the desktop as text (CF_TEXT, else a chart's
// SVG text when only the picture was copied); text copied elsewhere on the
// desktop becomes the platform's CF_TEXT when the app gets the focus back.
#pragma once

#include <optional>
#include <string>

namespace studio {

// The desktop's clipboard: SDL's in the app, a fake in the tests.
class DesktopClipboard {
public:
    virtual ~DesktopClipboard() = default;
    virtual std::optional<std::string> text() = 0;
    virtual void setText(const std::string &text) = 0;
};

class ClipboardBridge {
public:
    explicit ClipboardBridge(DesktopClipboard &desktop) : desktop_(desktop) {}

    // The platform's contents changed (its clipboard listener).
    void platformChanged();
    // The desktop's text may have changed (the app got the focus, or a paste
    // is about to happen): new text replaces the platform's contents.
    void desktopMayHaveChanged();

private:
    DesktopClipboard &desktop_;
    // The text both sides held after the last exchange, so that neither
    // side's own text comes back to it as a change.
    std::optional<std::string> shared_;
};

// The text of the platform's clipboard: CF_TEXT, else the "image/svg+xml" block.
std::optional<std::string> platformClipboardText();
// Replaces the platform's clipboard contents with CF_TEXT. False when the
// clipboard could not be opened or the memory not allocated.
bool setPlatformClipboardText(const std::string &text);

}  // namespace studio
