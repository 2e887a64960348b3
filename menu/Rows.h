// The rows of a submenu as navigation sees them: optionCount rows, never more
// than are present; while a filter row holds text, the rows it leaves shown,
// counted from 0 in the order shown.
#pragma once

#include "menu/Filter.h"
#include "menu/Menu.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace Menu {

// The rows registered, whatever a filter shows.
inline std::int32_t RegisteredRowCount(const Submenu& submenu) {
    const auto present = static_cast<std::int32_t>(std::min<std::size_t>(submenu.options.size(), INT32_MAX));
    return std::clamp(submenu.optionCount, 0, present);
}

inline std::int32_t RowCount(const Submenu& submenu) {
    return submenu.filter.active ? static_cast<std::int32_t>(submenu.filter.shown.size())
                                 : RegisteredRowCount(submenu);
}

// The rows the counter counts: optionCount as set, or those a filter shows.
inline std::int64_t CountedRows(const Submenu& submenu) {
    return submenu.filter.active ? static_cast<std::int64_t>(submenu.filter.shown.size())
                                 : submenu.optionCount;
}

// The row nearest to `row`, or row 0 when the page has none (the counter reads "1 of 0").
inline std::int32_t NearestRow(const Submenu& submenu, std::int32_t row) {
    const std::int32_t rows = RowCount(submenu);
    return rows > 0 ? std::clamp(row, 0, rows - 1) : 0;
}

inline Option* RowAt(Submenu& submenu, std::int32_t row) {
    if (row < 0 || row >= RowCount(submenu)) {
        return nullptr;
    }
    if (!submenu.filter.active) {
        return &submenu.options[static_cast<std::size_t>(row)];
    }
    const std::int32_t index = submenu.filter.shown[static_cast<std::size_t>(row)];
    if (index == NoMatchRow) {
        return &submenu.filter.noMatch;
    }
    return index < RegisteredRowCount(submenu) ? &submenu.options[static_cast<std::size_t>(index)] : nullptr;
}

} // namespace Menu
