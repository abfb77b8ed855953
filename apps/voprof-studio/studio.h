// The app's event loop: SDL events fed to the platform through the bridge,
// the platform's messages pumped, the screen presented when it changed. The
// same step runs as the platform's modal idle handler, so dialogs opened
// from a menu keep the desktop window alive. Waiting for events is blocking:
// an idle app uses no CPU.
#pragma once

#include <memory>
#include <string>

#include "bridge/clipboard_bridge.h"
#include "bridge/event_bridge.h"
#include "presenter.h"
#include "session.h"

namespace studio {

class Studio {
public:
    Studio(Presenter &presenter, HostSession &session, DesktopClipboard &clipboard);
    ~Studio();
    Studio(const Studio &) = delete;
    Studio &operator=(const Studio &) = delete;

    // Waits for events and handles them until the window is closed or the
    // frame asks to exit.
    void run();
    // One round: shows what changed, waits for an event and handles it and
    // whatever else is queued. False once the app is quitting. The main loop
    // pumps the platform between rounds; a modal loop dispatches and paints
    // by itself.
    bool step();

private:
    void handle(const SDL_Event &event);
    void windowEvent(const SDL_WindowEvent &event);

    Presenter &presenter_;
    HostSession &session_;
    PlatformSeam seam_;
    EventBridge bridge_;
    ClipboardBridge clipboard_;
    bool quitting_ = false;
};

}  // namespace studio
