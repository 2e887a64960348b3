// What a player does to the plug-in, as sequences of events and frames: taps,
// the F8 toggle and the controller chord, written once for sessions,
// scenarios, tests and the workbench.
#pragma once

#include "driver/Runner.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace driver {

enum class InputKind {
    KeyDown,        // through the registered keyboard handler
    KeyRepeat,      // a held key, auto-repeated
    KeyUp,          //
    PressControl,   // the game's controls, seen by the next frame
    ReleaseControl, //
    NextFrame,      // one game frame runs
    MoveCursor,     // the mouse's cursor goes to (x, y)
};

struct InputEvent {
    InputKind kind = InputKind::NextFrame;
    std::uint32_t code = 0; // virtual-key code or control hash
    float x = 0.0f;         // MoveCursor: fractions of the screen, as the game reads them
    float y = 0.0f;
};

using InputSequence = std::vector<InputEvent>;

// The event that lets go of what a press (or a repeat) holds down.
InputEvent ReleaseOf(InputEvent press);

// Down for one frame, up for the next.
InputSequence Tap(InputEvent press);
InputSequence TapControl(std::uint32_t control);
InputSequence TapKey(std::uint32_t key);
// F8 goes down in one frame and comes up right before the next, so its
// release is read well inside its time window.
InputSequence ToggleWithF8();
// F8 pressed and released between two frames, with no frame run.
InputSequence QuickF8();
// Each control goes down and comes up again before one frame.
InputSequence QuickTap(std::initializer_list<std::uint32_t> controls);

// The controller chord: the chord button comes up while the menu modifier
// is held, then the modifier lets go. The plug-in reads it from the
// controller's group whatever the input device.
InputSequence ChordDown();
InputSequence ChordUp(); // a frame between the button and the modifier
InputSequence Chord();   // down, a frame, up, a frame

// The mouse: the cursor moved to (x, y), and a button's or the wheel's tap.
InputEvent MoveCursor(float x, float y);
InputSequence Click();
InputSequence RightClick();
InputSequence Wheel(bool up);

// Hands one event to the runner (a frame event runs the frame).
void Apply(Runner& runner, InputEvent event);
// Plays a sequence; each frame it runs is handed to frameRun.
void Play(Runner& runner, const InputSequence& sequence,
          const std::function<void(const sim::Frame&)>& frameRun = {});

} // namespace driver
