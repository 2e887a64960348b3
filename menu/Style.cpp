#include "menu/Style.h"

#include <algorithm>
#include <cmath>

namespace Menu {

std::int32_t RowsShown(const Style& look) {
    return std::max(look.rowsShown, 1);
}

Columns ColumnsOf(const Style& look) {
    const float left = std::isfinite(look.left) ? look.left : Style::DefaultLeft;
    const float width =
        std::isfinite(look.width) ? std::max(look.width, Style::MinimumWidth) : Style::DefaultWidth;
    // The scroller's indicator stands between its halves, this wide.
    constexpr float indicator = 30.0f;
    Columns columns;
    columns.left = left;
    columns.width = width;
    columns.right = left + width;
    columns.centre = left + width / 2.0f;
    columns.labelLeft = left + 8.0f;
    columns.valueRight = columns.right - 8.0f;
    columns.scrollerHalf = (width - indicator) / 2.0f;
    columns.backdropLeft = left - 67.0f;
    columns.backdropWidth = width + 134.0f;
    columns.highlightOutside = 5.0f;
    return columns;
}

Colour Clamped(Colour colour) {
    return {std::clamp(colour.red, 0, 255), std::clamp(colour.green, 0, 255), std::clamp(colour.blue, 0, 255),
            std::clamp(colour.alpha, 0, 255)};
}

} // namespace Menu
