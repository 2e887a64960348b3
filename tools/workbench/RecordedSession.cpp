#include "tools/workbench/RecordedSession.h"

#include "host/MenuControls.h"
#include "host/PluginKeys.h"
#include "session/Session.h"
#include "session/Writer.h"
#include "sim/ControlTable.h"
#include "sim/Game.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace workbench {
namespace {

using Entry = InputLog::Entry;
using EntryKind = InputLog::EntryKind;
using session::StepKind;
using session::StepLine;

session::SessionStep Step(StepKind kind) {
    session::SessionStep step;
    step.kind = kind;
    return step;
}

std::string InputLine(bool press, const std::string& name) {
    session::SessionStep step = Step(press ? StepKind::Press : StepKind::Release);
    step.input.name = name;
    return StepLine(step);
}

std::string PointLine(float x, float y) {
    session::SessionStep step = Step(StepKind::PointAt);
    step.x = x;
    step.y = y;
    return StepLine(step);
}

// The session's name for a key or control, as written: "F8", "Shift", "down".
std::string SessionName(const driver::InputEvent& event) {
    const bool key = event.kind == driver::InputKind::KeyDown || event.kind == driver::InputKind::KeyRepeat ||
                     event.kind == driver::InputKind::KeyUp;
    for (const session::Input& input : session::SessionInputs()) {
        if (input.isKey == key && input.code == event.code) {
            std::string name = input.name;
            if (key) {
                name[0] = static_cast<char>(name[0] - 'a' + 'A');
            }
            return name;
        }
    }
    // Any other key by the name a player writes it: "F6", "A", "0x1B".
    if (key && event.code >= 0x01 && event.code <= 0xfe) {
        return plugin_keys::NameOfKey(event.code);
    }
    return "";
}

std::string Unnamed(const driver::InputEvent& event) {
    const bool press = event.kind == driver::InputKind::PressControl ||
                       event.kind == driver::InputKind::KeyDown || event.kind == driver::InputKind::KeyRepeat;
    const bool key = event.kind == driver::InputKind::KeyDown || event.kind == driver::InputKind::KeyRepeat ||
                     event.kind == driver::InputKind::KeyUp;
    std::string name;
    if (const sim::ControlInfo* control = key ? nullptr : sim::FindControl(event.code)) {
        name = control->name;
    } else {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%x", event.code);
        name = std::string(key ? "key " : "control ") + hex;
    }
    return std::string("# left out, sessions cannot name it: ") + (press ? "press " : "release ") + name;
}

// What a controller button sets beside the control a session names for it
// (the D-pad's whistle beside "down", RB's emote wheel beside the chord's
// modifier): the named control stands for the button.
bool SpokenFor(std::uint32_t control) {
    const sim::ControlInfo* info = sim::FindControl(control);
    const auto sameButton = [info](std::uint32_t named) {
        const sim::ControlInfo* other = sim::FindControl(named);
        return other != nullptr && !info->button.empty() && other->button == info->button;
    };
    if (info == nullptr) {
        return false;
    }
    const std::vector<session::Input>& inputs = session::SessionInputs();
    return sameButton(Menu::ChordModifierControl) || sameButton(Menu::ChordControl) ||
           std::any_of(inputs.begin(), inputs.end(),
                       [&](const session::Input& input) { return !input.isKey && sameButton(input.code); });
}

// The log's entries as session lines, each at the frame it is played
// before. The chord is read from what the game holds: the menu toggles in the
// frame the chord's button comes up while the modifier is held, however the
// two were pressed; a session's chord toggles in its second frame.
class SessionLines {
  public:
    explicit SessionLines(const std::set<std::uint32_t>& held)
        : held_(held), chordButtonWasDown_(held.count(Menu::ChordControl) != 0) {}

    void Add(std::string text) { lines_.push_back({frames_, 0, std::move(text)}); }

    void Input(const driver::InputEvent& input) {
        if (input.kind == driver::InputKind::MoveCursor) {
            Point(input.x, input.y);
            return;
        }
        const bool control =
            input.kind == driver::InputKind::PressControl || input.kind == driver::InputKind::ReleaseControl;
        const bool press = input.kind == driver::InputKind::PressControl ||
                           input.kind == driver::InputKind::KeyDown ||
                           input.kind == driver::InputKind::KeyRepeat;
        if (control && press) {
            held_.insert(input.code);
        } else if (control) {
            held_.erase(input.code);
        }
        const std::string name = SessionName(input);
        if (!name.empty()) {
            if (control && input.code == Menu::SelectControl) {
                (press ? selectPress_ : selectRelease_) = lines_.size();
            }
            Add(InputLine(press, name));
        } else if (!control || !SpokenFor(input.code)) {
            Add(Unnamed(input));
        }
    }

    // The cursor's moves between two frames end where the last one put it.
    void Point(float x, float y) {
        std::string line = PointLine(x, y);
        if (lastPoint_ && *lastPoint_ == lines_.size() - 1 && lines_.back().at == frames_) {
            lines_.back().text = std::move(line);
            return;
        }
        Add(std::move(line));
        lastPoint_ = lines_.size() - 1;
    }

    void Frame() {
        const bool chordButtonDown = held_.count(Menu::ChordControl) != 0;
        if (chordButtonWasDown_ && !chordButtonDown && held_.count(Menu::ChordModifierControl) != 0) {
            lines_.push_back({std::max(0, frames_ - 1), 3, StepLine(Step(StepKind::Chord))});
            // The menu acts on no Select in the frame it toggles.
            if (selectRelease_ && lines_[*selectRelease_].at == frames_) {
                lines_[*selectRelease_].text.clear();
                if (selectPress_) {
                    lines_[*selectPress_].text.clear();
                }
            }
        }
        chordButtonWasDown_ = chordButtonDown;
        ++frames_;
    }

