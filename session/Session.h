// A session script: the player's inputs, frame by frame, what the game does
// around them, what the last frame must show, and the frames to keep as
// pictures. One step a line; "#" starts a comment (outside quotes).
//
//   press KEY / release KEY   KEY: F8, Shift or any key a player names (F1 to
//                             F12, A to Z, 0 to 9, 0x01 to 0xFE), through the
//                             keyboard handler; or up, down, left, right,
//                             select, back, page-up, page-down (the game's
//                             menu controls); a press of a held key repeats
//   repeat KEY                an auto-repeated key down (keys only)
//   tap KEY [N]               press, one frame, release, one frame; N times
//                             (1 to 1000) with a count
//   chord                     the controller chord: hold the menu modifier and
//                             the chord button, one frame, release the button,
//                             one frame (the menu toggles), release the
//                             modifier, one frame
//   gamepad on / gamepad off  the input device the game reports (on: a
//                             controller, off: keyboard and mouse)
//   wait N                    run N frames (1 to 100000)
//   pass N ms                 N milliseconds go by before the next frame (1 to 60000)
//   globals lost              the game's script globals cannot be reached from now on
//   point at row N            the mouse's cursor onto row N of the page shown
//                             (counted from 1, as the counter counts)
//   point at X Y              the cursor to (X, Y), fractions of the screen
//   click / right click [N]   the left or right mouse button, tapped (N times)
//   wheel up / wheel down [N] one notch of the mouse wheel (N notches)
//                             (the mouse buttons and wheel are also keys for
//                             press, release and tap: mouse-left, mouse-right,
//                             wheel-up, wheel-down)
//   type "TEXT"               the game's on-screen keyboard now holds TEXT
//   keyboard done             the player finishes the keyboard
//   keyboard cancel           the player cancels it
//   expect ...                the last frame run must show this (session/Expectation.h)
//   answer NATIVE(ARGS) -> V  from now on the game answers such a call with V
//                             (session/Answers.h)
//   snapshot NAME             keep the last frame run as NAME.png
//   restart                   the game ends and starts again in the same
//                             folder: the plug-in unloaded and loaded anew,
//                             the game fresh, the script started
//   expect setting "S.N" "V"  the settings file on disk holds V for N under [S]
//   write setting "S.N" "V"   edits the settings file on disk, as a player does
//                             in Notepad; the plug-in reads it at its next start
#pragma once

#include "session/Answers.h"
#include "session/Expectation.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace session {

enum class StepKind {
    Press,
    Release,
    Repeat,
    Tap,
    Chord,
    Gamepad,
    Wait,
    Pass,
    LoseGlobals,
    Expect,
    Snapshot,
    PointAt,
    PointAtRow,
    Type,
    KeyboardDone,
    KeyboardCancel,
    Answer,
    Restart,
    ExpectSetting,
    WriteSetting
};

// A key on the keyboard (through the hook's keyboard handler) or a game control.
struct Input {
    std::string name;
    bool isKey = false;
    std::uint32_t code = 0; // virtual-key code or control hash
};

struct SessionStep {
    StepKind kind = StepKind::Wait;
    int line = 0;
    std::string source;             // the line as written, without its comment
    Input input;                    // Press, Release, Repeat, Tap
    int times = 1;                  // Tap: how many, one after the other
    bool on = false;                // Gamepad
    int frames = 0;                 // Wait
    std::uint32_t milliseconds = 0; // Pass
    Expectation expectation;        // Expect
    std::string name;               // Snapshot: letters, digits, ".", "_" and "-" only
    float x = 0.0f;                 // PointAt
    float y = 0.0f;                 //
    int row = 0;                    // PointAtRow, from 1
    std::string text = {};          // Type; ExpectSetting, WriteSetting: the value
    std::string setting = {};       // ExpectSetting, WriteSetting: "section.name"
    TaughtAnswer answer = {};       // Answer
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
// A file of answer lines only (comments and blank lines besides), which hold
// from a session's start: the Answer steps to play before it.
std::vector<SessionStep> LoadAnswers(const std::string& path);

} // namespace session
