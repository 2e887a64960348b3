#include "tools/preview/Session.h"

#include "driver/Input.h"
#include "menu/Controls.h"
#include "menu/Prompts.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace preview {
namespace {

constexpr int MaxWait = 100000;

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

std::vector<std::string> Words(std::string_view line) {
    std::vector<std::string> words;
    std::istringstream stream{std::string(line)};
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

// Snapshot names become file names in the output folder: nothing that could
// leave it or hide a file.
bool SafeName(std::string_view name) {
    return !name.empty() && name.size() <= 64 && name.front() != '.' &&
           std::all_of(name.begin(), name.end(), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '_' || c == '-';
           });
}

[[noreturn]] void Fail(int line, const std::string& message) {
    throw SessionError("line " + std::to_string(line) + ": " + message);
}

} // namespace

const std::vector<Input>& SessionInputs() {
    // The game's menu controls, as the plug-in queries them.
    static const std::vector<Input> inputs = {
        {"f8", true, sim::KeyF8},
        {"shift", true, sim::KeyShift},
        {"up", false, Menu::UpControl},
        {"down", false, Menu::DownControl},
        {"left", false, Menu::LeftControl},
        {"right", false, Menu::RightControl},
        {"select", false, Menu::SelectControl},
        {"back", false, Menu::BackControl},
    };
    return inputs;
}

