// The rows of a submenu as navigation sees them: optionCount rows, never more
// than are present.
#pragma once

#include "menu/Menu.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace Menu {

inline std::int32_t RowCount(const Submenu& submenu) {
    const auto present = static_cast<std::int32_t>(std::min<std::size_t>(submenu.options.size(), INT32_MAX));
    return std::clamp(submenu.optionCount, 0, present);
}

// The row nearest to `row`, or row 0 when the page has none (the counter reads "1 of 0").
inline std::int32_t NearestRow(const Submenu& submenu, std::int32_t row) {
    const std::int32_t rows = RowCount(submenu);
    return rows > 0 ? std::clamp(row, 0, rows - 1) : 0;
}

inline Option* RowAt(Submenu& submenu, std::int32_t row) {
    return row >= 0 && row < RowCount(submenu) ? &submenu.options[static_cast<std::size_t>(row)] : nullptr;
}

} // namespace Menu
