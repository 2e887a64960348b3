#include "session/Session.h"

#include "driver/Runner.h"
#include "host/MenuControls.h"
#include "host/PluginKeys.h"
#include "session/Words.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace session {
namespace {

constexpr int MaxWait = 100000;
constexpr int MaxPass = 60000;
constexpr const char* StepNames =
    "press, release, repeat, tap, chord, gamepad, wait, pass, globals lost, expect, snapshot";

bool ReadCount(const std::string& text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
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
        {"f8", true, PluginKeys::Toggle},       {"shift", true, PluginKeys::FastStep},
        {"up", false, Menu::UpControl},         {"down", false, Menu::DownControl},
        {"left", false, Menu::LeftControl},     {"right", false, Menu::RightControl},
        {"select", false, Menu::SelectControl}, {"back", false, Menu::BackControl},
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
    for (std::string line; std::getline(lines, line);) {
        ++number;
        const std::string text(WithoutComment(line));
        const std::vector<std::string> words = Words(text);
        if (words.empty()) {
            continue;
        }
        SessionStep step;
        step.line = number;
        const std::size_t first = text.find_first_not_of(" \t\r");
        step.source = text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
        const std::string verb = Lowered(words[0]);
        const auto needsFrame = [&](const char* what) {
            if (!frameRun) {
                Fail(number, std::string(what) + " before any frame has run (add \"wait 1\")");
            }
        };
        if (verb == "expect") {
            needsFrame("expect");
            step.kind = StepKind::Expect;
            try {
                step.expectation = ParseExpectation(std::string_view(text).substr(text.find(words[0]) + 6));
            } catch (const std::invalid_argument& mistake) {
                Fail(number, mistake.what());
            }
            steps.push_back(std::move(step));
            continue;
        }
        if (verb == "chord") {
            if (words.size() != 1) {
                Fail(number, "chord takes no argument, got \"" + step.source + "\"");
            }
            step.kind = StepKind::Chord;
            frameRun = true;
            steps.push_back(std::move(step));
            continue;
        }
        if (verb == "globals") {
            if (words.size() != 2 || Lowered(words[1]) != "lost") {
                Fail(number, "write \"globals lost\", not \"" + step.source + "\"");
            }
            step.kind = StepKind::LoseGlobals;
            steps.push_back(std::move(step));
            continue;
        }
        if (verb == "pass") {
            int milliseconds = 0;
            if (words.size() != 3 || Lowered(words[2]) != "ms" || !ReadCount(words[1], milliseconds) ||
                milliseconds < 1 || milliseconds > MaxPass) {
                Fail(number, "write \"pass N ms\", N from 1 to " + std::to_string(MaxPass) + ", not \"" +
                                 step.source + "\"");
            }
            step.kind = StepKind::Pass;
            step.milliseconds = static_cast<std::uint32_t>(milliseconds);
            steps.push_back(std::move(step));
            continue;
        }
        if (words.size() != 2) {
            Fail(number, "expected a step and one argument, as in \"press F8\", got \"" + step.source + "\"");
        }
        const std::string& argument = words[1];
        if (verb == "press" || verb == "release" || verb == "tap" || verb == "repeat") {
            step.kind = verb == "press"     ? StepKind::Press
                        : verb == "release" ? StepKind::Release
                        : verb == "repeat"  ? StepKind::Repeat
                                            : StepKind::Tap;
            const auto& inputs = SessionInputs();
            const auto found = std::find_if(inputs.begin(), inputs.end(), [&](const Input& input) {
                return input.name == Lowered(argument);
            });
            if (found == inputs.end()) {
                Fail(number, "unknown key or control \"" + argument +
                                 "\" (F8, Shift, up, down, left, right, select, back)");
            }
            if (step.kind == StepKind::Repeat && !found->isKey) {
                Fail(number, "only keys repeat (F8, Shift), not \"" + argument + "\"");
            }
            step.input = *found;
            frameRun = frameRun || step.kind == StepKind::Tap;
        } else if (verb == "gamepad") {
            step.kind = StepKind::Gamepad;
            const std::string state = Lowered(argument);
            if (state != "on" && state != "off") {
                Fail(number, "gamepad takes on or off, not \"" + argument + "\"");
            }
            step.on = state == "on";
        } else if (verb == "wait") {
            step.kind = StepKind::Wait;
            if (!ReadCount(argument, step.frames) || step.frames < 1 || step.frames > MaxWait) {
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
            needsFrame(("snapshot \"" + argument + "\"").c_str());
            if (!snapshots.insert(Lowered(argument)).second) {
                Fail(number, "snapshot \"" + argument + "\" is taken twice");
            }
        } else {
            Fail(number, "unknown step \"" + words[0] + "\" (" + StepNames + ")");
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

} // namespace session
