#include "sim/Game.h"

#include "host/GameControls.h"
#include "host/Natives.h"
#include "sim/NativeTable.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstring>
#include <type_traits>
#include <utility>

namespace sim {
namespace {

// A missing argument reads as 0 or "": the game does not check them either.
std::uint32_t Arg(const NativeCall& call, std::size_t i) {
    return i < call.args.size() ? static_cast<std::uint32_t>(call.args[i]) : 0;
}

std::int32_t IntArg(const NativeCall& call, std::size_t i) {
    return static_cast<std::int32_t>(Arg(call, i));
}

float FloatArg(const NativeCall& call, std::size_t i) {
    return std::bit_cast<float>(Arg(call, i));
}

const std::string& TextArg(const NativeCall& call, std::size_t i) {
    static const std::string none;
    return i < call.texts.size() ? call.texts[i] : none;
}

} // namespace

struct Game::Answers {
    using Answer = std::function<void(Game&, NativeCall&)>;

    // answer(game, call) applies the call's effects and returns its result, or nothing.
    template <typename Function> void Add(std::uint64_t native, Function answer) {
        byNative[native] = [answer](Game& game, NativeCall& call) {
            if constexpr (std::is_void_v<std::invoke_result_t<Function, Game&, NativeCall&>>) {
                answer(game, call);
            } else {
                call.result = answer(game, call);
            }
        };
    }

    // By area, each beside what it models.
    void AddPlayer();
    void AddClock();
    void AddAttributes();
    void AddHud();
    void AddInput();
    void AddPrompts();
    void AddGameStrings();
    void AddMouse();
    void AddKeyboard();

    static const Answers& All() {
        static const Answers all = [] {
            Answers answers;
            answers.AddPlayer();
            answers.AddClock();
            answers.AddAttributes();
            answers.AddHud();
            answers.AddInput();
            answers.AddPrompts();
            answers.AddGameStrings();
            answers.AddMouse();
            answers.AddKeyboard();
            return answers;
        }();
        return all;
    }

