// The modder's own exports of the game's textures, DIR/DICT/NAME.png, drawn
// in place of our stand-ins, and a picture of the game behind the menu.
// Nothing of the game ships with the project: the folder is the modder's.
#pragma once

#include "tools/render/ReadFrame.h"

#include <cairo.h>

#include <cstdint>

#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace render {

// A PNG read with Cairo; Surface() is null when the file cannot be read.
class PngImage {
  public:
    explicit PngImage(const std::filesystem::path& path);
    // Takes over a surface made elsewhere.
    explicit PngImage(cairo_surface_t* owned) : surface_(owned) {}
    ~PngImage();
    PngImage(PngImage&& other) noexcept;
    PngImage& operator=(PngImage&&) = delete;
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;

    cairo_surface_t* Surface() const { return surface_; }

  private:
    cairo_surface_t* surface_ = nullptr;
};

class TextureFolder {
  public:
    // Missing textures are named on warnings, each once.
    TextureFolder(std::filesystem::path folder, std::ostream& warnings);

    // The texture with the tint multiplied in (each channel times tint / 255),
    // or null when the folder has no readable DICT/NAME.png.
    cairo_surface_t* Tinted(std::string_view dictionary, std::string_view texture, Colour tint);

  private:
    cairo_surface_t* Plain(const std::string& name);

    std::filesystem::path folder_;
    std::ostream& warnings_;
    std::map<std::string, PngImage> plain_;
    std::map<std::pair<std::string, std::uint32_t>, PngImage> tinted_;
};

// How a frame is dressed: the modder's textures and backdrop, either absent.
struct Look {
    TextureFolder* textures = nullptr;
    cairo_surface_t* backdrop = nullptr; // scaled to the game window
};

// The look the command line asked for, loaded. Throws std::runtime_error
// when the backdrop cannot be read: a picture asked for is not left out unseen.
class LoadedLook {
  public:
    LoadedLook(const std::string& textures, const std::string& backdrop, std::ostream& warnings);
    Look Get() { return Look{folder_ ? &*folder_ : nullptr, backdrop_ ? backdrop_->Surface() : nullptr}; }

  private:
    std::optional<TextureFolder> folder_;
    std::optional<PngImage> backdrop_;
};

// One DICT/NAME a line: every texture the menu draws.
void ListTextures(std::ostream& out);

} // namespace render
