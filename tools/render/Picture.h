// A rendered frame: an opaque picture the size of the game window.
#pragma once

#include <cairo.h>

#include <string>

namespace render {

struct Pixel {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Pixel&, const Pixel&) = default;
};

class Picture {
  public:
    // A picture of the given size, filled with colour.
    Picture(int width, int height, Pixel colour);
    ~Picture();
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixel at (x, y); outside the picture, black.
    Pixel At(int x, int y) const;
    // Throws std::runtime_error when the file cannot be written.
    void WritePng(const std::string& path) const;

    cairo_surface_t* Surface() const { return surface_; }

  private:
    int width_ = 0;
    int height_ = 0;
    cairo_surface_t* surface_ = nullptr;
};

} // namespace render
