// Game controls the menu reads besides Select and Back (menu/Prompts.h). The
// game's own bindings decide which key or button produces each.
#pragma once

#include <cstdint>

namespace Menu {

inline constexpr std::uint32_t UpControl = 0x911cb09e;
inline constexpr std::uint32_t DownControl = 0x4403f97f;
inline constexpr std::uint32_t LeftControl = 0xad7fcc5b;
inline constexpr std::uint32_t RightControl = 0x65f9ec5b;

// The controller chord that opens and closes the menu: the button released
// while the modifier is held.
inline constexpr std::uint32_t ChordModifierControl = 0x17bec168;
inline constexpr std::uint32_t ChordControl = 0x5181713d;

} // namespace Menu
