// The settings file's state between frames (Menu::settings.frame): no mod
// reads or writes it.
#pragma once

#include "host/PluginKeys.h"
#include "host/SettingsFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Menu {

// A row that holds a hotkey (or could: a kept toggle a player may bind), in
// the order rows were registered: the first to hold a key keeps it.
struct HotkeyBinding {
    std::int32_t page = -1;  // the page's id
    std::int32_t row = -1;   // the row's index in its options
    std::uint32_t asked = 0; // Option::hotkey
    std::string savedAs;     // the row's, for its "[hotkeys]" line
    std::uint32_t key = 0;   // bound to; 0: none
};

struct SettingsFrameState {
    std::string path;           // the file; empty: Windows named no module, and nothing is written
    ::settings_file::File file; // as read, with every value kept since
    bool loaded = false;        // read, or found missing, at start-up
    bool unsaved = false;       // holds a value the file on disk does not
    bool triedWriting = false;
    std::uint32_t lastWriteAt = 0; // GetTickCount of the last write tried
    std::uint32_t menuKey = plugin_keys::Toggle;
    std::vector<std::string> restored; // the names read back into their rows since the load
    std::vector<HotkeyBinding> hotkeys;
    bool anyHotkey = false; // some binding has a key
    // While a hotkey's row runs: the row SelectedRow answers.
    bool hotkeyRunning = false;
    std::int32_t hotkeyPage = -1;
    std::int32_t hotkeyRowIndex = -1;
};

} // namespace Menu