std::vector<SessionStep> ParseSession(std::string_view script) {
    std::vector<SessionStep> steps;
    std::set<std::string> snapshots;
    bool frameRun = false;
    int number = 0;
    // Some editors start a UTF-8 file with a byte-order mark.
    constexpr std::string_view ByteOrderMark = "\xef\xbb\xbf";
    if (script.starts_with(ByteOrderMark)) {
        script.remove_prefix(ByteOrderMark.size());
    }
    std::istringstream lines{std::string(script)};
    for (std::string text; std::getline(lines, text);) {
        ++number;
        text = text.substr(0, text.find('#'));
        const std::vector<std::string> words = Words(text);
        if (words.empty()) {
            continue;
        }
        SessionStep step;
        step.line = number;
        const std::size_t first = text.find_first_not_of(" \t\r");
        step.source = text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
        const std::string verb = Lower(words[0]);
        if (verb == "chord") {
            if (words.size() != 1) {
                Fail(number, "chord takes no argument, got \"" + step.source + "\"");
            }
            step.kind = StepKind::Chord;
            frameRun = true;
            steps.push_back(std::move(step));
            continue;
        }
        if (words.size() != 2) {
            Fail(number, "expected a step and one argument, as in \"press F8\", got \"" + step.source + "\"");
        }
        const std::string& argument = words[1];
        if (verb == "press" || verb == "release" || verb == "tap") {
            step.kind = verb == "press"     ? StepKind::Press
                        : verb == "release" ? StepKind::Release
                                            : StepKind::Tap;
            const auto& inputs = SessionInputs();
            const auto found = std::find_if(inputs.begin(), inputs.end(), [&](const Input& input) {
                return input.name == Lower(argument);
            });
            if (found == inputs.end()) {
                Fail(number, "unknown key or control \"" + argument +
                                 "\" (F8, Shift, up, down, left, right, select, back)");
            }
            step.input = *found;
            frameRun = frameRun || step.kind == StepKind::Tap;
        } else if (verb == "gamepad") {
            step.kind = StepKind::Gamepad;
            const std::string state = Lower(argument);
            if (state != "on" && state != "off") {
                Fail(number, "gamepad takes on or off, not \"" + argument + "\"");
            }
            step.on = state == "on";
        } else if (verb == "wait") {
            step.kind = StepKind::Wait;
            const auto [end, error] =
                std::from_chars(argument.data(), argument.data() + argument.size(), step.frames);
            if (error != std::errc{} || end != argument.data() + argument.size() || step.frames < 1 ||
                step.frames > MaxWait) {
                Fail(number, "wait takes a number of frames from 1 to " + std::to_string(MaxWait) +
                                 ", not \"" + argument + "\"");
            }
            frameRun = true;
        } else if (verb == "snapshot") {
            step.kind = StepKind::Snapshot;
            step.name = argument;
            if (!SafeName(argument)) {
                Fail(number, "snapshot names use letters, digits, \".\", \"_\" and \"-\" only, not \"" +
                                 argument + "\"");
            }
            if (!frameRun) {
                Fail(number, "snapshot \"" + argument + "\" before any frame has run (add \"wait 1\")");
            }
            if (!snapshots.insert(Lower(argument)).second) {
                Fail(number, "snapshot \"" + argument + "\" is taken twice");
            }
        } else {
            Fail(number,
                 "unknown step \"" + words[0] + "\" (press, release, tap, chord, gamepad, wait, snapshot)");
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

std::vector<SessionStep> LoadSession(const std::string& path) {
    // A directory opens as a file here and then reads as nothing at all.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        throw SessionError("cannot read session " + path + ": it is a directory");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw SessionError("cannot read session " + path + ": " + std::strerror(errno));
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) {
        throw SessionError("cannot read session " + path + ": " + std::strerror(errno));
    }
    try {
        return ParseSession(text.str());
    } catch (const SessionError& error) {
        throw SessionError(path + ": " + error.what());
    }
}

int RunSession(const std::vector<SessionStep>& steps, sim::Runner& runner, const SessionObserver& observer) {
    int number = 0;
    std::set<std::uint32_t> keysDown;
    const auto play = [&](const SessionStep& step, const sim::InputSequence& sequence) {
        for (const sim::InputEvent& event : sequence) {
            const bool frameRuns = event.kind == sim::InputKind::NextFrame;
            if (frameRuns) {
                // The observer has seen the frames before; a snapshot needs only the last.
                runner.host().recorder.Clear();
            }
            sim::Apply(runner, event);
            if (frameRuns) {
                if (observer.frame) {
                    observer.frame(number, step, runner.host().recorder.Last());
                }
                ++number;
            }
        }
    };
    const auto press = [&](const Input& input) -> sim::InputEvent {
        if (!input.isKey) {
            return {sim::InputKind::PressControl, input.code};
        }
        // A key held down repeats, as Windows reports it.
        return {keysDown.insert(input.code).second ? sim::InputKind::KeyDown : sim::InputKind::KeyRepeat,
                input.code};
    };
    const auto release = [&](const Input& input) -> sim::InputEvent {
        keysDown.erase(input.code);
        return {input.isKey ? sim::InputKind::KeyUp : sim::InputKind::ReleaseControl, input.code};
    };

    for (const SessionStep& step : steps) {
        if (observer.step) {
            observer.step(step);
        }
        switch (step.kind) {
        case StepKind::Press:
            sim::Apply(runner, press(step.input));
            break;
        case StepKind::Release:
            sim::Apply(runner, release(step.input));
            break;
        case StepKind::Tap: {
            const sim::InputEvent down = press(step.input);
            play(step, sim::Tap(down));
            keysDown.erase(step.input.code);
            break;
        }
        case StepKind::Chord:
            play(step, sim::Chord());
            break;
        case StepKind::Gamepad:
            runner.host().game.gamepad = step.on;
            break;
        case StepKind::Wait:
            play(step,
                 sim::InputSequence(static_cast<std::size_t>(step.frames), {sim::InputKind::NextFrame}));
            break;
        case StepKind::Snapshot:
            if (number == 0) {
                throw SessionError("line " + std::to_string(step.line) +
                                   ": snapshot before any frame has run");
            }
            if (observer.snapshot) {
                observer.snapshot(step, number - 1, runner.host().recorder.Last());
            }
            break;
        }
    }
    return number;
}

} // namespace preview
