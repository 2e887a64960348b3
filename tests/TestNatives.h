// Natives the tests call with a result of each kind: a float and a text from
// host/NativeList.h (the mouse's cursor, the on-screen keyboard's result), and
// two the tests make known to the stand-in themselves, made up (namespace
// TEST, hashes no game native has) for a vector result and an out-parameter,
// which no native the project knows the facts of has.
#pragma once

#include "host/Natives.h"
#include "sim/NativeTable.h"

#include <cstdint>

namespace test_natives {

inline constexpr std::uint64_t DisabledControlNormal = native::DisabledControlNormal;
inline constexpr std::uint64_t KeyboardResult = native::OnscreenKeyboardResult;
inline constexpr std::uint64_t Position = 0x7e57000000000001;
inline constexpr std::uint64_t GroundHeight = 0x7e57000000000002;

inline void AddToStandIn() {
    sim::AddNative({Position, "TEST::POSITION_OF", "h", 'v'});
    sim::AddNative({GroundHeight, "TEST::GROUND_HEIGHT_AT", "ffF", 'b'});
}

} // namespace test_natives
