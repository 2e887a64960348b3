// A scenario: what the host and the game do around the plug-in, step by step.
// The same description drives the native stand-in and the real DLL under a
// Windows loader, so their records can be compared call for call.
#pragma once

#include "driver/InputSequences.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scenario {

enum class StepKind {
    Input,          // the player's input as the driver plays it: a key, a control or a frame
    UseGamepad,     // the input-device query answers "gamepad" from now on
    UseKeyboard,    // ... and "keyboard and mouse" again
    LoseGlobals,    // getGlobalPtr answers null from now on
    PassTime,       // milliseconds between two frames, real or simulated
    RestartScript,  // the host starts the registered routine from the beginning
    Unload,         // the host frees the plug-in
    Expect,         // a session's expectation about the last frame (value: its number)
    PointAtRow,     // a session's cursor onto a row of the last frame (value: its number)
    TypeText,       // the on-screen keyboard's box holds text
    FinishKeyboard, // the player finishes the on-screen keyboard
    CancelKeyboard, // ... or cancels it
    Answer,         // a session's answer, taught the game from now on (value: its number)
    RestartGame,    // the game ends (the plug-in freed) and starts again (loaded anew)
    ExpectSetting,  // a session's look at the settings file on disk (value: its number)
    WriteSetting,   // a session's edit of the settings file on disk (value: its number)
};

struct Step {
    StepKind kind = StepKind::Input;
    std::uint32_t value = 0;       // milliseconds or expectation
    driver::InputEvent input = {}; // Input: one game frame unless it says otherwise
    std::string text = {};         // TypeText
};

// The player's input, as steps both machines play.
Step Played(driver::InputEvent event);
std::vector<Step> Played(const driver::InputSequence& sequence);

enum class WindowKind {
    Exact,         // titled exactly as the plug-in looks for it
    OtherCase,     // the same title in other letter case
    TitleOffByOne, // a title that differs in one character
    Absent,        // no game window at all
};

struct WindowSetup {
    WindowKind kind = WindowKind::Exact;
    int outerWidth = 1920;
    int outerHeight = 1080;
};

// The title a window of this kind carries; Absent has none.
const char* WindowTitle(WindowKind kind);

// Both machines show the game on a screen of this size.
inline constexpr int ScreenWidth = 1920;
inline constexpr int ScreenHeight = 1080;

struct Scenario {
    std::string name;
    WindowSetup window;
    std::vector<Step> steps; // an Unload is added at the end when missing
};

const std::vector<Scenario>& AllScenarios();

} // namespace scenario
