// The example module's pages: one row of each kind, reached from the main
// page by a link, and from there a camp, the player's cores and a stable.
#pragma once

#include <cstdint>

namespace Menu {
struct Submenu;
}

// Above the main page (0), so Back returns there instead of closing the menu.
inline constexpr std::int32_t ExamplePageId = 1;
inline constexpr std::int32_t ExampleSecondPageId = 2;
inline constexpr std::int32_t CampPageId = 3;
inline constexpr std::int32_t CoresPageId = 4;
inline constexpr std::int32_t HorsesPageId = 5;

// Registers the example page and every page it leads to, with their work
// for every frame and the menu's events.
void RegisterExamplePages();

// The camp (examples/Camp.cpp), the cores (examples/Cores.cpp) and the
// stable's 2,000 horses (examples/Horses.cpp).
void RegisterCampPage();
void RegisterCoresPage();
void RegisterHorsesPage();
