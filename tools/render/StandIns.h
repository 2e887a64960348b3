// Our own stand-in pictures for the game's textures, which are not ours to
// ship: each dictionary/texture name gets a shape that says what it is.
#pragma once

#include "tools/render/ReadFrame.h"

#include <cairo.h>

#include <span>
#include <string_view>

namespace render {

// Draws the stand-in for dictionary/texture filling the box (0, 0) to
// (width, height) of the current user space, tinted as the game tints a
// texture: each channel times tint / 255. Unknown names draw a magenta
// crossed box, as a missing texture.
// Every dictionary/texture that has a stand-in: what the menu draws.
struct TextureName {
    std::string_view dictionary;
    std::string_view texture;
};
std::span<const TextureName> KnownTextures();

void DrawStandIn(cairo_t* cr, std::string_view dictionary, std::string_view texture, double width,
                 double height, Colour tint);

} // namespace render
