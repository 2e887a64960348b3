// The loop of the live window: one script frame of the module per shown
// frame, desktop keys delivered as the game would, the module file watched
// and reloaded whenever it is replaced.
#pragma once

#include "driver/GameFolder.h"
#include "driver/Runner.h"
#include "tools/render/Picture.h"
#include "tools/render/PromptBoard.h"
#include "tools/render/ReadFrame.h"
#include "tools/render/Textures.h"
#include "tools/workbench/GameInput.h"
#include "tools/workbench/Gamepads.h"
#include "tools/workbench/InputLog.h"
#include "tools/workbench/LiveModule.h"
#include "tools/workbench/ModuleWatch.h"
#include "tools/workbench/Options.h"
#include "tools/workbench/Panel.h"
#include "tools/workbench/Replay.h"
#include "tools/workbench/Stats.h"
#include "tools/workbench/VirtualGamepad.h"
#include "tools/workbench/WindowTextures.h"

#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace workbench {

class Workbench {
  public:
    Workbench(const Options& options, SDL_Renderer* renderer);
    ~Workbench();

    // Runs until the window closes (or --frames is reached); the exit status.
    int Run();

  private:
    using Clock = std::chrono::steady_clock;

    void SetClock();
    void Load(bool first);
    // After a reload: the new module brought to where the menu was, or the log begun again.
    void KeepPlace(bool first);
    // Reloads a module replaced on disk once it is whole.
    void FollowModule();
    void HandleEvents();
    // The mouse on the game picture, as the game's cursor reads it.
    void HandleMouse(const SDL_Event& event);
    std::optional<std::pair<float, float>> OnPicture(int windowX, int windowY, bool clamp) const;
    // The game's on-screen keyboard: a text box in the window while it is open.
    void FollowKeyboard();
    // True when the event was the box's: text, a key down while it is open,
    // or the key up of one that went down into it.
    bool TypeInto(const SDL_Event& event);
    void EditBox(SDL_Keycode key);
    void SetTyped(const std::string& text);
    void RunFrame();
    void DrawPicture(const sim::Frame& frame, const render::Drawing& drawing);
    void Show();
    void Screenshot();
    void Record();
    void SetStatus(StatusKind kind, const std::string& text);

    const Options& options_;
    SDL_Renderer* renderer_;
    sim::StandInHook host_;
    driver::GameFolder gameFolder_;
    driver::Runner runner_;
    LiveModule live_;
    ModuleWatch watch_;
    InputLog log_;
    GameInput input_{runner_, &log_};
    Gamepads gamepads_{input_};
    std::optional<VirtualGamepad> virtualGamepad_;
    PanelContent content_;
    Stats stats_;
    WindowTextures textures_;
    render::LoadedLook look_;
    std::optional<render::Picture> picture_;
    render::PromptBoard prompts_;                   // what the module's prompts are, from its first frame on
    std::vector<render::ShownPrompt> promptsDrawn_; // the prompts the picture shows
    sim::Frame drawn_;                              // the calls of the frame the picture shows
    std::string overlaysDrawn_;                     // the cursor and keyboard the picture shows
    std::optional<std::string> typing_;             // while the game's keyboard is open: its box
    std::set<SDL_Keycode> typedKeys_;               // keys down into the box, not yet up
    bool pictureNew_ = false;                       // not yet on the window
    Clock::time_point start_ = Clock::now();
    Clock::time_point chromeDrawn_{};
    std::uint32_t clockBase_ = 0;
    bool quit_ = false;
    bool chromeDirty_ = true;
    bool screenshotAsked_ = false;
    int screenshots_ = 0;
    bool recordAsked_ = false;
    int recordings_ = 0;
    Place shownPlace_;                            // what the running module showed last
    std::optional<std::int64_t> reloadChangedNs_; // until the new module's first frame is shown
    std::optional<int> keyFrame_;                 // the frame a key awaits its effect from
    Clock::time_point secondStart_ = Clock::now();
    int secondFrames_ = 0;
};

} // namespace workbench
