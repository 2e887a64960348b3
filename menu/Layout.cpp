#include "menu/Layout.h"

namespace Menu {

std::optional<std::int64_t> RowInSlot(const Window& window, std::int64_t slot) {
    if (slot < 0 || slot >= window.placesUsed) {
        return std::nullopt;
    }
    const std::int64_t row = FirstShownRow(window) + slot;
    if (row < 0 || row >= window.rows || SlotOf(window, row) != slot) {
        return std::nullopt;
    }
    return row;
}

} // namespace Menu
