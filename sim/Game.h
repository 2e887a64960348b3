// A small simulated game: enough state to answer every native the plug-in
// calls and to show what those calls did.
#pragma once

#include "sim/Recorder.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>

namespace sim {

// The game's 32-bit hash of a name (case-insensitive one-at-a-time hash).
std::uint32_t HashName(const std::string& name);

struct Prompt {
    std::uint32_t control = 0;
    std::int32_t priority = 0;
    std::string text;
    std::int32_t standardMode = 0;
    std::map<std::int32_t, std::int32_t> attributes;
    bool ended = false;
    bool visible = false;
    bool enabled = false;
    // Forced answers to the prompt queries, for tests; unset means "as the game would".
    std::optional<bool> forceValid;
    std::optional<bool> forceActive;
    std::optional<bool> forcePressCompleted;
};

// The game's on-screen keyboard: opened by the plug-in, typed into and
// finished or cancelled by the player.
struct OnscreenKeyboard {
    enum class State { Closed, Editing, Finished, Cancelled };
    State state = State::Closed;
    std::int32_t textType = 0;
    std::string title;
    std::string defaultText;
    std::int32_t maxLength = 0;
    std::string text; // what the box holds: the default, then what the player typed
    // Tests: the bytes the result hands over in place of text, as a game with
    // other limits might (no NUL inside); nullResult hands over none.
    std::optional<std::string> rawResult;
    bool nullResult = false;

    // The player's doing, each only while editing. The box takes at most
    // maxLength characters, as the game's does: more are cut off.
    void Type(const std::string& typed);
    void Finish();
    void Cancel();
};

class Game {
  public:
    // Controls: held state plus this frame's edges.
    void PressControl(std::uint32_t control);
    void ReleaseControl(std::uint32_t control);
    bool gamepad = false; // the input-device query answers "keyboard and mouse" while false

    // The mouse: where the cursor stands, as INPUT_CURSOR_X and _Y read it
    // (fractions of the screen), and whether the plug-in showed it this frame.
    float cursorX = 0.5f;
    float cursorY = 0.5f;
    bool cursorShown = false;

    OnscreenKeyboard keyboard;

    std::uint32_t playerCharacter = 0x2a;
    std::uint32_t player = 0x1;  // the player, as PLAYER::PLAYER_ID answers
    float playerStamina = 50.0f; // 0 to 100, raised by PLAYER::RESTORE_PLAYER_STAMINA
    // The player character's attribute cores, 0 to 100: health, stamina, dead eye.
    std::int32_t attributeCores[3] = {100, 60, 35};
    std::int32_t clockHours = 12; // the game's time of day
    std::int32_t clockMinutes = 0;
    std::int32_t clockSeconds = 0;
    std::uint32_t nextPromptHandle = 1; // 0 makes HUD::_UI_PROMPT_REGISTER_BEGIN fail
    std::map<std::uint32_t, Prompt> prompts;

    // Effects of the plug-in's calls.
    bool radarShown = true;
    std::unordered_map<std::int32_t, std::uint64_t> globals;
    bool globalsMissing = false;                          // getGlobalPtr answers null
    std::map<std::uint32_t, std::string> nonVerbalVoices; // character -> name
    std::map<std::uint32_t, std::uint32_t> voices;        // character -> voice hash
    std::set<std::uint32_t> disabledControls;             // this frame

    // When set, its answer replaces the game's for any call it returns a value
    // for. It may also answer in place, as for a native a test added
    // (sim::AddNative): a vector result, values written through out-parameters.
    std::function<std::optional<std::uint64_t>(NativeCall&)> answerOverride;

    // Applies a call's effects and sets its result, 0 for a native without an
    // answer; gives the result. Texts of game-string arguments are looked up so
    // the record shows them.
    std::uint64_t Answer(NativeCall& call);
    std::uint64_t* GlobalPtr(std::int32_t index);

    // Between frames: edges and per-frame state end.
    void EndFrame();

  private:
    // Each native's answer, registered beside the behaviour it models (sim/Game.cpp).
    struct Answers;

    bool ControlHeld(std::uint32_t control) const { return held_.count(control) != 0; }
    Prompt* FindPrompt(std::uint32_t handle);
    std::int32_t* AttributeCore(std::uint32_t ped, std::int32_t core);
    bool PromptActive(std::uint32_t handle) const;
    bool PromptCompleted(std::uint32_t handle) const;

    std::set<std::uint32_t> held_;
    std::set<std::uint32_t> justPressed_;
    std::set<std::uint32_t> justReleased_;
    bool keyboardAnswered_ = false;                     // finished or cancelled was answered this frame
    std::string keyboardResult_;                        // what the result hands over, kept for the frame
    std::uint64_t nextGameString_ = 0x5354520000000001; // "STR" plus a count
    std::unordered_map<std::uint64_t, std::string> gameStrings_;
};

} // namespace sim
