// The control group every control query and suppression names.
#pragma once

#include <cstdint>

namespace Menu {

inline constexpr std::uint32_t KeyboardGroup = 0;
inline constexpr std::uint32_t GamepadGroup = 2;

} // namespace Menu
