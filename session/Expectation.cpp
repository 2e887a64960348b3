#include "session/Expectation.h"

#include "host/Natives.h"
#include "session/Words.h"
#include "sim/NativeTable.h"
#include "sim/Quoting.h"

#include <algorithm>
#include <cstdio>

namespace session {
namespace {

// The arguments of the call as Describe prints them.
std::vector<std::string> DescribedArguments(const sim::NativeCall& call) {
    const std::string line = sim::Describe(call);
    const std::size_t open = line.find('(');
    std::size_t close = open + 1;
    while (close < line.size() && line[close] != ')') {
        close = line[close] == '"' ? sim::ClosingQuote(line, close) + 1 : close + 1;
    }
    return SplitArguments(std::string_view(line).substr(open + 1, close - open - 1));
}

std::string DescribePage(const readback::MenuState& menu) {
    return "page " + sim::Quoted(menu.title) + " " + sim::Quoted(menu.subtitle);
}

// A list's or number's value between its arrows; on a row without one (a
// text row) the text at its right, which is that row's value.
const std::string& ShownValue(const readback::MenuState& menu) {
    return menu.selectedValue.empty() ? menu.selectedRight : menu.selectedValue;
}

std::string DescribeRow(const readback::MenuState& menu, RowDetail detail) {
    std::string shown = "row " + sim::Quoted(menu.selectedRow);
    if (detail == RowDetail::Value) {
        shown += ShownValue(menu).empty() ? " with no value" : " value " + sim::Quoted(ShownValue(menu));
    } else if (detail == RowDetail::On || detail == RowDetail::Off) {
        shown += !menu.selectedToggle ? " with no tick box" : *menu.selectedToggle ? " on" : " off";
    } else if (detail == RowDetail::Right) {
        shown += menu.selectedRight.empty() ? " with no right-hand text"
                                            : " right " + sim::Quoted(menu.selectedRight);
    } else if (detail == RowDetail::Disabled || detail == RowDetail::Enabled) {
        shown += menu.selectedDisabled ? " disabled" : " enabled";
    }
    return shown;
}

bool RowHolds(const Expectation& expected, const readback::MenuState& menu) {
    if (menu.selectedRow != expected.label) {
        return false;
    }
    switch (expected.detail) {
    case RowDetail::None:
        return true;
    case RowDetail::Value:
        return ShownValue(menu) == expected.value;
    case RowDetail::On:
        return menu.selectedToggle == true;
    case RowDetail::Off:
        return menu.selectedToggle == false;
    case RowDetail::Right:
        return menu.selectedRight == expected.value;
    case RowDetail::Disabled:
        return menu.selectedDisabled;
    case RowDetail::Enabled:
        return !menu.selectedDisabled;
    }
    return false;
}

std::string CallsOf(const std::string& native, const sim::Frame& frame) {
    std::string first;
    int count = 0;
    for (const sim::NativeCall& call : frame) {
        if (call.info != nullptr && call.info->name == native && count++ == 0) {
            first = sim::Describe(call);
        }
    }
    if (count == 0) {
        return "no call of " + native;
    }
    return first + (count > 1 ? " and " + std::to_string(count - 1) + " more call(s) of it" : "");
}

std::optional<std::string> Unless(bool holds, std::string shown) {
    return holds ? std::nullopt : std::optional<std::string>(std::move(shown));
}

// What the menu showed, against an expectation of it. Its page, counter,
// rows and description are only there while it is open.
std::optional<std::string> MenuShortfall(const Expectation& expected, const readback::MenuState& menu) {
    const std::string openness = menu.open ? "menu open" : "menu closed";
    switch (expected.kind) {
    case ExpectKind::MenuOpen:
        return Unless(menu.open, openness);
    case ExpectKind::MenuClosed:
        return Unless(!menu.open, openness);
    case ExpectKind::Page:
        return !menu.open ? openness
                          : Unless(menu.title == expected.title &&
                                       (!expected.subtitle || menu.subtitle == *expected.subtitle),
                                   DescribePage(menu));
    case ExpectKind::Counter:
        return !menu.open ? openness
                          : Unless(menu.counter == expected.counter,
                                   menu.counter ? "counter " + menu.counterText : std::string("no counter"));
    case ExpectKind::Row:
        return !menu.open ? openness : Unless(RowHolds(expected, menu), DescribeRow(menu, expected.detail));
    case ExpectKind::Description:
        return !menu.open ? openness
                          : Unless(menu.description == expected.value,
                                   menu.description.empty() ? "no description"
                                                            : "description " + sim::Quoted(menu.description));
    case ExpectKind::Sound: {
        std::string played;
        bool found = false;
        for (const readback::Sound& sound : menu.sounds) {
            played += (played.empty() ? "" : ", ") + sound.name;
            found = found || sound.name == expected.name;
        }
        return Unless(found, played.empty() ? "no sound" : "sounds " + played);
    }
    default:
        return std::nullopt;
    }
}

} // namespace

bool Matches(const CallPattern& pattern, const sim::NativeCall& call) {
    if (call.info == nullptr || call.info->name != pattern.native) {
        return false;
    }
    const std::vector<std::string> arguments = DescribedArguments(call);
    if (arguments.size() < pattern.arguments.size() ||
        (!pattern.anyMore && arguments.size() != pattern.arguments.size())) {
        return false;
    }
    for (std::size_t i = 0; i < pattern.arguments.size(); ++i) {
        if (pattern.arguments[i] != "*" && pattern.arguments[i] != arguments[i]) {
            return false;
        }
    }
    return true;
}

void Checker::See(const sim::Frame& frame) {
    for (const sim::NativeCall& call : frame) {
        if (call.Is(native::HashOfName) && !call.texts.empty()) {
            hashedNames_[static_cast<std::uint32_t>(call.result)] = call.Text(0);
        }
    }
}

std::string Checker::VoiceName(std::uint32_t hash) const {
    if (const auto found = hashedNames_.find(hash); found != hashedNames_.end()) {
        return found->second;
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08x", static_cast<unsigned>(hash));
    return hex;
}

std::optional<std::string> Checker::Shortfall(const Expectation& expected, const sim::Frame& last,
                                              const sim::Game& game) const {
    if (expected.kind == ExpectKind::Voice) {
        const auto voice = game.voices.find(game.playerCharacter);
        if (voice == game.voices.end()) {
            return Unless(false, "no voice set");
        }
        return Unless(voice->second == sim::HashName(expected.name), "voice " + VoiceName(voice->second));
    }
    if (expected.kind == ExpectKind::Call || expected.kind == ExpectKind::NoCall) {
        const auto match = std::find_if(last.begin(), last.end(), [&](const sim::NativeCall& call) {
            return Matches(expected.call, call);
        });
        if (expected.kind == ExpectKind::NoCall) {
            return Unless(match == last.end(), match == last.end() ? "" : sim::Describe(*match));
        }
        return Unless(match != last.end(), CallsOf(expected.call.native, last));
    }
    return MenuShortfall(expected, readback::ReadMenu(last));
}

std::string DescribeFailure(const std::string& file, int line, const Expectation& expected,
                            const std::string& shown) {
    return file + ":" + std::to_string(line) + ": expected " + expected.text + ", the frame showed " + shown;
}

} // namespace session