// The game's "Select" and "Back" control prompts, shown while the menu is open.
#pragma once

#include <cstdint>

namespace Menu {

inline constexpr std::uint32_t SelectControl = 0x43dbf61f;
inline constexpr std::uint32_t BackControl = 0x308588e6;

} // namespace Menu

// Makes a hidden, disabled prompt for control and stores its handle in handle.
void CreatePrompt(std::uint32_t& handle, const char* text, std::uint32_t control);

// Shows and enables both prompts while the menu is open, hides and disables them otherwise.
void UpdatePrompts();
