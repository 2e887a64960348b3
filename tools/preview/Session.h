// A session script: the player's inputs, frame by frame, and the frames to
// keep as pictures. One step a line; "#" starts a comment.
//
//   press KEY / release KEY   KEY: F8, Shift (keyboard keys) or up, down,
//                             left, right, select, back (the game's menu controls)
//   tap KEY                   press, one frame, release, one frame
//   chord                     the controller chord: hold the menu modifier and
//                             the chord button, one frame, release the button,
//                             one frame (the menu toggles), release the
//                             modifier, one frame
//   gamepad on / gamepad off  the input device the game reports (on: a
//                             controller, off: keyboard and mouse)
//   wait N                    run N frames (1 to 100000)
//   snapshot NAME             keep the last frame run as NAME.png
#pragma once

#include "driver/Runner.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace preview {

enum class StepKind { Press, Release, Tap, Chord, Gamepad, Wait, Snapshot };

// A key on the keyboard (through the hook's keyboard handler) or a game control.
struct Input {
    std::string name;
    bool isKey = false;
    std::uint32_t code = 0; // virtual-key code or control hash
};

struct SessionStep {
    StepKind kind = StepKind::Wait;
    int line = 0;
    std::string source; // the line as written, without its comment
    Input input;        // Press, Release, Tap
    bool on = false;    // Gamepad
    int frames = 0;     // Wait
    std::string name;   // Snapshot: letters, digits, ".", "_" and "-" only
};

class SessionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The inputs a session can name, case-insensitive.
const std::vector<Input>& SessionInputs();

// Throws SessionError naming the line of the first mistake.
std::vector<SessionStep> ParseSession(std::string_view script);
std::vector<SessionStep> LoadSession(const std::string& path);

struct SessionObserver {
    // Each step, before it is played.
    std::function<void(const SessionStep& step)> step;
    // Each frame run, with its number from 0 and the step that ran it.
    std::function<void(int number, const SessionStep& step, const sim::Frame& frame)> frame;
    // Each snapshot, with the last frame run and its number.
    std::function<void(const SessionStep& step, int number, const sim::Frame& frame)> snapshot;
};

// Plays the steps on a runner whose plug-in is loaded; returns the number of
// frames run. The host's record keeps only the frame being run, so a session
// of any length takes the memory of one frame.
int RunSession(const std::vector<SessionStep>& steps, sim::Runner& runner, const SessionObserver& observer);

} // namespace preview
