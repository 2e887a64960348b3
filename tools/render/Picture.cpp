#include "tools/render/Picture.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace render {

Picture::Picture(int width, int height, Pixel colour)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)) {
    if (width <= 0 || height <= 0 || cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface_);
        throw std::invalid_argument("cannot make a picture of " + std::to_string(width) + " x " +
                                    std::to_string(height) + " pixels");
    }
    cairo_t* cr = cairo_create(surface_);
    cairo_set_source_rgb(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
    cairo_paint(cr);
    cairo_destroy(cr);
}

Picture::~Picture() {
    if (surface_ != nullptr) {
        cairo_surface_destroy(surface_);
    }
}

Picture::Picture(Picture&& other) noexcept
    : width_(other.width_), height_(other.height_), surface_(std::exchange(other.surface_, nullptr)) {}

Picture& Picture::operator=(Picture&& other) noexcept {
    if (this != &other) {
        if (surface_ != nullptr) {
            cairo_surface_destroy(surface_);
        }
        width_ = other.width_;
        height_ = other.height_;
        surface_ = std::exchange(other.surface_, nullptr);
    }
    return *this;
}

Pixel Picture::At(int x, int y) const {
    if (surface_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return Pixel{};
    }
    cairo_surface_flush(surface_);
    const unsigned char* row = cairo_image_surface_get_data(surface_) +
                               static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_);
    std::uint32_t word = 0;
    std::memcpy(&word, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof word);
    return Pixel{static_cast<int>((word >> 16) & 0xff), static_cast<int>((word >> 8) & 0xff),
                 static_cast<int>(word & 0xff)};
}

void Picture::WritePng(const std::string& path) const {
    const cairo_status_t status = cairo_surface_write_to_png(surface_, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path + ": " + cairo_status_to_string(status));
    }
}

} // namespace render
