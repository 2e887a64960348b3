#include "tools/workbench/RecordedSession.h"

#include "menu/Controls.h"
#include "session/Session.h"
#include "sim/ControlTable.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace workbench {
namespace {

using Entry = InputLog::Entry;
using EntryKind = InputLog::EntryKind;

// The session's name for a key or control, as written: "F8", "Shift", "down".
std::string SessionName(const sim::InputEvent& event) {
    const bool key = event.kind == sim::InputKind::KeyDown || event.kind == sim::InputKind::KeyRepeat ||
                     event.kind == sim::InputKind::KeyUp;
    for (const session::Input& input : session::SessionInputs()) {
        if (input.isKey == key && input.code == event.code) {
            std::string name = input.name;
            if (key) {
                name[0] = static_cast<char>(name[0] - 'a' + 'A');
            }
            return name;
        }
    }
    return "";
}

std::string Unnamed(const sim::InputEvent& event) {
    const bool press = event.kind == sim::InputKind::PressControl || event.kind == sim::InputKind::KeyDown ||
                       event.kind == sim::InputKind::KeyRepeat;
    const bool key = event.kind == sim::InputKind::KeyDown || event.kind == sim::InputKind::KeyRepeat ||
                     event.kind == sim::InputKind::KeyUp;
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

bool IsInput(const Entry& entry, sim::InputKind kind, std::uint32_t code) {
    return entry.kind == EntryKind::Input && entry.input.kind == kind && entry.input.code == code;
}

bool IsFrame(const Entry& entry) {
    return entry.kind == EntryKind::Frame;
}

// The chord as the workbench's key presses it and a session's "chord" step
// plays it: both down, a frame, the button up, a frame, the modifier up, a frame.
bool ChordAt(const std::vector<Entry>& entries, std::size_t at) {
    using sim::InputKind;
    return at + 7 <= entries.size() &&
           IsInput(entries[at], InputKind::PressControl, Menu::ChordModifierControl) &&
           IsInput(entries[at + 1], InputKind::PressControl, Menu::ChordControl) &&
           IsFrame(entries[at + 2]) &&
           IsInput(entries[at + 3], InputKind::ReleaseControl, Menu::ChordControl) &&
           IsFrame(entries[at + 4]) &&
           IsInput(entries[at + 5], InputKind::ReleaseControl, Menu::ChordModifierControl) &&
           IsFrame(entries[at + 6]);
}

// A session quotes with plain double quotes and has no escapes.
bool Quotable(const std::string& text) {
    return text.find_first_of("\"\n\r") == std::string::npos;
}

} // namespace

std::string ExpectationsOf(const readback::MenuState& menu) {
    std::ostringstream text;
    if (!menu.open) {
        text << "expect menu closed\n";
        return text.str();
    }
    text << "expect menu open\n";
    if (Quotable(menu.title) && Quotable(menu.subtitle)) {
        text << "expect page \"" << menu.title << "\" \"" << menu.subtitle << "\"\n";
    }
    if (menu.counter) {
        text << "expect counter " << menu.counter->row << " of " << menu.counter->rows << "\n";
    }
    if (!menu.selectedRow.empty() && Quotable(menu.selectedRow)) {
        text << "expect row \"" << menu.selectedRow << "\"";
        if (menu.selectedToggle) {
            text << (*menu.selectedToggle ? " on" : " off");
        } else if (!menu.selectedValue.empty() && Quotable(menu.selectedValue)) {
            text << " value \"" << menu.selectedValue << "\"";
        }
        text << "\n";
    }
    return text.str();
}

std::string WriteSession(const InputLog& log, const readback::MenuState& end, const std::string& header) {
    std::ostringstream text;
    std::istringstream headerLines(header);
    for (std::string line; std::getline(headerLines, line);) {
        text << "# " << line << "\n";
    }
    const InputLog::Start& start = log.AtStart();
    if (start.gamepad) {
        text << "gamepad on\n";
    }
    for (const std::uint32_t key : start.keysDown) {
        const sim::InputEvent down{sim::InputKind::KeyDown, key};
        const std::string name = SessionName(down);
        text << (name.empty() ? Unnamed(down) : "press " + name + "  # held when the log began") << "\n";
    }
    for (const std::uint32_t control : start.heldControls) {
        const sim::InputEvent down{sim::InputKind::PressControl, control};
        const std::string name = SessionName(down);
        text << (name.empty() ? Unnamed(down) : "press " + name + "  # held when the log began") << "\n";
    }

    const std::vector<Entry>& entries = log.Entries();
    int waiting = 0; // frames run since the last step written
    const auto flush = [&] {
        if (waiting > 0) {
            text << "wait " << waiting << "\n";
            waiting = 0;
        }
    };
    for (std::size_t at = 0; at < entries.size(); ++at) {
        const Entry& entry = entries[at];
        if (entry.kind == EntryKind::Frame) {
            ++waiting;
            continue;
        }
        flush();
        if (ChordAt(entries, at)) {
            text << "chord\n";
            at += 6;
            continue;
        }
        switch (entry.kind) {
        case EntryKind::Input: {
            const std::string name = SessionName(entry.input);
            const bool press = entry.input.kind == sim::InputKind::PressControl ||
                               entry.input.kind == sim::InputKind::KeyDown ||
                               entry.input.kind == sim::InputKind::KeyRepeat;
            text << (name.empty() ? Unnamed(entry.input) : (press ? "press " : "release ") + name) << "\n";
            break;
        }
        case EntryKind::Gamepad:
            text << "gamepad " << (entry.value != 0 ? "on" : "off") << "\n";
            break;
        case EntryKind::Snapshot:
            text << "snapshot " << log.SnapshotNames()[entry.value] << "\n";
            break;
        case EntryKind::Frame:
            break;
        }
    }
    flush();
    text << ExpectationsOf(end);
    return text.str();
}

} // namespace workbench
