#include "tools/render/Summary.h"

#include "host/MenuArt.h"
#include "host/Natives.h"
#include "sim/Quoting.h"

#include <algorithm>

namespace render {
namespace {

using readback::MenuState;

std::string Listed(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (!part.empty()) {
            text += (text.empty() ? "" : ", ") + part;
        }
    }
    return text;
}

bool PageChanged(const MenuState* before, const MenuState& now) {
    return before != nullptr && before->open && now.open &&
           (before->title != now.title || before->subtitle != now.subtitle);
}

// A page by its title; by its subtitle too where the title is the one it came from.
std::string PageName(const MenuState* before, const MenuState& now) {
    const bool titleTells = before == nullptr || before->title != now.title;
    return sim::Quoted(now.title) + (titleTells ? "" : " " + sim::Quoted(now.subtitle));
}

std::string SelectedLabel(const MenuState& now) {
    return now.selectedRow.empty() ? "" : sim::Quoted(now.selectedRow);
}

bool Played(const MenuState& now, const std::string& sound) {
    return std::any_of(now.sounds.begin(), now.sounds.end(),
                       [&](const readback::Sound& played) { return played.name == sound; });
}

std::string Moved(const std::string& direction, const MenuState& now) {
    const std::string where = Listed({SelectedLabel(now), now.counterText});
    return "moved " + direction + (where.empty() ? "" : " to " + where);
}

// A number row's value as the menu draws it: an optional minus, digits, an
// optional point with digits. A list whose values look so is told as one.
bool LooksLikeANumber(const std::string& value) {
    std::size_t at = value.size() > 1 && value.front() == '-' ? 1 : 0;
    const std::size_t digits = at;
    while (at < value.size() && value[at] >= '0' && value[at] <= '9') {
        ++at;
    }
    if (at == digits) {
        return false;
    }
    if (at < value.size() && value[at] == '.') {
        const std::size_t fraction = ++at;
        while (at < value.size() && value[at] >= '0' && value[at] <= '9') {
            ++at;
        }
        if (at == fraction) {
            return false;
        }
    }
    return at == value.size();
}

std::string Stepped(const std::string& side, const MenuState& now) {
    if (now.selectedValue.empty()) {
        return "stepped " + side;
    }
    if (LooksLikeANumber(now.selectedValue)) {
        return "stepped " + SelectedLabel(now) + " to " + now.selectedValue;
    }
    return "list " + SelectedLabel(now) + " stepped " + side + " to " + sim::Quoted(now.selectedValue);
}

std::string Refused(const MenuState& now) {
    const std::string label = SelectedLabel(now);
    return "refused" + (label.empty() ? "" : " " + label) + (now.selectedDisabled ? " (disabled)" : "");
}

std::string Selected(const MenuState* before, const MenuState& now, const std::string& voice,
                     std::optional<int>& depth) {
    if (PageChanged(before, now)) {
        if (depth) {
            ++*depth;
        }
        return "entered " + PageName(before, now) + (depth ? " (depth " + std::to_string(*depth) + ")" : "");
    }
    const bool flipped =
        now.selectedToggle && (before == nullptr || before->selectedToggle != now.selectedToggle);
    if (flipped) {
        return "toggle " + SelectedLabel(now) + (*now.selectedToggle ? " on" : " off");
    }
    const std::string label = SelectedLabel(now);
    // The action runs before Select sounds, so its voice belongs to the selection.
    return "selected" + (label.empty() ? "" : " " + label) +
           (voice.empty() ? "" : ": voice " + voice + " applied");
}

// Empty when the menu closed in the frame: "menu closed" says it.
std::string WentBack(const MenuState* before, const MenuState& now, std::optional<int>& depth) {
    if (!now.open && Played(now, menu_art::CloseSound.name)) {
        return "";
    }
    if (!PageChanged(before, now)) {
        return "back";
    }
    if (depth) {
        *depth = std::max(0, *depth - 1);
    }
    return "back to " +
           Listed({PageName(before, now), now.counter ? "row " + std::to_string(now.counter->row) : ""});
}

// A filter row shows its text and what it matched at its right,
// "\"arab\": 3 of 2000" (menu/Filter.cpp): told with the page filtered.
std::string Filtered(const MenuState& now) {
    const std::string& right = now.selectedRight;
    const std::size_t close = right.rfind("\": ");
    if (right.empty() || right.front() != '"' || close == std::string::npos || close == 0 ||
        !readback::ReadRowCounter(right.substr(close + 3))) {
        return "";
    }
    const std::string& page = now.subtitle.empty() ? now.title : now.subtitle;
    return "filtered " + sim::Quoted(page) + " by " + sim::Quoted(right.substr(1, close - 1)) + ": " +
           right.substr(close + 3);
}

// The selected row's text at its right changed while it stayed selected: a
// text row took what the player typed, or code wrote the row anew.
std::string Changed(const MenuState* before, const MenuState& now) {
    const bool sameRow = before != nullptr && before->open && now.open && !PageChanged(before, now) &&
                         before->selectedRow == now.selectedRow && !now.selectedRow.empty();
    if (!sameRow || !now.selectedValue.empty() || before->selectedRight == now.selectedRight) {
        return "";
    }
    const std::string filtered = Filtered(now);
    return filtered.empty() ? SelectedLabel(now) + " changed to " + sim::Quoted(now.selectedRight) : filtered;
}

} // namespace

