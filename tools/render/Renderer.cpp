#include "tools/render/Renderer.h"

#include "menu/Geometry.h"
#include "tools/render/StandIns.h"
#include "tools/render/Utf8.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <string>
#include <string_view>

namespace render {
namespace {

using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

bool Finite(std::initializer_list<float> values) {
    return std::all_of(values.begin(), values.end(), [](float value) { return std::isfinite(value); });
}

double Channel(int value) {
    return std::clamp(value, 0, 255) / 255.0;
}

// Beyond a few screen heights nothing more can be seen; the bound keeps a
// runaway size in the markup from asking the rasteriser for giant glyphs.
double FontSize(const FontStyle& font, int height) {
    return std::clamp(static_cast<double>(font.size), 0.0, 4.0 * height);
}

void SelectFont(cairo_t* cr, const FontStyle& font, int height) {
    const FontChoice choice = FontFor(font.face);
    cairo_select_font_face(cr, choice.family, CAIRO_FONT_SLANT_NORMAL,
                           choice.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, FontSize(font, height));
}

// Calls each(character, advance) for every character of a text piece.
template <typename Each> void ForEachCharacter(cairo_t* cr, const std::string& text, Each each) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8CharacterLength(text, at);
        const std::string character =
            length != 0 ? text.substr(at, length) : std::string(ReplacementCharacter);
        cairo_text_extents_t extents;
        cairo_text_extents(cr, character.c_str(), &extents);
        each(character, extents.x_advance);
        at += length != 0 ? length : 1;
    }
}

struct PlacedPiece {
    const TextPiece* piece;
    double width;
    double ascent;
    double descent;
};

struct Line {
    std::vector<PlacedPiece> pieces;
    TextBounds bounds;
    double baseline = 0.0;
    double middle = 0.0; // where images are centred
};

Line ShapeLine(cairo_t* cr, const Text& text, int width, int height) {
    Line line;
    double total = 0.0;
    double ascent = 0.0;
    double descent = 0.0;
    double imageHeight = 0.0;
    for (const TextPiece& piece : text.format.pieces) {
        SelectFont(cr, piece.font, height);
        cairo_font_extents_t font;
        cairo_font_extents(cr, &font);
        PlacedPiece placed{&piece, 0.0, font.ascent, font.descent};
        if (piece.isImage) {
            placed.width = std::clamp(static_cast<double>(piece.width), 0.0, 4.0 * height);
            imageHeight =
                std::max(imageHeight, std::clamp(static_cast<double>(piece.height), 0.0, 4.0 * height));
        } else {
            std::size_t count = 0;
            ForEachCharacter(cr, piece.text, [&](const std::string&, double advance) {
                placed.width += advance;
                ++count;
            });
            if (count > 1) {
                placed.width += piece.font.letterSpacing * static_cast<double>(count - 1);
            }
        }
        ascent = std::max(ascent, font.ascent);
        descent = std::max(descent, font.descent);
        total += placed.width;
        line.pieces.push_back(placed);
    }

    const double boxLeft = static_cast<double>(text.x) * width;
    // The margin is in reference pixels, as the menu's scale makes them.
    const double boxRight =
        width - static_cast<double>(text.format.rightMargin) * Menu::ScaleOfWindow(width, height).scale;
    double left = boxLeft;
    if (text.format.align == Align::Center) {
        left = (boxLeft + boxRight) / 2 - total / 2;
    } else if (text.format.align == Align::Right) {
        left = boxRight - total;
    }
    const double top = static_cast<double>(text.y) * height;
    line.baseline = top + ascent;
    line.middle = top + (ascent + descent) / 2;
    const double imageTop = line.middle - imageHeight / 2;
    line.bounds = TextBounds{left, std::min(top, imageTop), left + total,
                             std::max(top + ascent + descent, imageTop + imageHeight)};
    return line;
}

// Cairo and fontconfig keep their font caches for the life of the process.
// They are handed back at exit, once every picture is gone, so that a leak
// checker sees only memory that was really lost.
class FontCaches {
  public:
    static FontCaches& Get() {
        static FontCaches caches;
        return caches;
    }
    FontCaches(const FontCaches&) = delete;
    FontCaches& operator=(const FontCaches&) = delete;

    cairo_surface_t* Measuring() const { return measuring_; }

  private:
    FontCaches() : measuring_(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1)) {}
    ~FontCaches() {
        cairo_surface_destroy(measuring_);
        cairo_debug_reset_static_data();
        FcFini();
    }

    cairo_surface_t* measuring_;
};

Context MeasuringContext() {
    return Context(cairo_create(FontCaches::Get().Measuring()), &cairo_destroy);
}

// The box (0, 0) to (width, height) of the current user space.
void DrawTexture(cairo_t* cr, const Look& look, std::string_view dictionary, std::string_view texture,
                 double width, double height, Colour tint) {
    cairo_surface_t* image =
        look.textures != nullptr ? look.textures->Tinted(dictionary, texture, tint) : nullptr;
    const int imageWidth = image != nullptr ? cairo_image_surface_get_width(image) : 0;
    const int imageHeight = image != nullptr ? cairo_image_surface_get_height(image) : 0;
    if (imageWidth <= 0 || imageHeight <= 0) {
        DrawStandIn(cr, dictionary, texture, width, height, tint);
        return;
    }
    if (!(width > 0.0) || !(height > 0.0)) {
        return;
    }
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_clip(cr);
    cairo_scale(cr, width / imageWidth, height / imageHeight);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_restore(cr);
}

