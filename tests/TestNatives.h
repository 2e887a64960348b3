// Natives the tests call that host/NativeList.h does not hold, made known to
// the stand-in by the tests themselves: two from the reference of the game's
// natives that no page calls yet, and two made up (namespace TEST, hashes no
// game native has) for a vector result and an out-parameter, which no native
// the project knows the facts of has.
#pragma once

#include "sim/NativeTable.h"

#include <cstdint>

namespace test_natives {

inline constexpr std::uint64_t DisabledControlNormal = 0x11e65974a982637c;
inline constexpr std::uint64_t KeyboardResult = 0xafb4cf58a4a292b1;
inline constexpr std::uint64_t Position = 0x7e57000000000001;
inline constexpr std::uint64_t GroundHeight = 0x7e57000000000002;

inline void AddToStandIn() {
    sim::AddNative({DisabledControlNormal, "PAD::GET_DISABLED_CONTROL_NORMAL", "ic", 'f'});
    sim::AddNative({KeyboardResult, "MISC::GET_ONSCREEN_KEYBOARD_RESULT", "", 't'});
    sim::AddNative({Position, "TEST::POSITION_OF", "h", 'v'});
    sim::AddNative({GroundHeight, "TEST::GROUND_HEIGHT_AT", "ffF", 'b'});
}

} // namespace test_natives
