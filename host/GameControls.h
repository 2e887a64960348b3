// Hashes of the game's controls, by the game's own names; the list itself is
// host/ControlList.h.
#pragma once

#include <cstdint>

namespace control {

#define QDT_CONTROL(name, hash, key, otherKey, button) inline constexpr std::uint32_t name = hash;
#include "host/ControlList.h"
#undef QDT_CONTROL

} // namespace control

// The name 1.0 gave it, so pages written then still build.
namespace Control = control;
