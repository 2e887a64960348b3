// Desktop keys turned into what the game hands the plug-in: F8 and Shift as
// keyboard-handler events, the arrows, Enter and Backspace as the game's menu
// controls, one key for the controller chord and one to switch the input device.
#pragma once

#include "sim/Runner.h"

#include <SDL_keycode.h>

#include <cstdint>
#include <vector>

namespace workbench {

enum class KeyRole { None, PluginKey, Control, Chord, SwitchDevice, Screenshot, Quit };

struct KeyBinding {
    KeyRole role = KeyRole::None;
    std::uint32_t code = 0; // virtual-key code or control hash
};

KeyBinding BindingFor(SDL_Keycode key);

// The help line shown under the picture.
inline constexpr const char* HelpLine = "F8 open/close   Shift fast steps   arrows move   Enter select   "
                                        "Backspace back   G keyboard/controller   C controller chord   "
                                        "F12 screenshot   Esc quit";

class GameInput {
  public:
    explicit GameInput(sim::Runner& runner) : runner_(runner) {}

    // A key event between frames; true when the plug-in is told of it.
    bool Key(const KeyBinding& binding, bool down, bool repeat);
    // After each frame: releases held back so the frame before saw the press.
    void AfterFrame();

  private:
    struct Release {
        int frames = 0; // frames still to run before it applies
        std::uint32_t control = 0;
    };

    void ReleaseControl(std::uint32_t control, int afterFrames);

    sim::Runner& runner_;
    std::vector<std::uint32_t> pressedSinceFrame_;
    std::vector<Release> releases_;
};

} // namespace workbench
