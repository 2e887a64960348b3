// The keyboard keys the plug-in reads, as Windows virtual-key codes. The
// plug-in, the stand-in's tools and the tests all name them from here.
#pragma once

#include <cstdint>

namespace PluginKeys {

inline constexpr std::uint32_t Toggle = 0x77;   // F8: opens and closes the menu
inline constexpr std::uint32_t FastStep = 0x10; // Shift: held, up and down step ten rows at a time

} // namespace PluginKeys
