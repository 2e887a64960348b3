// Drives a plug-in the way the game and the hook do: load, start the script,
// one resume per frame, key events between frames, unload.
#pragma once

#include "driver/Plugin.h"
#include "sim/StandInHook.h"

#include <cstdint>
#include <optional>

namespace driver {

class Runner {
  public:
    explicit Runner(sim::StandInHook& host, std::uint32_t frameMilliseconds = 16);

    // Attaches the plug-in (it registers its routine and handler) and starts the routine.
    void Load(Plugin plugin);
    // Starts the registered routine again from the beginning, as a script reload does.
    void RestartScript();
    // One game frame: the routine runs until it waits; then the clock moves on.
    const sim::Frame& RunFrame();
    void RunFrames(int count);
    // Unloads the plug-in; its routine is not resumed again.
    void Unload(Detach how = Detach::Freed);
    // The game ends and starts again: the plug-in unloaded as at the game's
    // exit (its process ending), the game fresh (the answers it was taught kept), the plug-in
    // loaded anew and its routine started.
    void RestartGame();
    // The game as a fresh start finds it; what it was taught to answer stays.
    void FreshGame();

    // Key events through the registered handler, stamped with the current clock.
    void KeyDown(std::uint32_t key, bool repeat = false);
    void KeyUp(std::uint32_t key);
    void Advance(std::uint32_t milliseconds) { host_.tickCount += milliseconds; }

    sim::StandInHook& host() { return host_; }
    Plugin* plugin() { return plugin_ ? &*plugin_ : nullptr; }

  private:
    sim::StandInHook& host_;
    std::uint32_t frameMilliseconds_;
    std::optional<Plugin> plugin_;
};

} // namespace driver
