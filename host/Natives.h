// Hashes of the game natives the plug-in calls, by what they do; the list
// itself is host/NativeList.h.
#pragma once

#include <cstdint>

namespace native {

#define QDT_NATIVE(constant, hash, name, arguments, result) inline constexpr std::uint64_t constant = hash;
#include "host/NativeList.h"
#undef QDT_NATIVE

} // namespace native

// The name 1.0 gave it, so pages written then still build.
namespace Native = native;
