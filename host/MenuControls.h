// The game controls the menu reads, by what they do in it. The game's own
// bindings decide which key or button produces each. Named here, at the
// boundary, so that what drives the menu from outside (the driver, sessions,
// the workbench) names them as the menu does.
#pragma once

#include "host/GameControls.h"

#include <cstdint>

namespace Menu {

inline constexpr std::uint32_t UpControl = control::INPUT_GAME_MENU_UP;
inline constexpr std::uint32_t DownControl = control::INPUT_GAME_MENU_DOWN;
inline constexpr std::uint32_t LeftControl = control::INPUT_GAME_MENU_LEFT;
inline constexpr std::uint32_t RightControl = control::INPUT_GAME_MENU_RIGHT;
// Asked only while the shown page holds more rows than its window.
inline constexpr std::uint32_t PageUpControl = control::INPUT_FRONTEND_RT;
inline constexpr std::uint32_t PageDownControl = control::INPUT_FRONTEND_LT;

// Shown as the game's "Select" and "Back" prompts while the menu is open.
inline constexpr std::uint32_t SelectControl = control::INPUT_GAME_MENU_ACCEPT;
inline constexpr std::uint32_t BackControl = control::INPUT_GAME_MENU_CANCEL;

// The controller chord that opens and closes the menu: the button released
// while the modifier is held.
inline constexpr std::uint32_t ChordModifierControl = control::INPUT_FRONTEND_RB;
inline constexpr std::uint32_t ChordControl = control::INPUT_CONTEXT_A;

} // namespace Menu
