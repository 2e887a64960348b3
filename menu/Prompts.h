// The game's "Select" and "Back" control prompts, shown while the menu is open.
#pragma once

#include "host/MenuControls.h"

#include <cstdint>

// Makes a hidden, disabled prompt for control and stores its handle in handle.
void CreatePrompt(std::uint32_t& handle, const char* text, std::uint32_t control);

// Shows and enables both prompts while the menu is open, hides and disables them otherwise.
void UpdatePrompts();
