// What a frame did that a player would notice: the menu's sounds read as
// what they stand for, and a change of the player's voice.
#pragma once

#include "sim/Recorder.h"

#include <string>
#include <vector>

namespace preview {

struct FrameSummary {
    // In the order they happened: "menu opened", "moved down to 4 of 6",
    // "selected: voice VOFX_PLAYER_FEMALE01 applied", "menu closed", ...
    std::vector<std::string> events;
    std::string voice; // the voice applied in the frame, empty if none
};

FrameSummary SummariseFrame(const sim::Frame& frame);

} // namespace preview
