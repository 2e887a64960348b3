// Desktop keys turned into what the game hands the plug-in: F8, Shift and
// the F-keys, letters and digits the workbench keeps no use for as
// keyboard-handler events (a rebound menu key, a row's hotkey), the arrows, Enter and Backspace as the game's
// menu controls, one key for the controller chord and one to switch the input device.
#pragma once

#include "driver/InputSequences.h"
#include "tools/workbench/InputLog.h"

#include <SDL_keycode.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace workbench {

enum class KeyRole { None, PluginKey, Control, Chord, SwitchDevice, Screenshot, Record, Quit };

struct KeyBinding {
    KeyRole role = KeyRole::None;
    std::uint32_t code = 0; // virtual-key code or control hash
};

KeyBinding BindingFor(SDL_Keycode key);

// The help line shown under the picture.
inline constexpr const char* HelpLine = "F8 open/close   Shift fast steps   arrows move   Enter select   "
                                        "Backspace back   mouse point, click, wheel, right click back   "
                                        "G keyboard/controller   C controller chord   F12 screenshot   "
                                        "F9 record session   Esc quit   other F-keys, letters, digits: the "
                                        "plug-in's";

// Events wait in order for the frames that take them: a game control
// changes at most once a frame, so a quick tap (press and release between
// two frames) still shows one frame with the control down, and two taps
// are two moves, not one. Keys for the keyboard handler go through as they
// come, as the game's window calls it, unless a control before them waits.
class GameInput {
  public:
    // Every event handed over is also written to log, when there is one.
    explicit GameInput(driver::Runner& runner, InputLog* log = nullptr) : runner_(runner), log_(log) {}

    // A key event from the desktop; true when it is for the plug-in. A key
    // for the game switches the input device to the keyboard, as the game does.
    bool Key(const KeyBinding& binding, bool down, bool repeat);
    // A controller button (by the control table's name) or the left stick's
    // direction going down or up: every control bound to it, and the input
    // device switched to a controller.
    void Button(std::string_view name, bool down);
    // The mouse over the game picture: the cursor to (x, y), fractions of
    // the screen; a button going down or up (left: Select's click, right:
    // Back's); a notch of the wheel. Each is keyboard and mouse in use.
    void MoveCursor(float x, float y);
    void MouseButton(bool left, bool down);
    void Wheel(bool up);
    // The buttons pressed last, the newest last: "RB, A".
    std::string LastButtons() const;
    // Before each frame: hands over the events this frame can take.
    void Deliver();
    bool Waiting() const { return !queue_.empty(); }

  private:
    enum class Device { Unchanged, Switch, Keyboard, Gamepad };
    struct Event {
        Device device = Device::Unchanged; // or else the input event
        driver::InputEvent input;
    };
    void Queue(const driver::InputSequence& sequence);
    void Queue(Device device) { queue_.push_back({device, {}}); }

    driver::Runner& runner_;
    InputLog* log_;
    std::vector<Event> queue_;
    std::vector<std::string> recentButtons_;
};

} // namespace workbench