std::vector<std::string> TellEvents(const MenuState* before, const MenuState& now, const std::string& voice,
                                    std::optional<int>& depth) {
    std::vector<std::string> events;
    bool voiceTold = false;
    for (const readback::Sound& sound : now.sounds) {
        const std::string& name = sound.name;
        std::string event;
        if (name == menu_art::OpenSound.name) {
            event = "menu opened";
        } else if (name == menu_art::CloseSound.name) {
            event = "menu closed";
        } else if (name == menu_art::UpSound.name || name == menu_art::DownSound.name) {
            event = Moved(name == menu_art::UpSound.name ? "up" : "down", now);
        } else if (name == menu_art::LeftSound.name || name == menu_art::RightSound.name) {
            event = Stepped(name == menu_art::LeftSound.name ? "left" : "right", now);
        } else if (name == menu_art::SelectSound.name) {
            event = Selected(before, now, voice, depth);
            voiceTold = voiceTold || !voice.empty();
        } else if (name == menu_art::BackSound.name) {
            event = WentBack(before, now, depth);
        } else if (name == menu_art::RefusedSound.name) {
            event = Refused(now);
        } else {
            event = "sound " + name;
        }
        if (!event.empty()) {
            events.push_back(std::move(event));
        }
    }
    if (std::string changed = Changed(before, now); !changed.empty()) {
        events.push_back(std::move(changed));
    }
    if (!voice.empty() && !voiceTold) {
        events.push_back("voice " + voice + " applied");
    }
    return events;
}

std::string AppliedVoice(const sim::Frame& frame) {
    std::string voice;
    std::string hashedName; // voices are set by the hash of their name
    for (const sim::NativeCall& call : frame) {
        if (call.Is(native::HashOfName) && !call.texts.empty()) {
            hashedName = call.Text(0);
        } else if (call.Is(native::SetVoiceByHash)) {
            voice = hashedName.empty() ? "(unnamed)" : hashedName;
        }
    }
    return voice;
}

void SessionSummary::Saw(const session::SessionStep& step) {
    if (step.kind != session::StepKind::Wait && step.kind != session::StepKind::Snapshot) {
        lastInput_ = &step;
    }
}

FrameEvents SessionSummary::Next(const sim::Frame& frame, const session::SessionStep* running) {
    // The menu's tick reads the input device first, or the game's keyboard
    // while one is open; a frame that starts otherwise goes on with a tick
    // an earlier frame began.
    const bool beginsTick = !frame.empty() && (frame.front().Is(native::InputDeviceQuery) ||
                                               frame.front().Is(native::UpdateOnscreenKeyboard));
    if (beginsTick || !started_) {
        started_ = true;
        beforeTick_ = shown_;
        tickCause_ = running != nullptr && running->kind == session::StepKind::Wait && lastInput_ != nullptr
                         ? lastInput_
                         : running;
    }
    MenuState now = readback::ReadMenu(frame);
    FrameEvents summary;
    summary.voice = AppliedVoice(frame);
    summary.events = TellEvents(beforeTick_ ? &*beforeTick_ : nullptr, now, summary.voice, depth_);
    summary.cause = tickCause_;
    shown_ = std::move(now);
    return summary;
}

FrameEvents SummariseFrame(const sim::Frame& frame) {
    FrameEvents summary;
    summary.voice = AppliedVoice(frame);
    std::optional<int> depth;
    summary.events = TellEvents(nullptr, readback::ReadMenu(frame), summary.voice, depth);
    return summary;
}

} // namespace render
