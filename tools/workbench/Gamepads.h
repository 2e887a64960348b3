// The controllers plugged in, opened as SDL announces them (at the start and
// while running) and closed when pulled out; their buttons and left stick
// go to the game input as the game's controller controls.
#pragma once

#include "tools/workbench/GameInput.h"

#include <SDL.h>

#include <string>
#include <string_view>
#include <vector>

namespace workbench {

class Gamepads {
  public:
    explicit Gamepads(GameInput& input) : input_(input) {}
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // True when the event was a controller's; changes print a line.
    bool Handle(const SDL_Event& event);
    // The controller used or plugged in last, or "" with none.
    const std::string& Name() const { return name_; }

  private:
    struct Pad {
        SDL_GameController* controller = nullptr;
        SDL_JoystickID id = -1;
        std::string name;
        std::vector<std::string_view> held; // buttons and stick directions down
        std::string_view stickX;
        std::string_view stickY;
    };
    Pad* Find(SDL_JoystickID id);
    void Press(Pad& pad, std::string_view button, bool down);
    void Added(int deviceIndex);
    void Removed(SDL_JoystickID id);

    GameInput& input_;
    std::vector<Pad> pads_;
    std::string name_;
};

} // namespace workbench
