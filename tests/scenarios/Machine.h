// The parts of a scenario that the machine provides: the screen and the game
// window, the passing of time and the loader's view of the plug-in. The native
// build stands them in through sim::StandInHook; under Windows (or Wine) they are real.
#pragma once

#include "driver/GameFolder.h"
#include "sim/StandInHook.h"
#include "tests/scenarios/Scenario.h"

#include <cstdint>
#include <string>

namespace scenario {

// Once per process, before any scenario runs.
void PrepareProcess();

// Where the plug-in lies when no path is given.
std::string DefaultPluginPath();

// The game window a scenario asks for, from construction until destruction.
// Made before the plug-in loads, so the script routine can find it.
class GameWindow {
  public:
    GameWindow(sim::StandInHook& host, const WindowSetup& setup);
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

  private:
    void* handle_ = nullptr;
};

// What happens on the machine between two frames (a real window takes its messages).
void BetweenFrames();

// Lets milliseconds pass on the machine's clock.
void PassTime(sim::StandInHook& host, std::uint32_t milliseconds);

// The plug-in put in the game folder the way this machine's loader finds it
// there; gives the path to load.
std::string PlacePlugin(sim::StandInHook& host, const driver::GameFolder& folder,
                        const std::string& pluginPath);

// Whether the library at path is still mapped into the process.
bool ModuleMapped(const std::string& path);

} // namespace scenario
