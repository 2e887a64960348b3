// Hashes of the game's controls, by the game's own names; the list itself is
// host/ControlList.h.
#pragma once

#include <cstdint>

namespace Control {

#define QDT_CONTROL(name, hash, key, otherKey, button) inline constexpr std::uint32_t name = hash;
#include "host/ControlList.h"
#undef QDT_CONTROL

} // namespace Control
