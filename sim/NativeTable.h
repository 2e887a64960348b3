// What the stand-in knows of each native (host/NativeList.h): its name and
// the kinds of its arguments and result, so that a record can be read and
// printed.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace sim {

// Argument and result kinds, one character each:
//   i  32-bit signed integer     u  32-bit name hash (hex)
//   h  32-bit handle             c  32-bit control hash (the game's name, or hex)
//   b  boolean                   f  32-bit float
//   t  text (location of a NUL-terminated string)
//   g  64-bit game string        -  no result
struct NativeInfo {
    std::uint64_t hash;
    std::string_view label;
    std::string_view arguments;
    char result;
};

// Every native in the list's order.
std::span<const NativeInfo> Natives();

// The entry for hash, or nullptr for a native the stand-in does not know.
const NativeInfo* FindNative(std::uint64_t hash);

} // namespace sim
