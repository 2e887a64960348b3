// What the stand-in knows of each native (host/NativeList.h): its public name
// and the kinds of its arguments and result, so that a record can be read and
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
//   t  text (location of a NUL-terminated string); as a result, a text or null
//   g  64-bit game string        -  no result
//   v  vector: three floats, each in its own 8-byte slot (results only)
//   I U H B F  the location of one of i u h b f: an out-parameter the game
//              writes through, recorded by what it holds after the call
inline constexpr std::string_view ArgumentKinds = "iuhcbftgIUHBF";
inline constexpr std::string_view ResultKinds = "iuhcbftgv-";

// The kind an out-parameter's target has ('F' -> 'f'), or 0 for another kind.
constexpr char PointeeKind(char kind) {
    return kind >= 'A' && kind <= 'Z' ? static_cast<char>(kind - 'A' + 'a') : '\0';
}

struct NativeInfo {
    std::uint64_t hash;
    std::string_view name; // NAMESPACE::NAME
    std::string_view arguments;
    char result;
};

// Every native in the list's order.
std::span<const NativeInfo> Natives();

// The entry for hash, or nullptr for a native the stand-in does not know.
const NativeInfo* FindNative(std::uint64_t hash);

// The native a person names as the reference does, NAMESPACE::NAME or NAME
// alone (when no two namespaces share it), case as written there; nullptr for
// another name.
const NativeInfo* FindNativeNamed(std::string_view name);

// The known public name nearest to name, by edit distance ignoring case: the
// name meant by a mistyped one.
std::string_view NearestNativeName(std::string_view name);

// Makes a native the list does not hold known to the stand-in, for a test that
// calls it; a hash already known keeps its entry. The texts must outlive the
// process (literals). Natives() stays the list's.
void AddNative(const NativeInfo& info);

} // namespace sim
