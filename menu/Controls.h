// Game controls the menu reads besides Select and Back (menu/Prompts.h). The
// game's own bindings decide which key or button produces each.
#pragma once

#include "host/GameControls.h"

#include <cstdint>

namespace Menu {

inline constexpr std::uint32_t UpControl = Control::INPUT_GAME_MENU_UP;
inline constexpr std::uint32_t DownControl = Control::INPUT_GAME_MENU_DOWN;
inline constexpr std::uint32_t LeftControl = Control::INPUT_GAME_MENU_LEFT;
inline constexpr std::uint32_t RightControl = Control::INPUT_GAME_MENU_RIGHT;

// The controller chord that opens and closes the menu: the button released
// while the modifier is held.
inline constexpr std::uint32_t ChordModifierControl = Control::INPUT_FRONTEND_RB;
inline constexpr std::uint32_t ChordControl = Control::INPUT_CONTEXT_A;

} // namespace Menu
