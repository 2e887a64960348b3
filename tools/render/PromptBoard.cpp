#include "tools/render/PromptBoard.h"

#include "host/Natives.h"
#include "sim/ControlTable.h"

#include <algorithm>

namespace render {

PromptBoard::Prompt& PromptBoard::Find(std::uint32_t handle) {
    auto found = std::find_if(prompts_.begin(), prompts_.end(),
                              [handle](const Prompt& prompt) { return prompt.handle == handle; });
    if (found == prompts_.end()) {
        prompts_.emplace_back().handle = handle;
        return prompts_.back();
    }
    return *found;
}

void PromptBoard::Read(const sim::Frame& frame) {
    for (const sim::NativeCall& call : frame) {
        // A record may be short: read only what was pushed.
        const bool handleAndValue = call.args.size() >= 2;
        if (call.Is(native::InputDeviceQuery)) {
            gamepad_ = call.result == 0; // the game answers whether keyboard and mouse are in use
        } else if (call.Is(native::BeginPrompt)) {
            const auto handle = static_cast<std::uint32_t>(call.result);
            Prompt& made = Find(handle); // a handle made again is a new prompt
            made = Prompt{};
            made.handle = handle;
        } else if (call.Is(native::SetPromptControl) && handleAndValue) {
            Find(call.U32(0)).control = call.U32(1);
        } else if (call.Is(native::SetPromptText) && handleAndValue && call.texts.size() >= 2) {
            Find(call.U32(0)).text = call.Text(1);
        } else if (call.Is(native::SetPromptVisible) && handleAndValue) {
            Find(call.U32(0)).visible = call.U32(1) != 0;
        } else if (call.Is(native::SetPromptEnabled) && handleAndValue) {
            Find(call.U32(0)).enabled = call.U32(1) != 0;
        }
    }
}

std::vector<ShownPrompt> PromptBoard::Shown() const {
    std::vector<ShownPrompt> shown;
    for (const Prompt& prompt : prompts_) {
        if (!prompt.visible || !prompt.enabled) {
            continue;
        }
        const sim::ControlInfo* control = sim::FindControl(prompt.control);
        std::string key = "?"; // a control the stand-in does not know
        if (control != nullptr) {
            key = std::string(gamepad_ ? control->button : control->keys[0]);
        }
        shown.push_back({prompt.text, key.empty() ? "?" : key});
    }
    return shown;
}

} // namespace render
