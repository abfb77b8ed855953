// The host session behind the desktop window: the settings file chosen, the
// host's frame made, the plug-in module loaded and handed to the frame's
// commands, and at the end everything closed in the order voprof run uses.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "options.h"

namespace studio {

class HostSession {
public:
    // Null (and *error says why) when the settings file cannot be used or
    // the module cannot be loaded.
    static std::unique_ptr<HostSession> start(const Options &options, std::string *error);
    HostSession();  // use start()
    ~HostSession();
    HostSession(const HostSession &) = delete;
    HostSession &operator=(const HostSession &) = delete;

    // Shows the frame over the screen (again after the screen's size changed).
    void showFrame();
    void fitFrame();
    bool exitRequested() const;
    // The pointer moved: the status line drops the image position when the
    // pointer has left the image windows (no message tells the host so when
    // it moves onto a caption or another program's window).
    void pointerMoved();
    // An image in a new image window; a failure is shown in a message box.
    void openImage(const std::string &path);
    // A macro script; what it prints goes to stdout, its error to stderr.
    bool play(const std::string &path);

private:
    struct Module;
    std::unique_ptr<Module> module_;
};

// Whether the settings written so far (closing the session writes some) were
// kept; says on stderr why not.
bool settingsKept();

}  // namespace studio
