// The game's "Select" and "Back" control prompts, shown while the menu is open.
#pragma once

#include "host/GameControls.h"

#include <cstdint>

namespace Menu {

inline constexpr std::uint32_t SelectControl = Control::INPUT_GAME_MENU_ACCEPT;
inline constexpr std::uint32_t BackControl = Control::INPUT_GAME_MENU_CANCEL;

} // namespace Menu

// Makes a hidden, disabled prompt for control and stores its handle in handle.
void CreatePrompt(std::uint32_t& handle, const char* text, std::uint32_t control);

// Shows and enables both prompts while the menu is open, hides and disables them otherwise.
void UpdatePrompts();
