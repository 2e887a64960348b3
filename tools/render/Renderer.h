// Draws a frame's drawing the way the game would show it, with our stand-ins
// for its textures and the DejaVu fonts for its own.
#pragma once

#include "tools/render/Picture.h"
#include "tools/render/ReadFrame.h"
#include "tools/render/Textures.h"

#include <string_view>

namespace render {

// The game world behind the menu: one flat colour, so an empty frame is plain.
inline constexpr Pixel WorldColour{92, 100, 88};

struct FontChoice {
    const char* family;
    bool bold;
};

// The face standing in for a game font: serif for "title" and the ledger and
// catalogue faces, monospace for numbers and debug text, sans for the rest.
FontChoice FontFor(std::string_view face);

// Where a text lands in a picture of width x height pixels.
struct TextBounds {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// The game's text box runs from x to the right margin; the paragraph is
// aligned inside it, so centred text is centred on the box's middle.
TextBounds PlaceText(const Text& text, int width, int height);

// One line of plain text (UTF-8) in DejaVu Sans: its advance in pixels, drawn
// from its left end, or centred on centreX.
double LabelWidth(std::string_view text, double size, bool bold = false);
void DrawLabelFrom(cairo_t* cr, std::string_view text, double left, double baseline, double size,
                   Pixel colour, bool bold = false);
void DrawLabel(cairo_t* cr, std::string_view text, double centreX, double baseline, double size,
               Pixel colour);

// The picture is the game window's frame: positions and sizes handed over as
// fractions of the screen are taken of it, and font and image sizes in the
// markup are its pixels. The look's textures stand in for ours where it has
// them, and its backdrop for the world's flat colour.
Picture Render(const Drawing& drawing, int width, int height, const Look& look = {});

} // namespace render
