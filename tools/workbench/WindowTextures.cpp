#include "tools/workbench/WindowTextures.h"

namespace workbench {

namespace {

void Upload(SDL_Texture* texture, cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    SDL_UpdateTexture(texture, nullptr, cairo_image_surface_get_data(surface),
                      cairo_image_surface_get_stride(surface));
}

} // namespace

WindowTextures::WindowTextures(SDL_Renderer* renderer, int gameWidth, int gameHeight) : renderer_(renderer) {
    game_ = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, gameWidth,
                              gameHeight);
}

WindowTextures::~WindowTextures() {
    SDL_DestroyTexture(game_);
    DropChrome();
}

bool WindowTextures::FitChrome(int width, int height) {
    if (chrome_ != nullptr && width_ == width && height_ == height) {
        return false;
    }
    DropChrome();
    chrome_ =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
    chromeSurface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    width_ = width;
    height_ = height;
    return true;
}

void WindowTextures::DropChrome() {
    if (chrome_ != nullptr) {
        SDL_DestroyTexture(chrome_);
        cairo_surface_destroy(chromeSurface_);
    }
    chrome_ = nullptr;
    chromeSurface_ = nullptr;
}

void WindowTextures::UploadChrome() {
    Upload(chrome_, chromeSurface_);
}

void WindowTextures::UploadGame(cairo_surface_t* picture) {
    Upload(game_, picture);
}

void WindowTextures::Present(const SDL_Rect& target) {
    SDL_RenderCopy(renderer_, chrome_, nullptr, nullptr);
    SDL_RenderCopy(renderer_, game_, nullptr, &target);
    SDL_RenderPresent(renderer_);
}

} // namespace workbench
