#include "sim/Game.h"

#include "host/Natives.h"
#include "sim/NativeTable.h"

#include <cctype>

namespace sim {

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

void Game::EndFrame() {
    justPressed_.clear();
    justReleased_.clear();
    disabledControls.clear();
    // Game strings live for the frame that made them.
    gameStrings_.clear();
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

std::uint64_t* Game::GlobalPtr(std::int32_t index) {
    return globalsMissing ? nullptr : &globals[index];
}

std::uint64_t Game::Answer(NativeCall& call) {
    const auto arg = [&call](std::size_t i) -> std::uint64_t {
        return i < call.args.size() ? call.args[i] : 0;
    };
    const auto u32 = [&arg](std::size_t i) { return static_cast<std::uint32_t>(arg(i)); };
    const auto text = [&call](std::size_t i) -> const std::string& {
        static const std::string none;
        return i < call.texts.size() ? call.texts[i] : none;
    };
    const auto prompt = [this, &u32]() -> Prompt* {
        const auto found = prompts.find(u32(0));
        return found != prompts.end() ? &found->second : nullptr;
    };

    // Game strings handed back in are shown by their text.
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

    std::uint64_t result = 0;
    switch (call.hash) {
    case Native::GetPlayerCharacter:
        result = playerCharacter;
        break;
    case Native::SetNonVerbalVoiceByName:
        nonVerbalVoices[u32(0)] = text(1);
        break;
    case Native::HashOfName:
        result = HashName(text(0));
        break;
    case Native::SetVoiceByHash:
        voices[u32(0)] = u32(1);
        break;
    case Native::RadarDisplaySwitch:
        radarShown = u32(0) != 0;
        break;
    case Native::InputDeviceQuery:
        result = gamepad ? 0 : 1;
        break;
    case Native::ControlPressedDisabledAware:
        result = ControlHeld(u32(1));
        break;
    case Native::ControlJustReleased:
        result = justReleased_.count(u32(1)) != 0 && disabledControls.count(u32(1)) == 0;
        break;
    case Native::ControlJustPressed:
        result = justPressed_.count(u32(1)) != 0 && disabledControls.count(u32(1)) == 0;
        break;
    case Native::ControlJustPressedDisabledAware:
        result = justPressed_.count(u32(1)) != 0;
        break;
    case Native::DisableControl:
        disabledControls.insert(u32(1));
        break;
    case Native::PromptValid: {
        const Prompt* p = prompt();
        result = p != nullptr && p->forceValid.value_or(true);
        break;
    }
    case Native::PromptActive:
        result = PromptActive(u32(0));
        break;
    case Native::PromptPressCompleted:
        result = PromptCompleted(u32(0));
        break;
    case Native::BeginPrompt:
        if (nextPromptHandle != 0) {
            result = nextPromptHandle;
            prompts[nextPromptHandle++] = Prompt{};
        }
        break;
    case Native::SetPromptControl:
        if (Prompt* p = prompt()) {
            p->control = u32(1);
        }
        break;
    case Native::SetPromptPriority:
        if (Prompt* p = prompt()) {
            p->priority = static_cast<std::int32_t>(u32(1));
        }
        break;
    case Native::SetPromptText:
        if (Prompt* p = prompt()) {
            p->text = text(1);
        }
        break;
    case Native::SetPromptStandardMode:
        if (Prompt* p = prompt()) {
            p->standardMode = static_cast<std::int32_t>(u32(1));
        }
        break;
    case Native::SetPromptAttribute:
        if (Prompt* p = prompt()) {
            p->attributes[static_cast<std::int32_t>(u32(1))] = static_cast<std::int32_t>(u32(2));
        }
        break;
    case Native::EndPrompt:
        if (Prompt* p = prompt()) {
            p->ended = true;
        }
        break;
    case Native::SetPromptVisible:
        if (Prompt* p = prompt()) {
            p->visible = u32(1) != 0;
        }
        break;
    case Native::SetPromptEnabled:
        if (Prompt* p = prompt()) {
            p->enabled = u32(1) != 0;
        }
        break;
    case Native::GetClockHours:
        result = static_cast<std::uint32_t>(clockHours);
        break;
    case Native::MakeLiteralGameString:
        result = nextGameString_++;
        gameStrings_[result] = text(2);
        break;
    default:
        break;
    }

    if (answerOverride) {
        if (const auto forced = answerOverride(call)) {
            result = *forced;
        }
    }
    return result;
}

} // namespace sim
