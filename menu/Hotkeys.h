// Option::hotkey: keys that run a row as Select would, the menu open or
// closed. The frame's own.
#pragma once

#include "menu/Menu.h"

namespace Menu {

// Replaces the page's bindings with its rows' (in place: the first page
// registered keeps its turn), then binds every key again.
void CollectHotkeys(const Submenu& page);

// Gives each binding its key: a kept row's "[hotkeys]" line, else its
// row's; none for the menu key or a key an earlier binding holds.
void BindHotkeys();

// Runs the rows whose keys were released since the last frame; while the
// game's keyboard takes typing (run false), a letter typed is only dropped,
// so it does not run a row once the keyboard closes.
void RunHotkeys(bool run);

// While a hotkey's row runs: that row, for SelectedRow.
Option* HotkeyRow();

} // namespace Menu
