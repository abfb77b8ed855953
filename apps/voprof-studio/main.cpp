// voprof-studio: the host's windows on the desktop. See voprof-studio --help.
#include <cstdio>
#include <string>
#include <vector>

#include <SDL.h>

#include "options.h"
#include "presenter.h"
#include "sdl_clipboard.h"
#include "session.h"
#include "studio.h"

namespace {

// SDL for the app's lifetime.
struct SdlScope {
    bool ok = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
    ~SdlScope() { SDL_Quit(); }
};

int runStudio(const studio::Options &options) {
    SdlScope sdl;
    if (!sdl.ok) {
        std::fprintf(stderr, "voprof-studio: cannot start SDL: %s\n", SDL_GetError());
        return 1;
    }
    std::string error;
    std::optional<studio::Presenter> presenter = studio::Presenter::create("VOPROF32", options.scale, &error);
    if (!presenter) {
        std::fprintf(stderr, "voprof-studio: cannot open the window: %s\n", error.c_str());
        return 1;
    }
    int status = 0;
    {
        std::unique_ptr<studio::HostSession> session = studio::HostSession::start(options, &error);
        if (!session) {
            std::fprintf(stderr, "voprof-studio: %s\n", error.c_str());
            return 1;
        }
        studio::SdlClipboard clipboard;
        studio::Studio app(*presenter, *session, clipboard);
        session->showFrame();
        for (const std::string &image : options.images) session->openImage(image);
        if (options.play && !session->play(*options.play)) status = 1;
        app.run();
    }
    if (!studio::settingsKept()) status = 1;
    return status;
}

}  // namespace

int main(int argc, char **argv) {
    using namespace studio;
    OptionsResult parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::fprintf(stderr, "voprof-studio: %s\nTry 'voprof-studio --help'.\n", parsed.error.c_str());
        return 2;
    }
    switch (parsed.options->command) {
        case Command::Help:
            std::fputs(helpText().c_str(), stdout);
            return 0;
        case Command::Version:
            std::printf("voprof-studio %s\n", VO_VERSION);
            return 0;
        case Command::Run:
            break;
    }
    return runStudio(*parsed.options);
}
