// A page's filter row (Submenu::AddFilter): the text the player typed, and
// the rows it leaves shown, which navigation, drawing, the counter and the
// mouse count through (menu/Rows.h).
#pragma once

#include "menu/Menu.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Menu {

// The game's keyboard takes at most this many characters for a filter.
inline constexpr std::int32_t FilterMaxLength = 64;
// In RowFilter::shown: the dimmed "No match" row.
inline constexpr std::int32_t NoMatchRow = -1;

// Whether label holds text, ASCII letters in either case alike.
bool LabelHolds(std::string_view label, std::string_view text);

// Works out what the page's filter leaves shown: every row up to the filter
// row, then the rows below it whose label holds the text, each under its
// heading; "No match" when none does. Runs when the text changes and when
// the page is built.
void ApplyFilter(Submenu& page);

// Where the page shows the row registered at index, counted as RowAt
// counts; nothing when a filter hides it.
std::optional<std::int32_t> ShownPosition(const Submenu& page, std::int32_t index);

// The filter's text becomes text (the player typed it), and the rows follow.
void SetFilterText(Submenu& page, std::string text);

} // namespace Menu