void DrawBackdrop(cairo_t* cr, cairo_surface_t* backdrop, int width, int height) {
    const int imageWidth = cairo_image_surface_get_width(backdrop);
    const int imageHeight = cairo_image_surface_get_height(backdrop);
    if (imageWidth <= 0 || imageHeight <= 0) {
        return;
    }
    cairo_save(cr);
    cairo_scale(cr, static_cast<double>(width) / imageWidth, static_cast<double>(height) / imageHeight);
    cairo_set_source_surface(cr, backdrop, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_restore(cr);
}

void DrawSprite(cairo_t* cr, const Look& look, const Sprite& sprite, int width, int height) {
    if (!Finite({sprite.x, sprite.y, sprite.width, sprite.height, sprite.rotation})) {
        return;
    }
    cairo_save(cr);
    cairo_translate(cr, static_cast<double>(sprite.x) * width, static_cast<double>(sprite.y) * height);
    cairo_rotate(cr, static_cast<double>(sprite.rotation) * std::numbers::pi / 180.0);
    const double spriteWidth = static_cast<double>(sprite.width) * width;
    const double spriteHeight = static_cast<double>(sprite.height) * height;
    cairo_translate(cr, -spriteWidth / 2, -spriteHeight / 2);
    DrawTexture(cr, look, sprite.dictionary, sprite.texture, spriteWidth, spriteHeight, sprite.colour);
    cairo_restore(cr);
}

void DrawTextItem(cairo_t* cr, const Look& look, const Text& text, int width, int height) {
    if (!Finite({text.x, text.y, text.format.rightMargin})) {
        return;
    }
    const Line line = ShapeLine(cr, text, width, height);
    double x = line.bounds.left;
    for (const PlacedPiece& placed : line.pieces) {
        const TextPiece& piece = *placed.piece;
        if (piece.isImage) {
            const double imageHeight = std::clamp(static_cast<double>(piece.height), 0.0, 4.0 * height);
            cairo_save(cr);
            cairo_translate(cr, x, line.middle - imageHeight / 2);
            DrawTexture(cr, look, piece.dictionary, piece.texture, placed.width, imageHeight, text.colour);
            cairo_restore(cr);
        } else if (FontSize(piece.font, height) > 0.0) {
            SelectFont(cr, piece.font, height);
            cairo_set_source_rgba(cr, Channel(text.colour.red), Channel(text.colour.green),
                                  Channel(text.colour.blue), Channel(text.colour.alpha));
            double pen = x;
            ForEachCharacter(cr, piece.text, [&](const std::string& character, double advance) {
                cairo_move_to(cr, pen, line.baseline);
                cairo_show_text(cr, character.c_str());
                pen += advance + piece.font.letterSpacing;
            });
        }
        x += placed.width;
    }
}

} // namespace

FontChoice FontFor(std::string_view face) {
    static constexpr std::string_view serif[] = {"title",    "ledger",      "catalog1",
                                                 "catalog2", "catalog3",    "catalog4",
                                                 "catalog5", "handwritten", "wantedPostersGeneric"};
    static constexpr std::string_view mono[] = {"FixedWidthNumbers", "Debug_BOLD"};
    const bool bold = face.find("BOLD") != std::string_view::npos;
    if (std::find(std::begin(serif), std::end(serif), face) != std::end(serif)) {
        return FontChoice{"DejaVu Serif", bold};
    }
    if (std::find(std::begin(mono), std::end(mono), face) != std::end(mono)) {
        return FontChoice{"DejaVu Sans Mono", bold};
    }
    return FontChoice{"DejaVu Sans", bold};
}

TextBounds PlaceText(const Text& text, int width, int height) {
    const Context cr = MeasuringContext();
    return ShapeLine(cr.get(), text, width, height).bounds;
}

namespace {

void SelectLabelFont(cairo_t* cr, double size, bool bold) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}

} // namespace

double LabelWidth(std::string_view text, double size, bool bold) {
    const Context cr = MeasuringContext();
    SelectLabelFont(cr.get(), size, bold);
    const std::string line(text);
    cairo_text_extents_t extents;
    cairo_text_extents(cr.get(), line.c_str(), &extents);
    return extents.x_advance;
}

void DrawLabelFrom(cairo_t* cr, std::string_view text, double left, double baseline, double size,
                   Pixel colour, bool bold) {
    FontCaches::Get(); // released at exit with the renderer's own
    const std::string line(text);
    cairo_save(cr);
    SelectLabelFont(cr, size, bold);
    cairo_move_to(cr, left, baseline);
    cairo_set_source_rgb(cr, Channel(colour.red), Channel(colour.green), Channel(colour.blue));
    cairo_show_text(cr, line.c_str());
    cairo_restore(cr);
}

void DrawLabel(cairo_t* cr, std::string_view text, double centreX, double baseline, double size,
               Pixel colour) {
    DrawLabelFrom(cr, text, centreX - LabelWidth(text, size) / 2.0, baseline, size, colour);
}

Picture Render(const Drawing& drawing, int width, int height, const Look& look) {
    FontCaches::Get(); // made before the picture, so released after it
    Picture picture(width, height, WorldColour);
    Context cr(cairo_create(picture.Surface()), &cairo_destroy);
    if (look.backdrop != nullptr) {
        DrawBackdrop(cr.get(), look.backdrop, width, height);
    }
    // Sprites and texts interleave as the frame drew them.
    std::size_t sprite = 0;
    std::size_t text = 0;
    for (const char item : drawing.order) {
        if (item == 't' && text < drawing.texts.size()) {
            DrawTextItem(cr.get(), look, drawing.texts[text++], width, height);
        } else if (item == 's' && sprite < drawing.sprites.size()) {
            DrawSprite(cr.get(), look, drawing.sprites[sprite++], width, height);
        }
        // A context in error draws nothing more: one bad item must not blank the rest.
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
            cr = Context(cairo_create(picture.Surface()), &cairo_destroy);
        }
    }
    return picture;
}

} // namespace render