    std::unordered_map<std::uint64_t, Answer> byNative;
};

// Player and voice.

std::uint32_t HashName(const std::string& name) {
    std::uint32_t hash = 0;
    for (const char c : name) {
        hash += static_cast<std::uint32_t>(std::tolower(static_cast<unsigned char>(c)));
        hash += hash << 10;
        hash ^= hash >> 6;
    }
    hash += hash << 3;
    hash ^= hash >> 11;
    hash += hash << 15;
    return hash;
}

void Game::Answers::AddPlayer() {
    Add(native::GetPlayerCharacter, [](Game& game, NativeCall&) { return game.playerCharacter; });
    Add(native::SetNonVerbalVoiceByName,
        [](Game& game, NativeCall& call) { game.nonVerbalVoices[Arg(call, 0)] = TextArg(call, 1); });
    Add(native::HashOfName, [](Game&, NativeCall& call) { return HashName(TextArg(call, 0)); });
    Add(native::SetVoiceByHash,
        [](Game& game, NativeCall& call) { game.voices[Arg(call, 0)] = Arg(call, 1); });
}

// Clock.

void Game::Answers::AddClock() {
    Add(native::GetClockHours,
        [](Game& game, NativeCall&) { return static_cast<std::uint32_t>(game.clockHours); });
    // The game wraps what it is given onto a day.
    Add(native::SetClockTime, [](Game& game, NativeCall& call) {
        game.clockHours = (IntArg(call, 0) % 24 + 24) % 24;
        game.clockMinutes = (IntArg(call, 1) % 60 + 60) % 60;
        game.clockSeconds = (IntArg(call, 2) % 60 + 60) % 60;
    });
}

// Stamina and the attribute cores, the player's only: another ped or player
// reads 0 and changes nothing.

void Game::Answers::AddAttributes() {
    Add(native::PlayerId, [](Game& game, NativeCall&) { return game.player; });
    Add(native::RestorePlayerStamina, [](Game& game, NativeCall& call) {
        if (Arg(call, 0) == game.player) {
            game.playerStamina = std::clamp(game.playerStamina + FloatArg(call, 1), 0.0f, 100.0f);
        }
    });
    Add(native::GetAttributeCoreValue, [](Game& game, NativeCall& call) -> std::uint32_t {
        std::int32_t* core = game.AttributeCore(Arg(call, 0), IntArg(call, 1));
        return core != nullptr ? static_cast<std::uint32_t>(*core) : 0;
    });
    Add(native::SetAttributeCoreValue, [](Game& game, NativeCall& call) {
        if (std::int32_t* core = game.AttributeCore(Arg(call, 0), IntArg(call, 1))) {
            *core = std::clamp(IntArg(call, 2), 0, 100);
        }
    });
}

std::int32_t* Game::AttributeCore(std::uint32_t ped, std::int32_t core) {
    if (ped != playerCharacter || core < 0 || core >= 3) {
        return nullptr;
    }
    return &attributeCores[core];
}

// HUD.

void Game::Answers::AddHud() {
    Add(native::RadarDisplaySwitch,
        [](Game& game, NativeCall& call) { game.radarShown = Arg(call, 0) != 0; });
}

// Input: the queries take a control group first, then the control.

void Game::PressControl(std::uint32_t control) {
    if (held_.insert(control).second) {
        justPressed_.insert(control);
    }
}

void Game::ReleaseControl(std::uint32_t control) {
    if (held_.erase(control) != 0) {
        justReleased_.insert(control);
    }
}

void Game::Answers::AddInput() {
    Add(native::InputDeviceQuery, [](Game& game, NativeCall&) { return !game.gamepad; });
    Add(native::ControlPressedDisabledAware,
        [](Game& game, NativeCall& call) { return game.ControlHeld(Arg(call, 1)); });
    Add(native::ControlJustReleased, [](Game& game, NativeCall& call) {
        return game.justReleased_.count(Arg(call, 1)) != 0 && game.disabledControls.count(Arg(call, 1)) == 0;
    });
    Add(native::ControlJustPressed, [](Game& game, NativeCall& call) {
        return game.justPressed_.count(Arg(call, 1)) != 0 && game.disabledControls.count(Arg(call, 1)) == 0;
    });
    Add(native::ControlJustPressedDisabledAware,
        [](Game& game, NativeCall& call) { return game.justPressed_.count(Arg(call, 1)) != 0; });
    Add(native::DisableControl,
        [](Game& game, NativeCall& call) { game.disabledControls.insert(Arg(call, 1)); });
}

void Game::EndFrame() {
    justPressed_.clear();
    justReleased_.clear();
    disabledControls.clear();
    cursorShown = false;
    // A keyboard's end is answered in one frame; after it none is active.
    if (keyboardAnswered_) {
        keyboard.state = OnscreenKeyboard::State::Closed;
        keyboardAnswered_ = false;
    }
    // Game strings live for the frame that made them.
    gameStrings_.clear();
}

// Prompts.

Prompt* Game::FindPrompt(std::uint32_t handle) {
    const auto found = prompts.find(handle);
    return found != prompts.end() ? &found->second : nullptr;
}

bool Game::PromptActive(std::uint32_t handle) const {
    const auto found = prompts.find(handle);
    if (found == prompts.end()) {
        return false;
    }
    const Prompt& prompt = found->second;
    return prompt.forceActive.value_or(prompt.ended && prompt.visible && prompt.enabled);
}

// A standard-mode prompt completes when its control is released while it is active.
bool Game::PromptCompleted(std::uint32_t handle) const {
    const auto found = prompts.find(handle);
    if (found == prompts.end()) {
        return false;
    }
    const Prompt& prompt = found->second;
    return prompt.forcePressCompleted.value_or(PromptActive(handle) &&
                                               justReleased_.count(prompt.control) != 0);
}

void Game::Answers::AddPrompts() {
    // A setter changes the prompt its first argument names, if there is one.
    const auto set = [this](std::uint64_t native, void (*change)(Prompt&, const NativeCall&)) {
        Add(native, [change](Game& game, NativeCall& call) {
            if (Prompt* prompt = game.FindPrompt(Arg(call, 0))) {
                change(*prompt, call);
            }
        });
    };
    Add(native::PromptValid, [](Game& game, NativeCall& call) {
        const Prompt* prompt = game.FindPrompt(Arg(call, 0));
        return prompt != nullptr && prompt->forceValid.value_or(true);
    });
    Add(native::PromptActive, [](Game& game, NativeCall& call) { return game.PromptActive(Arg(call, 0)); });
    Add(native::PromptPressCompleted,
        [](Game& game, NativeCall& call) { return game.PromptCompleted(Arg(call, 0)); });
    Add(native::BeginPrompt, [](Game& game, NativeCall&) -> std::uint32_t {
        if (game.nextPromptHandle == 0) {
            return 0;
        }
        game.prompts[game.nextPromptHandle] = Prompt{};
        return game.nextPromptHandle++;
    });
    set(native::SetPromptControl,
        [](Prompt& prompt, const NativeCall& call) { prompt.control = Arg(call, 1); });
    set(native::SetPromptPriority,
        [](Prompt& prompt, const NativeCall& call) { prompt.priority = IntArg(call, 1); });
    set(native::SetPromptText,
        [](Prompt& prompt, const NativeCall& call) { prompt.text = TextArg(call, 1); });
    set(native::SetPromptStandardMode,
        [](Prompt& prompt, const NativeCall& call) { prompt.standardMode = IntArg(call, 1); });
    set(native::SetPromptAttribute,
        [](Prompt& prompt, const NativeCall& call) { prompt.attributes[IntArg(call, 1)] = IntArg(call, 2); });
    set(native::EndPrompt, [](Prompt& prompt, const NativeCall&) { prompt.ended = true; });
    set(native::SetPromptVisible,
        [](Prompt& prompt, const NativeCall& call) { prompt.visible = Arg(call, 1) != 0; });
    set(native::SetPromptEnabled,
        [](Prompt& prompt, const NativeCall& call) { prompt.enabled = Arg(call, 1) != 0; });
}

// Game strings: handles the game makes for texts, shown by their text when handed back.

void Game::Answers::AddGameStrings() {
    Add(native::MakeLiteralGameString, [](Game& game, NativeCall& call) {
        const std::uint64_t handle = game.nextGameString_++;
        game.gameStrings_[handle] = TextArg(call, 2);
        return handle;
    });
}

// The mouse: the cursor's position is a control's value, read even while disabled.

void Game::Answers::AddMouse() {
    Add(native::SetMouseCursorThisFrame, [](Game& game, NativeCall&) { game.cursorShown = true; });
    Add(native::DisabledControlNormal, [](Game& game, NativeCall& call) {
        const std::uint32_t control = Arg(call, 1);
        const float value = control == control::INPUT_CURSOR_X   ? game.cursorX
                            : control == control::INPUT_CURSOR_Y ? game.cursorY
                            : game.ControlHeld(control)          ? 1.0f
                                                                 : 0.0f;
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return bits;
    });
    Add(native::DisabledControlJustReleased,
        [](Game& game, NativeCall& call) { return game.justReleased_.count(Arg(call, 1)) != 0; });
}

// The on-screen keyboard.

namespace {

// Where the first `characters` UTF-8 characters of text end.
std::size_t CharactersEnd(const std::string& text, std::size_t characters) {
    std::size_t at = 0;
    for (; at < text.size(); ++at) {
        const bool continuation = (static_cast<unsigned char>(text[at]) & 0xc0) == 0x80;
        if (!continuation && characters-- == 0) {
            break;
        }
    }
    return at;
}

} // namespace

void OnscreenKeyboard::Type(const std::string& typed) {
    if (state == State::Editing) {
        text = typed.substr(0, CharactersEnd(typed, static_cast<std::size_t>(std::max(maxLength, 0))));
    }
}

void OnscreenKeyboard::Finish() {
    if (state == State::Editing) {
        state = State::Finished;
    }
}

void OnscreenKeyboard::Cancel() {
    if (state == State::Editing) {
        state = State::Cancelled;
    }
}

void Game::Answers::AddKeyboard() {
    Add(native::DisplayOnscreenKeyboard, [](Game& game, NativeCall& call) {
        OnscreenKeyboard& box = game.keyboard;
        box.state = OnscreenKeyboard::State::Editing;
        box.textType = IntArg(call, 0);
        box.title = TextArg(call, 1);
        box.defaultText = TextArg(call, 3);
        box.maxLength = IntArg(call, 7);
        box.text.clear();
        box.Type(box.defaultText);
    });
    Add(native::UpdateOnscreenKeyboard, [](Game& game, NativeCall&) -> std::uint32_t {
        switch (game.keyboard.state) {
        case OnscreenKeyboard::State::Editing:
            return 0;
        case OnscreenKeyboard::State::Finished:
            game.keyboardAnswered_ = true;
            return 1;
        case OnscreenKeyboard::State::Cancelled:
            game.keyboardAnswered_ = true;
            return 2;
        case OnscreenKeyboard::State::Closed:
            break;
        }
        return 3;
    });
    // Null unless the keyboard was answered finished in this frame.
    Add(native::OnscreenKeyboardResult, [](Game& game, NativeCall&) -> std::uint64_t {
        const OnscreenKeyboard& box = game.keyboard;
        if (!game.keyboardAnswered_ || box.state != OnscreenKeyboard::State::Finished || box.nullResult) {
            return 0;
        }
        game.keyboardResult_ = box.rawResult.value_or(box.text);
        return reinterpret_cast<std::uintptr_t>(game.keyboardResult_.c_str());
    });
}

std::uint64_t* Game::GlobalPtr(std::int32_t index) {
    return globalsMissing ? nullptr : &globals[index];
}

std::uint64_t Game::Answer(NativeCall& call) {
    if (call.info != nullptr) {
        for (std::size_t i = 0; i < call.args.size() && i < call.info->arguments.size(); ++i) {
            if (call.info->arguments[i] == 'g') {
                const auto found = gameStrings_.find(call.args[i]);
                if (found != gameStrings_.end()) {
                    call.texts[i] = found->second;
                }
            }
        }
    }

    call.result = 0;
    const Answers& answers = Answers::All();
    if (const auto found = answers.byNative.find(call.hash); found != answers.byNative.end()) {
        found->second(*this, call);
    }
    if (answerOverride) {
        if (const auto forced = answerOverride(call)) {
            call.result = *forced;
        }
    }
    return call.result;
}

} // namespace sim
