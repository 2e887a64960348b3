// Playing a session: each step as the events it makes, and the steps played
// on a runner in the stand-in host. The scenario program turns the same
// events into its own steps, so a session plays alike natively and under Wine.
#pragma once

#include "driver/InputSequences.h"
#include "driver/Runner.h"
#include "session/Session.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>

namespace session {

enum class ActionKind {
    Input,       // a key event, a control change or a frame
    Gamepad,     // the input device the game reports
    PassTime,    // milliseconds between two frames
    LoseGlobals, // the script globals cannot be reached from now on
    Expect,      // check the last frame run
    Snapshot,    // keep the last frame run
    PointAtRow,  // the cursor onto a row of the last frame's page
    Type,        // the on-screen keyboard's box holds a text now
    FinishKeyboard,
    CancelKeyboard,
    Answer,        // the game answers a call so from now on
    RestartGame,   // the game ends and starts again in the same folder
    ExpectSetting, // check the settings file on disk
    WriteSetting,  // edit the settings file on disk
};

struct Action {
    ActionKind kind = ActionKind::Input;
    driver::InputEvent input;
    bool on = false;                      // Gamepad
    std::uint32_t milliseconds = 0;       // PassTime
    int row = 0;                          // PointAtRow, from 1
    std::string text = {};                // Type
    const TaughtAnswer* answer = nullptr; // Answer: the step's, valid while it is played
};

// Where the cursor goes to point at the step's row (from 1) of the page the
// frame shows; nothing when that row is not shown, and why.
std::optional<driver::InputEvent> PointAtRow(const SessionStep& step, const sim::Frame& last,
                                             std::string& why);
// The keyboard's steps acted out on the game.
void ActOnKeyboard(const Action& action, sim::Game& game);

// Turns steps into actions, in order. It remembers the keys held, so a
// press of a held key is an auto-repeat, as Windows reports it.
class ActionStream {
  public:
    void Expand(const SessionStep& step, const std::function<void(const Action&)>& act);

  private:
    driver::InputEvent Press(const Input& input);
    driver::InputEvent Release(const Input& input);

    std::set<std::uint32_t> keysDown_;
};

struct SessionObserver {
    // Each step, before it is played.
    std::function<void(const SessionStep& step)> step;
    // Each frame run, with its number from 0 and the step that ran it.
    std::function<void(int number, const SessionStep& step, const sim::Frame& frame)> frame;
    // Each snapshot, with the last frame run and its number.
    std::function<void(const SessionStep& step, int number, const sim::Frame& frame)> snapshot;
    // Each expectation: what the frame (or the settings file) showed instead,
    // or nothing when it held.
    std::function<void(const SessionStep& step, const std::optional<std::string>& shortfall)> expectation;
};

// Plays the steps on a runner whose plug-in is loaded; returns the number of
// frames run. The host's record keeps only the frame being run, so a session
// of any length takes the memory of one frame.
int RunSession(const std::vector<SessionStep>& steps, driver::Runner& runner,
               const SessionObserver& observer);

} // namespace session
