// What a frame did that a player would notice, in the menu's own words: the
// menu's sounds read against what the frame showed and what the frame before
// it showed (the page entered, the row reached, the list's new value, the
// toggle's new state), and a change of the player's voice.
#pragma once

#include "readback/MenuState.h"
#include "session/Session.h"
#include "sim/Recorder.h"

#include <optional>
#include <string>
#include <vector>

namespace render {

struct FrameEvents {
    // In the order they happened: "menu opened", "moved down to \"Row 4\", 4 of 6",
    // "entered \"Camp\" (depth 1)", "toggle \"Show hints\" on", "stepped \"Hour\" to 13",
    // "refused \"Buy horse\" (disabled)", "menu closed", ...
    std::vector<std::string> events;
    std::string voice; // the voice applied in the frame, empty if none
    // The session step the events are credited to (SessionSummary), if any.
    const session::SessionStep* cause = nullptr;
};

// The events of one frame. before: what the frame before showed, when known;
// depth: pages entered and not yet left since the menu's first page, when
// known, counted on by entering and going back.
std::vector<std::string> TellEvents(const readback::MenuState* before, const readback::MenuState& now,
                                    const std::string& voice, std::optional<int>& depth);

// The voice a frame set, by the name it hashed; "(unnamed)" without one; empty if none.
std::string AppliedVoice(const sim::Frame& frame);

// Tells a session's frames in order, each against what showed before the
// menu's tick that made it, and credits its events to the step whose frame
// began that tick: an action that waits with scriptWait finishes in a later
// frame, which another step runs. A tap or chord runs its own frames; a wait
// runs them for the press or release before it. The plug-in starts on its
// first page, so the depth is known from the start.
class SessionSummary {
  public:
    // Each step, before it is played.
    void Saw(const session::SessionStep& step);
    // running: the step that ran the frame.
    FrameEvents Next(const sim::Frame& frame, const session::SessionStep* running = nullptr);

  private:
    std::optional<readback::MenuState> shown_;      // by the last frame
    std::optional<readback::MenuState> beforeTick_; // before the frame that began the tick
    std::optional<int> depth_ = 0;
    const session::SessionStep* lastInput_ = nullptr;
    const session::SessionStep* tickCause_ = nullptr;
    bool started_ = false;
};

// One frame on its own: nothing known of the frame before it.
FrameEvents SummariseFrame(const sim::Frame& frame);

} // namespace render
