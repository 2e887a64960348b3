#include "tools/render/StandIns.h"

#include "host/MenuArt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace render {
namespace {

struct Box {
    double width;
    double height;
};

using Shape = void (*)(cairo_t*, Box, const Colour&);

double Channel(int value) {
    return std::clamp(value, 0, 255) / 255.0;
}

// The texture's own colour times the tint.
void Paint(cairo_t* cr, const Colour& tint, double red = 1.0, double green = 1.0, double blue = 1.0) {
    cairo_set_source_rgba(cr, red * Channel(tint.red), green * Channel(tint.green), blue * Channel(tint.blue),
                          Channel(tint.alpha));
}

void Fill(cairo_t* cr, Box box, const Colour& tint) {
    Paint(cr, tint);
    cairo_rectangle(cr, 0, 0, box.width, box.height);
    cairo_fill(cr);
}

// Ink rolled on paper: a block whose left and right edges waver.
void InkRoller(cairo_t* cr, Box box, const Colour& tint) {
    const double ragged = std::min(box.width * 0.01, 6.0);
    const int steps = 40;
    const auto edge = [ragged](int i) { return ragged * (0.5 + 0.5 * std::sin(i * 2.3)); };
    cairo_move_to(cr, edge(0), 0);
    for (int i = 1; i <= steps; ++i) {
        cairo_line_to(cr, edge(i), box.height * i / steps);
    }
    for (int i = steps; i >= 0; --i) {
        cairo_line_to(cr, box.width - edge(i + 7), box.height * i / steps);
    }
    cairo_close_path(cr);
    Paint(cr, tint);
    cairo_fill(cr);
}

// A dark red banner with a pale inner rule and notched ends.
void HeaderBanner(cairo_t* cr, Box box, const Colour& tint) {
    const double notch = box.height * 0.25;
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, box.width, 0);
    cairo_line_to(cr, box.width - notch, box.height / 2);
    cairo_line_to(cr, box.width, box.height);
    cairo_line_to(cr, 0, box.height);
    cairo_line_to(cr, notch, box.height / 2);
    cairo_close_path(cr);
    Paint(cr, tint, 0.45, 0.07, 0.06);
    cairo_fill(cr);

    const double inset = box.height * 0.1;
    cairo_rectangle(cr, notch + inset, inset, box.width - 2 * (notch + inset), box.height - 2 * inset);
    cairo_set_line_width(cr, std::max(1.0, box.height * 0.025));
    Paint(cr, tint, 0.85, 0.72, 0.5);
    cairo_stroke(cr);
}

// A rule along the top or the bottom edge of the box.
void Rule(cairo_t* cr, Box box, const Colour& tint, bool atTop) {
    const double thickness = std::max(1.0, box.height * 0.08);
    Paint(cr, tint);
    cairo_rectangle(cr, 0, atTop ? 0.0 : box.height - thickness, box.width, thickness);
    cairo_fill(cr);
}

// The scroller frames the list: its rules run along the list's edge, above
// the first row and below the last, with a diamond at the outer ends.
void ScrollerHalf(cairo_t* cr, Box box, const Colour& tint, bool outerIsLeft, bool belowList) {
    Rule(cr, box, tint, belowList);
    const double size = std::max(1.5, box.height * 0.16);
    const double x = outerIsLeft ? size : box.width - size;
    const double y = belowList ? size * 0.5 : box.height - size * 0.5;
    cairo_move_to(cr, x - size, y);
    cairo_line_to(cr, x, y - size);
    cairo_line_to(cr, x + size, y);
    cairo_line_to(cr, x, y + size);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void ScrollerLeftTop(cairo_t* cr, Box box, const Colour& tint) {
    ScrollerHalf(cr, box, tint, true, false);
}

void ScrollerRightTop(cairo_t* cr, Box box, const Colour& tint) {
    ScrollerHalf(cr, box, tint, false, false);
}

void ScrollerLeftBottom(cairo_t* cr, Box box, const Colour& tint) {
    ScrollerHalf(cr, box, tint, true, true);
}

void ScrollerRightBottom(cairo_t* cr, Box box, const Colour& tint) {
    ScrollerHalf(cr, box, tint, false, true);
}

// With nothing hidden, the indicator just carries the rule across the middle.
void ScrollerLineUp(cairo_t* cr, Box box, const Colour& tint) {
    Rule(cr, box, tint, false);
}

void ScrollerLineDown(cairo_t* cr, Box box, const Colour& tint) {
    Rule(cr, box, tint, true);
}

void Triangle(cairo_t* cr, Box box, const Colour& tint, double angle) {
    const double size = std::min(box.width, box.height) * 0.4;
    cairo_save(cr);
    cairo_translate(cr, box.width / 2, box.height / 2);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, -size);
    cairo_line_to(cr, size, size * 0.7);
    cairo_line_to(cr, -size, size * 0.7);
    cairo_close_path(cr);
    cairo_restore(cr);
    Paint(cr, tint);
    cairo_fill(cr);
}

