#include "session/Session.h"

#include "driver/Runner.h"
#include "host/GameControls.h"
#include "host/MenuControls.h"
#include "host/PluginKeys.h"
#include "session/Reading.h"
#include "session/Words.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <set>
#include <sstream>

namespace session {
namespace {

constexpr int MaxWait = 100000;
constexpr int MaxPass = 60000;
constexpr const char* StepNames =
    "press, release, repeat, tap, chord, gamepad, wait, pass, globals lost, "
    "point at, click, right click, wheel, type, keyboard, expect, snapshot, answer, restart, write setting";
constexpr int MaxRow = 100000;
constexpr int MaxTimes = 1000;

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

void ReadExpect(Reading& line, SessionStep& step) {
    if (line.words.size() >= 2 && Lowered(line.words[1]) == "setting") {
        ReadExpectSetting(line, step);
        return;
    }
    line.NeedsFrame("expect");
    try {
        step.expectation =
            ParseExpectation(std::string_view(line.text).substr(line.text.find(line.words[0]) + 6));
    } catch (const std::invalid_argument& mistake) {
        line.Fail(mistake.what());
    }
}

void ReadChord(Reading& line, SessionStep&) {
    if (line.words.size() != 1) {
        line.Fail("chord takes no argument, got \"" + line.source + "\"");
    }
    line.frameRun = true;
}

void ReadGlobalsLost(Reading& line, SessionStep&) {
    if (line.words.size() != 2 || Lowered(line.words[1]) != "lost") {
        line.Fail("write \"globals lost\", not \"" + line.source + "\"");
    }
}

void ReadPass(Reading& line, SessionStep& step) {
    const std::vector<std::string>& words = line.words;
    int milliseconds = 0;
    if (words.size() != 3 || Lowered(words[2]) != "ms" || !ReadCount(words[1], milliseconds) ||
        milliseconds < 1 || milliseconds > MaxPass) {
        line.Fail("write \"pass N ms\", N from 1 to " + std::to_string(MaxPass) + ", not \"" + line.source +
                  "\"");
    }
    step.milliseconds = static_cast<std::uint32_t>(milliseconds);
}

void ReadInput(Reading& line, SessionStep& step) {
    const std::string& argument = line.words[1];
    const auto& inputs = SessionInputs();
    const auto found = std::find_if(inputs.begin(), inputs.end(),
                                    [&](const Input& input) { return input.name == Lowered(argument); });
    if (found != inputs.end()) {
        step.input = *found;
    } else if (const std::optional<Input> key = KeyNamed(argument)) {
        step.input = *key;
    } else {
        line.Fail("unknown key or control \"" + argument +
                  "\" (F8, Shift, up, down, left, right, select, back, page-up, page-down, mouse-left, "
                  "mouse-right, wheel-up, wheel-down, or a key: F1 to F12, A to Z, 0 to 9, 0x01 to 0xFE)");
    }
    if (step.kind == StepKind::Repeat && !step.input.isKey) {
        line.Fail("only keys repeat (F8, Shift, F1, A, ...), not \"" + argument + "\"");
    }
    line.frameRun = line.frameRun || step.kind == StepKind::Tap;
}

// A tap's count, the line's word at `at` when there is one.
void ReadTimes(Reading& line, SessionStep& step, std::size_t at) {
    if (line.words.size() <= at) {
        return;
    }
    if (line.words.size() > at + 1 || !ReadCount(line.words[at], step.times) || step.times < 1 ||
        step.times > MaxTimes) {
        line.Fail("a count of taps is a number from 1 to " + std::to_string(MaxTimes) + ", as in \"" +
                  line.words[0] + " ... 3\", not \"" + line.source + "\"");
    }
}

void ReadTap(Reading& line, SessionStep& step) {
    if (line.words.size() < 2) {
        line.Fail("expected a step and one argument, as in \"press F8\", got \"" + line.source + "\"");
    }
    ReadInput(line, step);
    ReadTimes(line, step, 2);
}

void ReadGamepad(Reading& line, SessionStep& step) {
    const std::string& argument = line.words[1];
    const std::string state = Lowered(argument);
    if (state != "on" && state != "off") {
        line.Fail("gamepad takes on or off, not \"" + argument + "\"");
    }
    step.on = state == "on";
}

void ReadWait(Reading& line, SessionStep& step) {
    const std::string& argument = line.words[1];
    if (!ReadCount(argument, step.frames) || step.frames < 1 || step.frames > MaxWait) {
        line.Fail("wait takes a number of frames from 1 to " + std::to_string(MaxWait) + ", not \"" +
                  argument + "\"");
    }
    line.frameRun = true;
}

void ReadSnapshot(Reading& line, SessionStep& step) {
    const std::string& argument = line.words[1];
    step.name = argument;
    if (!SafeName(argument)) {
        line.Fail("snapshot names use letters, digits, \".\", \"_\" and \"-\" only, not \"" + argument +
                  "\"");
    }
    line.NeedsFrame("snapshot \"" + argument + "\"");
    if (!line.snapshots.insert(Lowered(argument)).second) {
        line.Fail("snapshot \"" + argument + "\" is taken twice");
    }
}

// The mouse: the cursor onto a row or a place, the buttons and the wheel
// (taps of their controls).

const Input& InputNamed(std::string_view name) {
    const auto& inputs = SessionInputs();
    return *std::find_if(inputs.begin(), inputs.end(),
                         [&](const Input& input) { return input.name == name; });
}

void TapOf(Reading& line, SessionStep& step, std::string_view input) {
    step.kind = StepKind::Tap;
    step.input = InputNamed(input);
    line.frameRun = true;
}

// Any float strtof reads, "nan" and "inf" included: a session may hand the
// plug-in a place the game should never report.
bool ReadFraction(const std::string& text, float& value) {
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size();
}

void ReadPoint(Reading& line, SessionStep& step) {
    const std::vector<std::string>& words = line.words;
    const bool at = words.size() == 4 && Lowered(words[1]) == "at";
    if (at && Lowered(words[2]) == "row") {
        if (!ReadCount(words[3], step.row) || step.row < 1 || step.row > MaxRow) {
            line.Fail("point at row takes a row from 1 to " + std::to_string(MaxRow) + ", not \"" + words[3] +
                      "\"");
        }
        step.kind = StepKind::PointAtRow;
    } else if (!at || !ReadFraction(words[2], step.x) || !ReadFraction(words[3], step.y)) {
        line.Fail("write \"point at row N\" or \"point at X Y\" (fractions of the screen), not \"" +
                  line.source + "\"");
    }
}

void ReadClick(Reading& line, SessionStep& step) {
    TapOf(line, step, "mouse-left");
    ReadTimes(line, step, 1);
}

void ReadRightClick(Reading& line, SessionStep& step) {
    if (line.words.size() < 2 || Lowered(line.words[1]) != "click") {
        line.Fail("unknown step \"" + line.words[0] + "\" (" + StepNames + ")");
    }
    TapOf(line, step, "mouse-right");
    ReadTimes(line, step, 2);
}

void ReadWheel(Reading& line, SessionStep& step) {
    const std::string way = line.words.size() >= 2 ? Lowered(line.words[1]) : "";
    if (way != "up" && way != "down") {
        line.Fail("write \"wheel up\" or \"wheel down\", not \"" + line.source + "\"");
    }
    TapOf(line, step, way == "up" ? "wheel-up" : "wheel-down");
    ReadTimes(line, step, 2);
}

// The game's on-screen keyboard: what its box holds, and its end.

void ReadType(Reading& line, SessionStep& step) {
    std::vector<Word> typed;
    try {
        typed = SplitWords(line.text);
    } catch (const std::invalid_argument& mistake) {
        line.Fail(mistake.what());
    }
    if (typed.size() != 2 || !typed[1].quoted) {
        line.Fail("type takes one text in double quotes, as in type \"Arthur\", not \"" + line.source + "\"");
    }
    step.text = typed[1].text;
}

void ReadKeyboardEnd(Reading& line, SessionStep& step) {
    const std::string end = line.words.size() == 2 ? Lowered(line.words[1]) : "";
    if (end != "done" && end != "cancel") {
        line.Fail("write \"keyboard done\" or \"keyboard cancel\", not \"" + line.source + "\"");
    }
    step.kind = end == "done" ? StepKind::KeyboardDone : StepKind::KeyboardCancel;
}

// A mod's answer for the stand-in game, from this step on.
void ReadAnswer(Reading& line, SessionStep& step) {
    try {
        const std::string_view written =
            std::string_view(line.text).substr(line.text.find(line.words[0]) + 6);
        step.answer = ParseAnswer(written);
        // Kept as written, so the session's writer gives the same line back.
        const std::size_t first = written.find_first_not_of(" \t");
        const std::size_t last = written.find_last_not_of(" \t\r\n");
        step.text =
            first == std::string_view::npos ? "" : std::string(written.substr(first, last - first + 1));
    } catch (const std::invalid_argument& mistake) {
        line.Fail(mistake.what());
    }
}

// Each step by its verb: the kind it makes, whether it takes exactly one
// argument, and what reads the rest of its line.
struct StepForm {
    std::string_view verb;
    StepKind kind;
    bool oneArgument;
    void (*read)(Reading& line, SessionStep& step);
};

constexpr StepForm StepForms[] = {
    {"press", StepKind::Press, true, ReadInput},
    {"release", StepKind::Release, true, ReadInput},
    {"repeat", StepKind::Repeat, true, ReadInput},
    {"tap", StepKind::Tap, false, ReadTap},
    {"chord", StepKind::Chord, false, ReadChord},
    {"gamepad", StepKind::Gamepad, true, ReadGamepad},
    {"wait", StepKind::Wait, true, ReadWait},
    {"pass", StepKind::Pass, false, ReadPass},
    {"globals", StepKind::LoseGlobals, false, ReadGlobalsLost},
    {"expect", StepKind::Expect, false, ReadExpect},
    {"snapshot", StepKind::Snapshot, true, ReadSnapshot},
    {"point", StepKind::PointAt, false, ReadPoint},
    {"click", StepKind::Tap, false, ReadClick},
    {"right", StepKind::Tap, false, ReadRightClick},
    {"wheel", StepKind::Tap, false, ReadWheel},
    {"type", StepKind::Type, false, ReadType},
    {"keyboard", StepKind::KeyboardDone, false, ReadKeyboardEnd},
    {"answer", StepKind::Answer, false, ReadAnswer},
    {"restart", StepKind::Restart, false, ReadRestart},
    {"write", StepKind::WriteSetting, false, ReadWriteSetting},
};

const StepForm* FormOf(std::string_view verb) {
    for (const StepForm& form : StepForms) {
        if (form.verb == verb) {
            return &form;
        }
    }
    return nullptr;
}

SessionStep ReadStep(Reading& line) {
    SessionStep step;
    step.line = line.number;
    step.source = line.source;
    const StepForm* form = FormOf(Lowered(line.words[0]));
    if ((form == nullptr || form->oneArgument) && line.words.size() != 2) {
        line.Fail("expected a step and one argument, as in \"press F8\", got \"" + line.source + "\"");
    }
    if (form == nullptr) {
        line.Fail("unknown step \"" + line.words[0] + "\" (" + StepNames + ")");
    }
    step.kind = form->kind;
    form->read(line, step);
    return step;
}

} // namespace

const std::vector<Input>& SessionInputs() {
    // The game's menu controls, as the plug-in queries them.
    static const std::vector<Input> inputs = {
        {"f8", true, plugin_keys::Toggle},
        {"shift", true, plugin_keys::FastStep},
        {"up", false, Menu::UpControl},
        {"down", false, Menu::DownControl},
        {"left", false, Menu::LeftControl},
        {"right", false, Menu::RightControl},
        {"select", false, Menu::SelectControl},
        {"back", false, Menu::BackControl},
        {"page-up", false, Menu::PageUpControl},
        {"page-down", false, Menu::PageDownControl},
        {"mouse-left", false, control::INPUT_CURSOR_ACCEPT},
        {"mouse-right", false, control::INPUT_CURSOR_CANCEL},
        {"wheel-up", false, control::INPUT_CURSOR_SCROLL_UP},
        {"wheel-down", false, control::INPUT_CURSOR_SCROLL_DOWN},
    };
    return inputs;
}

std::vector<SessionStep> ParseSession(std::string_view script) {
    // Some editors start a UTF-8 file with a byte-order mark.
    constexpr std::string_view ByteOrderMark = "\xef\xbb\xbf";
    if (script.starts_with(ByteOrderMark)) {
        script.remove_prefix(ByteOrderMark.size());
    }
    std::vector<SessionStep> steps;
    Reading line;
    std::istringstream lines{std::string(script)};
    for (std::string written; std::getline(lines, written);) {
        ++line.number;
        line.text = WithoutComment(written);
        line.words = Words(line.text);
        if (line.words.empty()) {
            continue;
        }
        const std::size_t first = line.text.find_first_not_of(" \t\r");
        line.source = line.text.substr(first, line.text.find_last_not_of(" \t\r") + 1 - first);
        steps.push_back(ReadStep(line));
    }
    return steps;
}

} // namespace session
