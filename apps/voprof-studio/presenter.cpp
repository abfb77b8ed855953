// Presenting the platform's screen in an SDL window.
#include "presenter.h"

#include <algorithm>

#include <platform/embed.h>

namespace studio {

std::optional<Presenter> Presenter::create(const std::string &title, int scale, std::string *error) {
    Presenter p;
    p.scale_ = std::max(scale, 1);
    // The screen as it is unless the desktop is smaller: then as much as fits.
    SIZE screen = plat::screenSize();
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
        screen.cx = std::min<LONG>(screen.cx, usable.w / p.scale_);
        screen.cy = std::min<LONG>(screen.cy, usable.h / p.scale_);
        plat::setScreenSize(screen.cx, screen.cy);
    }
    // Whole screen pixels, drawn as blocks: no smoothing.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    p.window_.reset(SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                     screen.cx * p.scale_, screen.cy * p.scale_, SDL_WINDOW_RESIZABLE));
    if (p.window_) p.renderer_.reset(SDL_CreateRenderer(p.window_.get(), -1, 0));
    if (!p.renderer_ || !p.makeTexture(screen.cx, screen.cy)) {
        *error = SDL_GetError();
        return std::nullopt;
    }
    return p;
}

bool Presenter::makeTexture(int width, int height) {
    // SDL's RGB888 is a 32-bit 0x00RRGGBB pixel, the platform's own layout.
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                     width, height));
    textureWidth_ = width;
    textureHeight_ = height;
    shownRevision_.reset();
    return texture_ != nullptr;
}

void Presenter::windowResized(int windowWidth, int windowHeight) {
    const int width = std::max(windowWidth / scale_, 1), height = std::max(windowHeight / scale_, 1);
    if (width == textureWidth_ && height == textureHeight_) return;
    plat::setScreenSize(width, height);
    makeTexture(width, height);
}

void Presenter::present() {
    const uint64_t revision = plat::screenRevision();
    if (shownRevision_ == revision) return;
    RECT dirty = plat::takeScreenDirtyRect();
    // A fresh texture holds nothing yet: all of it is uploaded.
    if (!shownRevision_) dirty = RECT{0, 0, textureWidth_, textureHeight_};
    shownRevision_ = revision;
    plat::Image part = plat::captureScreenRect(dirty);
    if (part.width > 0 && part.height > 0) {
        SDL_Rect area{static_cast<int>(dirty.left), static_cast<int>(dirty.top), part.width, part.height};
        SDL_UpdateTexture(texture_.get(), &area, part.pixels.data(),
                          part.width * static_cast<int>(sizeof(uint32_t)));
    }
    redraw();
}

void Presenter::redraw() {
    SDL_Rect target{0, 0, textureWidth_ * scale_, textureHeight_ * scale_};
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, &target);
    SDL_RenderPresent(renderer_.get());
}

}  // namespace studio