void ArrowUp(cairo_t* cr, Box box, const Colour& tint) {
    Triangle(cr, box, tint, 0.0);
}

void ArrowDown(cairo_t* cr, Box box, const Colour& tint) {
    Triangle(cr, box, tint, std::numbers::pi);
}

void ArrowLeft(cairo_t* cr, Box box, const Colour& tint) {
    Triangle(cr, box, tint, -std::numbers::pi / 2);
}

void ArrowRight(cairo_t* cr, Box box, const Colour& tint) {
    Triangle(cr, box, tint, std::numbers::pi / 2);
}

// Highlight pieces: a brush stroke along the long side, through the centre.
void HighlightSide(cairo_t* cr, Box box, const Colour& tint) {
    const double thickness = std::max(2.0, box.width * 0.2);
    Paint(cr, tint);
    cairo_rectangle(cr, (box.width - thickness) / 2, 0, thickness, box.height);
    cairo_fill(cr);
}

void HighlightEdge(cairo_t* cr, Box box, const Colour& tint) {
    const double thickness = std::max(2.0, box.height * 0.18);
    Paint(cr, tint);
    cairo_rectangle(cr, 0, (box.height - thickness) / 2, box.width, thickness);
    cairo_fill(cr);
}

void Tick(cairo_t* cr, Box box, const Colour& tint) {
    cairo_move_to(cr, box.width * 0.22, box.height * 0.52);
    cairo_line_to(cr, box.width * 0.42, box.height * 0.72);
    cairo_line_to(cr, box.width * 0.8, box.height * 0.28);
    cairo_set_line_width(cr, std::max(1.5, box.width * 0.12));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Paint(cr, tint);
    cairo_stroke(cr);
}

void TickBox(cairo_t* cr, Box box, const Colour& tint) {
    const double line = std::max(1.0, box.width * 0.07);
    cairo_rectangle(cr, box.width * 0.12, box.height * 0.12, box.width * 0.76, box.height * 0.76);
    cairo_set_line_width(cr, line);
    Paint(cr, tint);
    cairo_stroke(cr);
}

void Missing(cairo_t* cr, Box box, const Colour&) {
    cairo_set_source_rgba(cr, 1.0, 0.0, 1.0, 1.0);
    cairo_set_line_width(cr, 2.0);
    cairo_rectangle(cr, 1, 1, std::max(0.0, box.width - 2), std::max(0.0, box.height - 2));
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, box.width, box.height);
    cairo_move_to(cr, box.width, 0);
    cairo_line_to(cr, 0, box.height);
    cairo_stroke(cr);
}

struct StandIn {
    menu_art::Texture texture;
    Shape shape;
};

constexpr StandIn standIns[] = {
    {menu_art::Backdrop, InkRoller},
    {menu_art::Banner, HeaderBanner},
    {menu_art::DescriptionBar, Fill},
    {menu_art::RowBox, Fill},
    {menu_art::Tick, Tick},
    {menu_art::TickBox, TickBox},
    {menu_art::ScrollerLeftTop, ScrollerLeftTop},
    {menu_art::ScrollerRightTop, ScrollerRightTop},
    {menu_art::ScrollerLeftBottom, ScrollerLeftBottom},
    {menu_art::ScrollerRightBottom, ScrollerRightBottom},
    {menu_art::ScrollerLineUp, ScrollerLineUp},
    {menu_art::ScrollerLineDown, ScrollerLineDown},
    {menu_art::ScrollerArrowUp, ArrowUp},
    {menu_art::ScrollerArrowDown, ArrowDown},
    {menu_art::HighlightLeft, HighlightSide},
    {menu_art::HighlightRight, HighlightSide},
    {menu_art::HighlightTop, HighlightEdge},
    {menu_art::HighlightBottom, HighlightEdge},
    {menu_art::ListArrowLeft, ArrowLeft},
    {menu_art::ListArrowRight, ArrowRight},
};

Shape Find(std::string_view dictionary, std::string_view texture) {
    for (const StandIn& standIn : standIns) {
        if (standIn.texture.dictionary == dictionary && standIn.texture.name == texture) {
            return standIn.shape;
        }
    }
    return nullptr;
}

constexpr auto knownTextures = [] {
    std::array<TextureName, std::size(standIns)> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = TextureName{standIns[i].texture.dictionary, standIns[i].texture.name};
    }
    return names;
}();

} // namespace

std::span<const TextureName> KnownTextures() {
    return knownTextures;
}

void DrawStandIn(cairo_t* cr, std::string_view dictionary, std::string_view texture, double width,
                 double height, Colour tint) {
    if (!(width > 0.0) || !(height > 0.0)) {
        return;
    }
    const Shape shape = Find(dictionary, texture);
    cairo_save(cr);
    cairo_new_path(cr);
    (shape != nullptr ? shape : Missing)(cr, Box{width, height}, tint);
    cairo_restore(cr);
}

} // namespace render
