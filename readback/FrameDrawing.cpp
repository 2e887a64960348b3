#include "readback/FrameDrawing.h"

#include "host/Natives.h"

#include <algorithm>
#include <utility>

namespace readback {
namespace {

constexpr std::size_t DrawSpriteArguments = 12;
constexpr std::size_t DisplayTextArguments = 3;
constexpr std::size_t SetTextColourArguments = 4;
constexpr std::size_t MakeStringArguments = 3;
constexpr std::size_t PromptStateArguments = 2;

Colour ColourAt(const sim::NativeCall& call, std::size_t first) {
    return Colour{call.Int(first), call.Int(first + 1), call.Int(first + 2), call.Int(first + 3)};
}

// A record may come from a tampered or foreign run: never read past what was pushed.
bool Readable(const sim::NativeCall& call, std::size_t arguments) {
    return call.args.size() >= arguments && call.texts.size() >= call.args.size();
}

class FrameReader {
  public:
    FrameReader(const sim::Frame& frame, Reading reading)
        : frame_(frame), strict_(reading == Reading::Strict) {}

    Drawing Read() {
        for (at_ = 0; at_ < frame_.size(); ++at_) {
            const sim::NativeCall& call = frame_[at_];
            if (call.Is(native::DrawSprite)) {
                ReadSprite(call);
            } else if (call.Is(native::PrepareSpriteDraw)) {
                Check(Next().Is(native::DrawSprite),
                      "GRAPHICS::SET_SCRIPT_GFX_DRAW_ORDER without a sprite after it");
            } else if (call.Is(native::SetTextColour)) {
                ReadColour(call);
            } else if (call.Is(native::MakeLiteralGameString)) {
                ReadMake(call);
            } else if (call.Is(native::DisplayText)) {
                ReadText(call);
            } else if (call.Is(native::RadarDisplaySwitch)) {
                drawing_.order += 'r';
            } else if (call.Is(native::SetPromptVisible) || call.Is(native::SetPromptEnabled)) {
                ReadPrompt(call);
            }
        }
        return std::move(drawing_);
    }

  private:
    const sim::NativeCall& Previous() const { return at_ > 0 ? frame_[at_ - 1] : none_; }
    const sim::NativeCall& Next() const { return at_ + 1 < frame_.size() ? frame_[at_ + 1] : none_; }

    void Check(bool holds, const char* fault) {
        if (strict_ && !holds) {
            drawing_.faults.push_back("call " + std::to_string(at_) + ": " + fault);
        }
    }

    // Only a draw call that cannot be read counts: it is what goes missing from the picture.
    bool Unreadable(const sim::NativeCall& call, std::size_t arguments, bool draws = true) {
        if (Readable(call, arguments)) {
            return false;
        }
        drawing_.unreadable += draws ? 1 : 0;
        Check(false, "a drawing call without the arguments it needs");
        return true;
    }

    void ReadSprite(const sim::NativeCall& call) {
        const sim::NativeCall& prepare = Previous();
        Check(prepare.Is(native::PrepareSpriteDraw) && prepare.args.size() == 1 && prepare.args[0] == 0,
              "sprite without GRAPHICS::SET_SCRIPT_GFX_DRAW_ORDER(0) right before it");
        if (Unreadable(call, DrawSpriteArguments)) {
            return;
        }
        Check(call.args.size() == DrawSpriteArguments && call.args[11] == 0,
              "GRAPHICS::DRAW_SPRITE needs 12 arguments ending in 0");
        drawing_.sprites.push_back(Sprite{call.Text(0), call.Text(1), call.Float(2), call.Float(3),
                                          call.Float(4), call.Float(5), call.Float(6), ColourAt(call, 7)});
        drawing_.order += 's';
    }

    void ReadColour(const sim::NativeCall& call) {
        Check(Next().Is(native::MakeLiteralGameString) && at_ + 2 < frame_.size() &&
                  frame_[at_ + 2].Is(native::DisplayText),
              "colour not followed by make string and display");
        if (call.args.size() < SetTextColourArguments) {
            Check(false, "UIDEBUG::_BG_SET_TEXT_COLOR needs 4 arguments");
            return;
        }
        // Arguments are 64-bit slots: the upper half of each colour must be zero.
        Check(std::all_of(call.args.begin(), call.args.begin() + SetTextColourArguments,
                          [](std::uint64_t slot) { return slot >> 32 == 0; }),
              "colour argument not zero-extended");
        textColour_ = ColourAt(call, 0);
    }

    void ReadMake(const sim::NativeCall& call) {
        Check(Previous().Is(native::SetTextColour) && Next().Is(native::DisplayText),
              "text call outside colour, make string, display");
        made_ = nullptr;
        if (Unreadable(call, MakeStringArguments, false)) {
            return;
        }
        Check(call.Int(0) == 10 && call.Text(1) == "LITERAL_STRING",
              "MISC::VAR_STRING needs 10 and \"LITERAL_STRING\"");
        made_ = &call;
    }

    // The colour holds for the next display only.
    void ReadText(const sim::NativeCall& call) {
        Check(Previous().Is(native::MakeLiteralGameString), "text call outside colour, make string, display");
        const sim::NativeCall* made = std::exchange(made_, nullptr);
        const Colour colour = std::exchange(textColour_, Colour{});
        if (Unreadable(call, DisplayTextArguments)) {
            return;
        }
        const bool fromMade = made != nullptr && call.args[0] == made->result;
        Check(fromMade, "UIDEBUG::_BG_DISPLAY_TEXT shows another game string");
        Text text;
        text.markup = call.Text(0);
        if (fromMade) {
            text.markupLocation = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(made->args[2]));
        }
        text.format = ParseMarkup(text.markup);
        text.x = call.Float(1);
        text.y = call.Float(2);
        text.colour = colour;
        drawing_.texts.push_back(std::move(text));
        drawing_.order += 't';
    }

    void ReadPrompt(const sim::NativeCall& call) {
        if (call.args.size() < PromptStateArguments) {
            Check(false, "a prompt call without handle and state");
            return;
        }
        const std::uint32_t handle = call.U32(0);
        auto prompt = std::find_if(drawing_.prompts.begin(), drawing_.prompts.end(),
                                   [handle](const Prompt& p) { return p.handle == handle; });
        if (prompt == drawing_.prompts.end()) {
            prompt = drawing_.prompts.insert(prompt, Prompt{handle});
        }
        (call.Is(native::SetPromptVisible) ? prompt->visible : prompt->enabled) = call.U32(1) != 0;
    }

    const sim::Frame& frame_;
    const bool strict_;
    const sim::NativeCall none_{};
    std::size_t at_ = 0;
    Colour textColour_;
    const sim::NativeCall* made_ = nullptr;
    Drawing drawing_;
};

} // namespace

std::string Text::Inner() const {
    const std::size_t begin = markup.find("~s~");
    const std::size_t end = markup.rfind("</FONT>");
    if (begin == std::string::npos || end == std::string::npos || end < begin + 3) {
        return "<no text in markup>";
    }
    return markup.substr(begin + 3, end - begin - 3);
}

std::string Text::Attribute(const std::string& name) const {
    const std::string key = name + " = '";
    const std::size_t begin = markup.find(key);
    if (begin == std::string::npos) {
        return "<missing " + name + ">";
    }
    const std::size_t valueBegin = begin + key.size();
    return markup.substr(valueBegin, markup.find('\'', valueBegin) - valueBegin);
}

Drawing ReadDrawing(const sim::Frame& frame, Reading reading) {
    return FrameReader(frame, reading).Read();
}

} // namespace readback
