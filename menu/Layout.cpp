#include "menu/Layout.h"

#include "menu/Controller.h"
#include "menu/ScreenMetrics.h"

#include <algorithm>

namespace Menu {

Window ShownWindow() {
    const Controller& controller = *menuController;
    const Submenu& submenu = *controller.currentSubmenu;
    Window window;
    window.selected = controller.selectedIndex;
    window.visible = submenu.maxVisibleOptions;
    window.rows = submenu.optionCount;
    window.placesUsed = std::min(window.rows, window.visible);
    window.highlight = std::min(window.selected, window.visible - 1);
    return window;
}

std::optional<std::int64_t> SlotOf(const Window& window, std::int64_t row) {
    if (window.selected <= window.visible - 1 && row <= window.visible - 1) {
        return row;
    }
    if (window.selected - window.visible < row && row <= window.selected) {
        return row - window.selected + window.visible - 1;
    }
    return std::nullopt;
}

std::optional<std::int64_t> RowInSlot(const Window& window, std::int64_t slot) {
    if (slot < 0 || slot >= window.placesUsed) {
        return std::nullopt;
    }
    const std::int64_t row =
        window.selected <= window.visible - 1 ? slot : slot + window.selected - window.visible + 1;
    if (row < 0 || row >= window.rows || SlotOf(window, row) != slot) {
        return std::nullopt;
    }
    return row;
}

float RowsBelow(float top, std::int64_t count) {
    return top + static_cast<float>(count) * rowPitch;
}

} // namespace Menu
