// The six voice rows of the main page.
#pragma once

namespace Menu {
struct Submenu;
}

// Adds one row per player voice, "Set voice: VOFX_PLAYER_..." in table order.
void AddVoiceOptions(Menu::Submenu* submenu);
