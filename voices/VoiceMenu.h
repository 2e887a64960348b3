// The main submenu: one row per player voice.
#pragma once

namespace Menu {
struct Submenu;
}

// Registers submenu 0, "Quorvane Dev Tools" / "Main Menu", with the six voice rows.
void InitializeMenu();

// The init callable of submenu 0.
void AddVoiceOptions(Menu::Submenu* submenu);