    // The lines with waits between them, as many frames in all as the log ran.
    void Write(std::ostream& text) {
        std::stable_sort(lines_.begin(), lines_.end(),
                         [](const Line& a, const Line& b) { return a.at < b.at; });
        int played = 0;
        for (const Line& line : lines_) {
            if (line.at > played && !line.text.empty()) {
                text << WaitLine(line.at - played) << "\n";
                played = line.at;
            }
            if (!line.text.empty()) {
                text << line.text << "\n";
                played += line.frames;
            }
        }
        if (frames_ > played) {
            text << WaitLine(frames_ - played) << "\n";
        }
    }

  private:
    static std::string WaitLine(int frames) {
        session::SessionStep wait = Step(StepKind::Wait);
        wait.frames = frames;
        return StepLine(wait);
    }

    struct Line {
        int at = 0;     // frames run before it
        int frames = 0; // those it runs itself
        std::string text;
    };

    std::vector<Line> lines_;
    std::set<std::uint32_t> held_;
    bool chordButtonWasDown_;
    std::optional<std::size_t> selectPress_;
    std::optional<std::size_t> selectRelease_;
    std::optional<std::size_t> lastPoint_;
    int frames_ = 0;
};

// The step an entry other than a frame or an input stands for.
std::string EntryLine(const InputLog& log, const Entry& entry) {
    session::SessionStep step;
    switch (entry.kind) {
    case EntryKind::Gamepad:
        step.kind = StepKind::Gamepad;
        step.on = entry.value != 0;
        break;
    case EntryKind::Snapshot:
        step.kind = StepKind::Snapshot;
        step.name = log.SnapshotNames()[entry.value];
        break;
    case EntryKind::Typed:
        step.kind = StepKind::Type;
        step.text = log.TypedTexts()[entry.value];
        break;
    case EntryKind::KeyboardDone:
        step.kind = StepKind::KeyboardDone;
        break;
    default:
        step.kind = StepKind::KeyboardCancel;
        break;
    }
    return StepLine(step);
}

} // namespace

std::string ExpectationsOf(const readback::MenuState& menu) {
    std::vector<session::Expectation> said;
    const auto say = [&said](session::ExpectKind kind) -> session::Expectation& {
        said.emplace_back().kind = kind;
        return said.back();
    };
    if (!menu.open) {
        say(session::ExpectKind::MenuClosed);
    } else {
        say(session::ExpectKind::MenuOpen);
        session::Expectation& page = say(session::ExpectKind::Page);
        page.title = menu.title;
        page.subtitle = menu.subtitle;
        if (menu.counter) {
            say(session::ExpectKind::Counter).counter = *menu.counter;
        }
    }
    if (menu.open && !menu.selectedRow.empty()) {
        session::Expectation& row = say(session::ExpectKind::Row);
        row.label = menu.selectedRow;
        row.detail = menu.selectedToggle
                         ? (*menu.selectedToggle ? session::RowDetail::On : session::RowDetail::Off)
                     : menu.selectedValue.empty() ? session::RowDetail::None
                                                  : session::RowDetail::Value;
        row.value = menu.selectedValue;
        if (!menu.selectedRight.empty()) {
            session::Expectation& right = say(session::ExpectKind::Row);
            right.label = menu.selectedRow;
            right.detail = session::RowDetail::Right;
            right.value = menu.selectedRight;
        }
        if (menu.selectedDisabled) {
            session::Expectation& disabled = say(session::ExpectKind::Row);
            disabled.label = menu.selectedRow;
            disabled.detail = session::RowDetail::Disabled;
        }
    }
    std::string text;
    for (const session::Expectation& expectation : said) {
        text += "expect " + session::ExpectationText(expectation) + "\n";
    }
    return text;
}

std::string WriteSession(const InputLog& log, const readback::MenuState& end, const std::string& header) {
    std::ostringstream text;
    std::istringstream headerLines(header);
    for (std::string line; std::getline(headerLines, line);) {
        text << "# " << line << "\n";
    }
    const InputLog::Start& start = log.AtStart();
    if (start.gamepad) {
        session::SessionStep gamepad = Step(StepKind::Gamepad);
        gamepad.on = true;
        text << StepLine(gamepad) << "\n";
    }
    if (const sim::Game fresh; start.cursorX != fresh.cursorX || start.cursorY != fresh.cursorY) {
        text << PointLine(start.cursorX, start.cursorY) << "\n";
    }
    for (const std::uint32_t key : start.keysDown) {
        const driver::InputEvent down{driver::InputKind::KeyDown, key};
        const std::string name = SessionName(down);
        text << (name.empty() ? Unnamed(down) : InputLine(true, name) + "  # held when the log began")
             << "\n";
    }
    for (const std::uint32_t control : start.heldControls) {
        const driver::InputEvent down{driver::InputKind::PressControl, control};
        const std::string name = SessionName(down);
        if (!name.empty() || !SpokenFor(control)) {
            text << (name.empty() ? Unnamed(down) : InputLine(true, name) + "  # held when the log began")
                 << "\n";
        }
    }

    SessionLines lines(start.heldControls);
    for (const Entry& entry : log.Entries()) {
        switch (entry.kind) {
        case EntryKind::Frame:
            lines.Frame();
            break;
        case EntryKind::Input:
            lines.Input(entry.input);
            break;
        default:
            lines.Add(EntryLine(log, entry));
            break;
        }
    }
    lines.Write(text);
    text << ExpectationsOf(end);
    return text.str();
}

} // namespace workbench
