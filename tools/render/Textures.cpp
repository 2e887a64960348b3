#include "tools/render/Textures.h"

#include "tools/render/StandIns.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace render {
namespace {

std::uint32_t Key(Colour tint) {
    const auto byte = [](int value) { return static_cast<std::uint32_t>(std::clamp(value, 0, 255)); };
    return byte(tint.red) << 24 | byte(tint.green) << 16 | byte(tint.blue) << 8 | byte(tint.alpha);
}

// Cairo keeps premultiplied ARGB, so every channel, alpha too, scales alike
// except that the colour channels also take the alpha's share.
cairo_surface_t* TintedCopy(cairo_surface_t* plain, Colour tint) {
    const int width = cairo_image_surface_get_width(plain);
    const int height = cairo_image_surface_get_height(plain);
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(copy) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(copy);
        return nullptr; // too big to copy: the stand-in is drawn
    }
    cairo_t* cr = cairo_create(copy);
    cairo_set_source_surface(cr, plain, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(copy);

    const auto factor = [](int value) { return static_cast<std::uint32_t>(std::clamp(value, 0, 255)); };
    const std::uint32_t alpha = factor(tint.alpha);
    const std::uint32_t scales[4] = {factor(tint.blue) * alpha, factor(tint.green) * alpha,
                                     factor(tint.red) * alpha, alpha * 255};
    unsigned char* data = cairo_image_surface_get_data(copy);
    const int stride = cairo_image_surface_get_stride(copy);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char* pixel = data + y * stride + x * 4;
            std::uint32_t value;
            std::memcpy(&value, pixel, sizeof value);
            std::uint32_t result = 0;
            for (int channel = 0; channel < 4; ++channel) {
                const std::uint32_t part = value >> (channel * 8) & 0xFFu;
                result |= (part * scales[channel] + 255 * 255 / 2) / (255 * 255) << (channel * 8);
            }
            std::memcpy(pixel, &result, sizeof result);
        }
    }
    cairo_surface_mark_dirty(copy);
    return copy;
}

} // namespace

PngImage::PngImage(const std::filesystem::path& path) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        surface_ = surface;
    } else {
        cairo_surface_destroy(surface);
    }
}

PngImage::~PngImage() {
    if (surface_ != nullptr) {
        cairo_surface_destroy(surface_);
    }
}

PngImage::PngImage(PngImage&& other) noexcept : surface_(std::exchange(other.surface_, nullptr)) {}

TextureFolder::TextureFolder(std::filesystem::path folder, std::ostream& warnings)
    : folder_(std::move(folder)), warnings_(warnings) {}

cairo_surface_t* TextureFolder::Plain(const std::string& name) {
    auto found = plain_.find(name);
    if (found == plain_.end()) {
        const std::filesystem::path path = folder_ / (name + ".png");
        found = plain_.emplace(name, PngImage(path)).first;
        if (found->second.Surface() == nullptr) {
            warnings_ << "no texture " << path.string() << ": its stand-in is drawn\n";
        }
    }
    return found->second.Surface();
}

cairo_surface_t* TextureFolder::Tinted(std::string_view dictionary, std::string_view texture, Colour tint) {
    // A name that climbs out of the folder, or that a file name cannot hold, is no texture of it.
    const auto unfit = [](std::string_view part) {
        return part.empty() || part == "." || part == ".." ||
               part.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos;
    };
    if (unfit(dictionary) || unfit(texture)) {
        return nullptr;
    }
    std::string name = std::string(dictionary) + "/" + std::string(texture);
    cairo_surface_t* plain = Plain(name);
    if (plain == nullptr) {
        return nullptr;
    }
    auto key = std::make_pair(std::move(name), Key(tint));
    auto found = tinted_.find(key);
    if (found == tinted_.end()) {
        found = tinted_.emplace(std::move(key), PngImage(TintedCopy(plain, tint))).first;
    }
    return found->second.Surface();
}

LoadedLook::LoadedLook(const std::string& textures, const std::string& backdrop, std::ostream& warnings) {
    if (!textures.empty()) {
        folder_.emplace(textures, warnings);
    }
    if (!backdrop.empty()) {
        backdrop_.emplace(backdrop);
        if (backdrop_->Surface() == nullptr) {
            throw std::runtime_error("cannot read the backdrop " + backdrop + " as a PNG");
        }
    }
}

void ListTextures(std::ostream& out) {
    for (const TextureName& name : KnownTextures()) {
        out << name.dictionary << '/' << name.texture << '\n';
    }
}

} // namespace render
