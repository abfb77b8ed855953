// The event loop of the desktop app.
#include "studio.h"

#include <platform/embed.h>

#include "sdl_input.h"

namespace studio {

Studio::Studio(Presenter &presenter, HostSession &session, DesktopClipboard &clipboard)
    : presenter_(presenter), session_(session), bridge_(seam_, presenter.scale()), clipboard_(clipboard) {
    // SDL composes typed text (layouts, dead keys); key presses only move and command.
    plat::setTypedCharacters(true);
    SDL_StartTextInput();
    plat::setClipboardListener([this] { clipboard_.platformChanged(); });
    plat::setModalIdleHandler([this] { return step(); });
    // Errors and questions are dialogs a person answers, not lines on stderr.
    plat::setInteractiveMessageBoxes(true);
}

Studio::~Studio() {
    plat::setInteractiveMessageBoxes(false);
    plat::setModalIdleHandler({});
    plat::setClipboardListener({});
}

void Studio::windowEvent(const SDL_WindowEvent &event) {
    if (event.windowID != presenter_.windowId()) return;
    switch (event.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            presenter_.windowResized(event.data1, event.data2);
            session_.fitFrame();
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            clipboard_.desktopMayHaveChanged();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            presenter_.redraw();
            break;
        case SDL_WINDOWEVENT_CLOSE:
            quitting_ = true;
            break;
        default:
            break;
    }
}

void Studio::handle(const SDL_Event &event) {
    if (std::optional<InputEvent> input = inputEventOf(event)) {
        // A paste may follow Control+V: the desktop's newest text goes first.
        if (input->kind == EventKind::KeyDown && input->control && input->key == 'v')
            clipboard_.desktopMayHaveChanged();
        bridge_.feed(*input);
        if (input->kind == EventKind::MouseMove) session_.pointerMoved();
        return;
    }
    switch (event.type) {
        case SDL_QUIT:
            quitting_ = true;
            break;
        case SDL_WINDOWEVENT:
            windowEvent(event.window);
            break;
        case SDL_DROPFILE:
            if (event.drop.file) {
                session_.openImage(event.drop.file);
                SDL_free(event.drop.file);
            }
            break;
        default:
            break;
    }
}

bool Studio::step() {
    if (quitting_) return false;
    // What the platform drew since the last round (a dialog that just
    // opened, say) is shown before waiting.
    presenter_.present();
    SDL_Event event;
    if (!SDL_WaitEvent(&event)) {
        quitting_ = true;
        return false;
    }
    do {
        handle(event);
    } while (!quitting_ && SDL_PollEvent(&event));
    return !quitting_;
}

void Studio::run() {
    do {
        plat::pumpMessages();
        if (session_.exitRequested()) quitting_ = true;
    } while (step());
}

}  // namespace studio
