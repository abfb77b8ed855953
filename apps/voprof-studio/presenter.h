// The desktop window that shows the platform's screen: one resizable SDL
// window with a streaming texture the size of the screen, drawn scaled by a
// whole number. Only the part of the screen that changed is uploaded.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <SDL.h>

namespace studio {

class Presenter {
public:
    // The window, sized to show the platform's current screen at the scale.
    static std::optional<Presenter> create(const std::string &title, int scale, std::string *error);

    // The window's size changed: the screen follows it (window pixels divided
    // by the scale) and is uploaded whole at the next present.
    void windowResized(int windowWidth, int windowHeight);
    // Uploads what changed on the screen since the last present and shows it;
    // nothing at all when nothing changed.
    void present();
    // Shows the texture again as it is (the desktop lost the window's pixels).
    void redraw();

    SDL_Window *window() const { return window_.get(); }
    Uint32 windowId() const { return SDL_GetWindowID(window_.get()); }
    int scale() const { return scale_; }

private:
    struct WindowDeleter {
        void operator()(SDL_Window *w) const { SDL_DestroyWindow(w); }
    };
    struct RendererDeleter {
        void operator()(SDL_Renderer *r) const { SDL_DestroyRenderer(r); }
    };
    struct TextureDeleter {
        void operator()(SDL_Texture *t) const { SDL_DestroyTexture(t); }
    };

    Presenter() = default;
    bool makeTexture(int width, int height);

    std::unique_ptr<SDL_Window, WindowDeleter> window_;
    std::unique_ptr<SDL_Renderer, RendererDeleter> renderer_;
    std::unique_ptr<SDL_Texture, TextureDeleter> texture_;
    int scale_ = 1;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    std::optional<uint64_t> shownRevision_;  // the screen revision on the window
};

}  // namespace studio
