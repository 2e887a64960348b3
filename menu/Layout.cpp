#include "menu/Layout.h"

namespace Menu {

std::optional<std::int64_t> RowInSlot(const Window& window, std::int64_t slot) {
    if (slot < 0 || slot >= window.placesUsed) {
        return std::nullopt;
    }
    const std::int64_t row = window.first + slot;
    if (row < 0 || row >= window.rows || SlotOf(window, row) != slot) {
        return std::nullopt;
    }
    return row;
}

std::int64_t FirstShownHeld(const HeldWindow& hold, std::int64_t selected, std::int64_t visible,
                            std::int64_t rows) {
    std::int64_t first = std::min(hold.first, selected);
    first = std::max(first, selected - visible + 1);
    // Rows taken away (a rebuild) leave no empty slots below the last.
    first = std::min(first, std::max<std::int64_t>(rows - visible, 0));
    return std::max<std::int64_t>(first, 0);
}

void HoldShownWindow(Controller& menu) {
    menu.frame.heldWindow = {true, menu.currentSubmenu->id, ShownWindow().first};
}

void SettleHeldWindow(Controller& menu) {
    HeldWindow& hold = menu.frame.heldWindow;
    if (!hold.held) {
        return;
    }
    if (menu.currentSubmenu == nullptr || menu.currentSubmenu->id != hold.page) {
        hold.held = false;
        return;
    }
    const Window window = ShownWindow();
    hold.first = window.first;
    hold.held = window.first != FirstShownBySelection(window.selected, window.visible);
}

} // namespace Menu
