// How the menu looks: textures, colours, fonts, how many rows a page shows
// and where the menu's column stands. A fork sets it once, in InitializeMenu,
// before the first frame; the defaults are the game's own ledger look.
#pragma once

#include "menu/Geometry.h"
#include "menu/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace Menu {

// 0..255 each, handed to the game as they are.
struct Colour {
    int red = 255;
    int green = 255;
    int blue = 255;
    int alpha = 255;

    bool operator==(const Colour&) const = default;
};

inline constexpr Colour White = {255, 255, 255, 255};

struct Style {
    // A texture is a dictionary the game has loaded and a texture in it.
    std::string backgroundDictionary = "generic_textures";
    std::string backgroundTexture = "inkroller_1a";
    std::string headerDictionary = "generic_textures";
    std::string headerTexture = "menu_header_1a";

    Colour backgroundColour = {0, 0, 0, 230};
    Colour headerColour = White;
    Colour titleColour = White;
    Colour subtitleColour = White;
    Colour rowTextColour = White;            // labels, values and tick boxes
    Colour rowBoxColour = {50, 50, 50, 110}; // the box behind each row
    Colour selectedTextColour = White;       // the selected row's label, value and tick box
    // A disabled row's texts and badge. Sessions and the preview tell a
    // disabled row by its label's alpha below 255, so keep the others' at 255.
    Colour disabledTextColour = {255, 255, 255, 110};
    Colour highlightColour = {255, 0, 0, 255}; // the frame around the selected row
    Colour separatorColour = White;            // a heading row's text
    Colour barColour = {255, 255, 255, 175};   // the rule above the description
    Colour descriptionColour = White;
    Colour counterColour = {144, 144, 144, 230};

    // Fonts by their number in FontNames; sizes are for the 1920 x 1080
    // reference picture and scale with the game window.
    FontIndex titleFont = 16;
    int titleSize = 45;
    FontIndex subtitleFont = 16;
    int subtitleSize = 23;
    FontIndex rowFont = 0; // labels, values, tick boxes and the counter
    int rowSize = 22;
    FontIndex separatorFont = 16;
    FontIndex descriptionFont = 0;
    int descriptionSize = 18;
    int counterSize = 20;

    // The rows a page shows at once, given to each page as it is registered
    // (Submenu::maxVisibleOptions); below 1 a page shows 1.
    std::int32_t rowsShown = 8;
    // The menu column's left edge and width in pixels of the 1920 x 1080
    // layout. A width below MinimumWidth is drawn at MinimumWidth; a value
    // that is not a finite number is drawn as the default.
    float left = DefaultLeft;
    float width = DefaultWidth;

    static constexpr float DefaultLeft = 92.0f;
    static constexpr float DefaultWidth = 442.0f;
    static constexpr float MinimumWidth = 120.0f;
};

// The look in force; read every frame, so a change shows in the next one.
// Process-wide, defined in host/ProcessState.cpp.
extern Style style;

// The rows a page registered now shows: style.rowsShown, at least 1.
inline std::int32_t RowsShown(const Style& look) {
    return std::max(look.rowsShown, 1);
}

// The horizontal places of the menu's column, in layout pixels, all derived
// from the style's left edge and width (the defaults in brackets).
struct Columns {
    float left;             // the column's left edge (92)
    float width;            // (442)
    float right;            // (534): the counter ends here
    float centre;           // (313): titles, separators, the description
    float labelLeft;        // (100): a row's label starts here
    float valueRight;       // (526): a row's value and tick box end here
    float scrollerHalf;     // (206): each half of the scroller beside its indicator
    float backdropLeft;     // (25)
    float backdropWidth;    // (576)
    float highlightOutside; // (5): the highlight's sides stand this far outside the column
};
// Inline: the drawing asks for them a dozen times a frame.
inline Columns ColumnsOf(const Style& look) {
    const float left = std::isfinite(look.left) ? look.left : Style::DefaultLeft;
    const float width =
        std::isfinite(look.width) ? std::max(look.width, Style::MinimumWidth) : Style::DefaultWidth;
    Columns columns;
    columns.left = left;
    columns.width = width;
    columns.right = left + width;
    columns.centre = left + width / 2.0f;
    columns.labelLeft = left + TextInset;
    columns.valueRight = columns.right - TextInset;
    columns.scrollerHalf = (width - ScrollerIndicatorWidth) / 2.0f;
    columns.backdropLeft = left - BackdropOutside;
    columns.backdropWidth = width + 2.0f * BackdropOutside;
    columns.highlightOutside = HighlightOutside;
    return columns;
}

} // namespace Menu
