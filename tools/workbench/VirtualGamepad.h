// SDL's virtual controller, played from lines on standard input: for tests
// under a virtual display, and for trying the controller path without one.
// Lines: "plug", "unplug", "press BUTTON", "release BUTTON", "axis AXIS VALUE",
// with SDL's names (a, b, rightshoulder, dpdown, leftx, lefty, ...).
#pragma once

#include <SDL.h>

#include <deque>
#include <memory>
#include <mutex>
#include <string>

namespace workbench {

class VirtualGamepad {
  public:
    VirtualGamepad();
    ~VirtualGamepad();
    VirtualGamepad(const VirtualGamepad&) = delete;
    VirtualGamepad& operator=(const VirtualGamepad&) = delete;

    // On the loop's thread, before its events are read: plays the next line come, if any.
    void Play();

  private:
    struct Lines {
        std::mutex mutex;
        std::deque<std::string> waiting;
    };
    void Plug();
    void Unplug();
    void Run(const std::string& line);

    // Shared with the reader, which may outlive this, blocked on a read.
    std::shared_ptr<Lines> lines_ = std::make_shared<Lines>();
    SDL_Joystick* joystick_ = nullptr;
};

} // namespace workbench
