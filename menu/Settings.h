// Kept settings (Menu::settings): rows' values read back from the settings
// file and written to it, the menu key, and the file's writes. The frame's
// own; a mod sets Menu::settings.enabled and Option::savedAs only.
#pragma once

#include "menu/Menu.h"

#include <string>

namespace Menu {

// Throws std::invalid_argument for a row whose savedAs or hotkey its kind
// cannot keep, or whose name no line could hold.
void CheckKeptRow(const Option& row);

// A page built (registered or rebuilt), before it takes its registry entry:
// its kept rows read back (each name once a load) and its hotkeys bound.
void TakeKeptRows(Submenu& page);

// Start-up, with settings enabled: reads the file at path (empty: Windows
// named no module, so nothing is read or written), then every page
// registered so far reads its kept rows back.
void LoadSettings(std::string path);

// After the menu changed a row's value: a kept row's line takes it.
void KeepRowValue(const Option& row) noexcept;

// Writes what is not yet on disk: while values change at most once a
// second; `now` (the menu closes, the plug-in is unloaded) whenever.
void WriteSettings(bool now) noexcept;

} // namespace Menu
