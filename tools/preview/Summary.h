// What a frame did that a player would notice, in the menu's own words: the
// menu's sounds read against what the frame showed and what the frame before
// it showed (the page entered, the row reached, the list's new value, the
// toggle's new state), and a change of the player's voice.
#pragma once

#include "readback/MenuState.h"
#include "sim/Recorder.h"

#include <optional>
#include <string>
#include <vector>

namespace preview {

struct FrameSummary {
    // In the order they happened: "menu opened", "moved down to \"Row 4\", 4 of 6",
    // "entered \"Camp\" (depth 1)", "toggle \"Show hints\" on", "menu closed", ...
    std::vector<std::string> events;
    std::string voice; // the voice applied in the frame, empty if none
};

// The events of one frame. before: what the frame before showed, when known;
// depth: pages entered and not yet left since the menu's first page, when
// known, counted on by entering and going back.
std::vector<std::string> TellEvents(const readback::MenuState* before, const readback::MenuState& now,
                                    const std::string& voice, std::optional<int>& depth);

// The voice a frame set, by the name it hashed; "(unnamed)" without one; empty if none.
std::string AppliedVoice(const sim::Frame& frame);

// Tells a session's frames in order, each against the one before it. The
// plug-in starts on its first page, so the depth is known from the start.
class SessionSummary {
  public:
    FrameSummary Next(const sim::Frame& frame);

  private:
    std::optional<readback::MenuState> shown_;
    std::optional<int> depth_ = 0;
};

// One frame on its own: nothing known of the frame before it.
FrameSummary SummariseFrame(const sim::Frame& frame);

} // namespace preview
