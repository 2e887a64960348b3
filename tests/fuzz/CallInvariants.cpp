#include "tests/fuzz/CallInvariants.h"

#include "host/GameControls.h"
#include "host/Natives.h"
#include "sim/NativeTable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

constexpr std::array<std::uint64_t, 10> askingNatives = {
    native::InputDeviceQuery,
    native::ControlPressedDisabledAware,
    native::ControlJustReleased,
    native::ControlJustPressed,
    native::ControlJustPressedDisabledAware,
    native::DisabledControlNormal,
    native::DisabledControlJustReleased,
    native::PromptValid,
    native::PromptActive,
    native::PromptPressCompleted,
};

constexpr std::array<std::uint32_t, 6> cursorControls = {
    control::INPUT_CURSOR_ACCEPT, control::INPUT_CURSOR_CANCEL,    control::INPUT_CURSOR_X,
    control::INPUT_CURSOR_Y,      control::INPUT_CURSOR_SCROLL_UP, control::INPUT_CURSOR_SCROLL_DOWN,
};

bool Asks(const sim::NativeCall& call) {
    return std::find(askingNatives.begin(), askingNatives.end(), call.hash) != askingNatives.end();
}

bool TouchesTheCursor(const sim::NativeCall& call) {
    if (call.Is(native::SetMouseCursorThisFrame)) {
        return true;
    }
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        if (call.info->arguments[i] == 'c' &&
            std::find(cursorControls.begin(), cursorControls.end(), call.U32(i)) != cursorControls.end()) {
            return true;
        }
    }
    return false;
}

// A drawn text is the markup template around the text: its end must be there.
std::string CheckMarkup(const std::string& text) {
    constexpr std::string_view start = "<TEXTFORMAT";
    const std::string_view end = "</FONT></P><TEXTFORMAT>";
    if (text.compare(0, start.size(), start) != 0) {
        return {}; // a prompt's plain text
    }
    if (text.find("~s~") == std::string::npos || text.size() < end.size() ||
        text.compare(text.size() - end.size(), end.size(), end) != 0) {
        return "a drawn text whose markup is not closed";
    }
    return {};
}

std::string CheckArguments(const sim::NativeCall& call) {
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        const char kind = call.info->arguments[i];
        if (kind == 't' && call.args[i] == 0) {
            return "a null text";
        }
        if (kind == 't' && !IsValidUtf8(call.Text(i))) {
            return "a text that is not UTF-8";
        }
        if (kind == 't') {
            if (std::string broken = CheckMarkup(call.Text(i)); !broken.empty()) {
                return broken;
            }
        }
        if (kind == 'f' && !std::isfinite(call.Float(i))) {
            return "a number that is not finite";
        }
    }
    return {};
}

std::string CheckSprite(const sim::NativeCall& call) {
    if (!call.Is(native::DrawSprite) || call.Text(1) == "menu_bar") {
        return {};
    }
    const float x = call.Float(2);
    const float y = call.Float(3);
    if (!(x >= 0.0f && x <= 1.0f && y >= 0.0f && y <= 1.0f)) {
        return "a sprite centred off the screen";
    }
    return {};
}

} // namespace

bool IsValidUtf8(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80         ? 1
                                   : lead >> 5 == 0x6  ? 2
                                   : lead >> 4 == 0xe  ? 3
                                   : lead >> 3 == 0x1e ? 4
                                                       : 0;
        if (length == 0 || at + length > text.size()) {
            return false;
        }
        std::uint32_t point = length == 1 ? lead : lead & (0x7f >> length);
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xc0) != 0x80) {
                return false;
            }
            point = point << 6 | (next & 0x3f);
        }
        constexpr std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < least[length] || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff)) {
            return false;
        }
        at += length;
    }
    return true;
}

std::string CheckCalls(const sim::Frame& frame, const FrameAsks& asks) {
    for (const sim::NativeCall& call : frame) {
        if (call.info == nullptr) {
            return "an unknown native: " + sim::Describe(call);
        }
        if (call.args.size() != call.info->arguments.size()) {
            return "wrong argument count: " + sim::Describe(call);
        }
        std::string broken = CheckArguments(call);
        if (broken.empty()) {
            broken = CheckSprite(call);
        }
        if (broken.empty() && asks.typing && Asks(call)) {
            broken = "a control asked while the game's keyboard is open";
        }
        if (broken.empty() && asks.mouseOff && TouchesTheCursor(call)) {
            broken = "a cursor native called with the mouse off";
        }
        if (!broken.empty()) {
            return broken + ": " + sim::Describe(call);
        }
    }
    return {};
}

std::string CheckMarkupFill(const Menu::MarkupValues& values) {
    for (std::size_t i = 0; i + 1 < values.size(); ++i) {
        if (values[i].find("%s") != std::string_view::npos) {
            return {}; // the builder promises nothing then
        }
    }
    std::string built;
    Menu::FillMarkup(built, values);
    std::string filled;
    Menu::FillPlaceholders(filled, Menu::MarkupTemplate, values);
    const std::vector<std::string> owned(values.begin(), values.end());
    if (built != filled || filled != Menu::FillPlaceholders(Menu::MarkupTemplate, owned)) {
        return "the markup builder and the placeholder filler disagree: " + built;
    }
    return {};
}
