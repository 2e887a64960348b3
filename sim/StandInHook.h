// The stand-in for the script hook and the parts of Windows the plug-in uses:
// screen, game window, clock, registrations, and the native call layer that
// records every call and lets the simulated game answer it.
#pragma once

#include "host/GameWindow.h"
#include "host/ScriptHook.h"
#include "sim/Game.h"
#include "sim/Recorder.h"
#include "sim/ScriptFiber.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct Window {
    std::string title = GameWindowTitle;
    RECT rect = {0, 0, 1920, 1080};
};

class StandInHook {
  public:
    StandInHook();
    ~StandInHook();
    StandInHook(const StandInHook&) = delete;
    StandInHook& operator=(const StandInHook&) = delete;

    // The host the hook and Windows functions act on; at most one at a time.
    static StandInHook* Active();

    // Machine.
    int screenWidth = 1920;
    int screenHeight = 1080;
    std::optional<Window> window = Window{};
    // Read by GetTickCount on whatever thread delivers key events.
    std::atomic<std::uint32_t> tickCount{1000000};
    bool windowRectFails = false;
    int runtimeMemoryReleases = 0; // the plug-in giving back its runtime's memory at unload
    // The game's folder, where the plug-in's module lies under this name
    // (GetModuleFileNameA); empty: Windows cannot say, and nothing is kept.
    std::string gameFolder;
    std::string moduleFileName = "QuorvaneDevTools.asi";

    // Game and record.
    Game game;
    Recorder recorder;
    bool nullResults = false; // nativeCall answers with no result slot

    // What the plug-in registered.
    HINSTANCE scriptModule = nullptr;
    ScriptRoutine script = nullptr;
    KeyboardHandlerFunction keyboardHandler = nullptr;
    std::vector<std::string> hookLog; // registrations, in order

    // The registered routine: started fresh, resumed once per frame.
    void StartScript();
    void ResumeScript();
    void AbandonScript();
    ScriptFiber* Fiber() { return fiber_.get(); }

    // Hook functions.
    void Register(HINSTANCE module, ScriptRoutine routine);
    void Unregister(HINSTANCE module);
    void Wait(DWORD milliseconds);
    void RegisterKeyboardHandler(KeyboardHandlerFunction handler);
    void UnregisterKeyboardHandler(KeyboardHandlerFunction handler);
    void BeginNative(std::uint64_t hash);
    void PushArgument(std::uint64_t value);
    std::uint64_t* CallNative();
    std::uint64_t* GlobalPtr(int index);

  private:
    NativeCall pending_;
    std::array<std::uint64_t, 3> resultSlots_{}; // room for a vector result

    std::unique_ptr<ScriptFiber> fiber_;
};

} // namespace sim
