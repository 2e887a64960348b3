// The game's control prompts as a player sees them. A prompt is made once
// (its text and control) and shown or hidden in later frames, so what each
// one is has to be kept from the frame that made it.
#pragma once

#include "sim/Recorder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace render {

struct ShownPrompt {
    std::string text; // "Select"
    std::string key;  // the control's default key, "Enter", or its controller button, "A"

    friend bool operator==(const ShownPrompt&, const ShownPrompt&) = default;
};

class PromptBoard {
  public:
    // Takes in a frame's prompt calls and the input device the game reported in it.
    void Read(const sim::Frame& frame);

    // The prompts the game shows now (visible and enabled), in the order they
    // were made, each with the key or button of the input device in use.
    std::vector<ShownPrompt> Shown() const;

  private:
    struct Prompt {
        std::uint32_t handle = 0;
        std::string text;
        std::uint32_t control = 0;
        bool visible = false;
        bool enabled = false;
    };
    Prompt& Find(std::uint32_t handle);

    std::vector<Prompt> prompts_;
    bool gamepad_ = false;
};

} // namespace render
