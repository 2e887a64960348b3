// A page with one row of each kind, reached from the main page by a link.
#pragma once

#include <cstdint>

namespace Menu {
struct Submenu;
}

// Above the main page (0), so Back returns there instead of closing the menu.
inline constexpr std::int32_t ExamplePageId = 1;
inline constexpr std::int32_t ExampleSecondPageId = 2;

// Registers the example page and the page its link opens.
void RegisterExamplePages();
