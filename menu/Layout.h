// Where the shown page's rows stand: the window of rows a page shows and the
// slot each shown row takes, for drawing and for the mouse alike. Vertical
// places are pixels of the reference picture (menu/Geometry.h); rows are
// rowPitch apart.
#pragma once

#include "menu/Geometry.h"
#include "menu/Menu.h"
#include "menu/Rows.h"
#include "menu/ScreenMetrics.h"
#include "menu/Style.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace Menu {

// The values every part of the menu is placed by, for the shown submenu;
// widened, so nothing here can overflow whatever the fields hold.
struct Window {
    std::int64_t selected;   // sel
    std::int64_t visible;    // V
    std::int64_t rows;       // N
    std::int64_t placesUsed; // m = min(N, V)
    std::int64_t first;      // the first row shown
    std::int64_t highlight;  // h = sel - first, the selection's slot
};

// The window shows the first V rows until the selection passes them, then
// ends at the selection.
inline std::int64_t FirstShownBySelection(std::int64_t selected, std::int64_t visible) {
    return selected <= visible - 1 ? 0 : selected - visible + 1;
}
// The first row of a window the cursor holds (menu/Mouse.h), kept around the
// selection and filled to the last row.
std::int64_t FirstShownHeld(const HeldWindow& hold, std::int64_t selected, std::int64_t visible,
                            std::int64_t rows);

// Inline, as SlotOf and RowsBelow: each row's drawing asks for them.
inline Window ShownWindow() {
    const Controller& controller = *menuController;
    const Submenu& submenu = *controller.currentSubmenu;
    Window window;
    window.selected = controller.selectedIndex;
    window.visible = RowsShown(style);
    window.rows = CountedRows(submenu);
    window.placesUsed = std::min(window.rows, window.visible);
    const HeldWindow& hold = controller.frame.heldWindow;
    window.first = hold.held && hold.page == submenu.id && window.visible > 0
                       ? FirstShownHeld(hold, window.selected, window.visible, window.rows)
                       : FirstShownBySelection(window.selected, window.visible);
    window.highlight = window.selected - window.first;
    return window;
}

// The slot (0 at the top) row stands in, or nothing when it is not shown.
inline std::optional<std::int64_t> SlotOf(const Window& window, std::int64_t row) {
    if (row >= window.first && row - window.first <= window.visible - 1) {
        return row - window.first;
    }
    return std::nullopt;
}
// The cursor holds the shown window where it is, on the shown page.
void HoldShownWindow(Controller& menu);
// Stores where a held window stands now, or lets it go: on another page, or
// where the selection alone places the window the same.
void SettleHeldWindow(Controller& menu);
// The row shown in a slot, or nothing for a slot no row takes.
std::optional<std::int64_t> RowInSlot(const Window& window, std::int64_t slot);

// y of a layout line `count` row pitches below `top`.
inline float RowsBelow(float top, std::int64_t count) {
    return top + static_cast<float>(count) * rowPitch;
}

// Where a row's value, tick box or right-hand text ends.
inline float ValueRightOf(const Option& row, const Columns& columns) {
    return row.badgeTexture.empty() ? columns.valueRight : columns.valueRight - BesideBadgeInside;
}

} // namespace Menu
