// The two pictures the window shows: the game screen at its own size, scaled
// into its place, and the chrome (panel, status and help lines) at the
// window's size behind it.
#pragma once

#include <SDL.h>
#include <cairo.h>

namespace workbench {

class WindowTextures {
  public:
    WindowTextures(SDL_Renderer* renderer, int gameWidth, int gameHeight);
    ~WindowTextures();
    WindowTextures(const WindowTextures&) = delete;
    WindowTextures& operator=(const WindowTextures&) = delete;

    // Makes the chrome the window's size; true when it was made afresh, so
    // it holds nothing yet.
    bool FitChrome(int width, int height);
    // Forgets the chrome (the window was resized); the next fit makes it again.
    void DropChrome();
    cairo_surface_t* ChromeSurface() const { return chromeSurface_; }

    void UploadChrome();
    void UploadGame(cairo_surface_t* picture);
    // The chrome over the whole window, the game screen into target.
    void Present(const SDL_Rect& target);

  private:
    SDL_Renderer* renderer_;
    SDL_Texture* game_ = nullptr;
    SDL_Texture* chrome_ = nullptr;
    cairo_surface_t* chromeSurface_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace workbench
