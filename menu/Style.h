// What the drawing and the mouse derive from the look (Menu::Style, in
// menu/Menu.h): the rows a page shows and the places of the menu's column.
#pragma once

#include "menu/Geometry.h"
#include "menu/Menu.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace Menu {

// The rows a page shows: style.rowsShown, at least 1.
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
