// The game's controls (host/ControlList.h) with their names and default
// bindings, for records and for tools that map keys and buttons to controls.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace sim {

struct ControlInfo {
    std::uint32_t hash;
    std::string_view name;                // the game's, e.g. INPUT_GAME_MENU_ACCEPT
    std::array<std::string_view, 2> keys; // keyboard defaults; "" where there is none
    std::string_view button;              // controller default, or ""
};

// Every control in the list's order.
std::span<const ControlInfo> Controls();

// The entry for a hash or the game's name, or nullptr for one the stand-in does not know.
const ControlInfo* FindControl(std::uint32_t hash);
const ControlInfo* FindControl(std::string_view name);

} // namespace sim
