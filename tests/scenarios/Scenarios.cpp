#include "tests/scenarios/Scenario.h"

#include "driver/InputSequences.h"
#include "host/GameWindow.h"
#include "host/MenuControls.h"

#include <cctype>
#include <initializer_list>
#include <string>

namespace scenario {
namespace {

using Steps = std::vector<Step>;
using Menu::DownControl;

Steps Join(std::initializer_list<Steps> parts) {
    Steps joined;
    for (const Steps& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

Steps Frames(int count) {
    return Steps(static_cast<std::size_t>(count), Step{});
}

Steps ToggleWithF8() {
    return Played(driver::ToggleWithF8());
}

Steps Tap(std::uint32_t control) {
    return Played(driver::TapControl(control));
}

// Opening and moving: what a window setup changes shows in the drawn menu.
Steps OpenAndMove() {
    return Join({Frames(1), ToggleWithF8(), Tap(DownControl), Frames(1)});
}

// What a session file can say lives in tests/sessions/; these need a game
// window of another size or title, or none, a second start of the script or
// an unload in the middle.
std::vector<Scenario> MakeScenarios() {
    const WindowSetup fullScreen{};
    const WindowSetup narrow{WindowKind::Exact, 1280, 720};
    return {
        {"window_1280_wide", narrow, OpenAndMove()},
        {"window_absent", {WindowKind::Absent}, OpenAndMove()},
        {"window_title_off_by_one", {WindowKind::TitleOffByOne, 1280, 720}, OpenAndMove()},
        {"window_title_in_other_case", {WindowKind::OtherCase, 1280, 720}, OpenAndMove()},
        {"script_restart", fullScreen,
         Join({Frames(1),
               ToggleWithF8(),
               Tap(DownControl),
               {{StepKind::RestartScript}},
               Frames(2),
               ToggleWithF8()})},
        {"unload_while_open", fullScreen,
         Join({Frames(1), ToggleWithF8(), Tap(DownControl), {{StepKind::Unload}}})},
    };
}

} // namespace

Step Played(driver::InputEvent event) {
    return {StepKind::Input, 0, event};
}

Steps Played(const driver::InputSequence& sequence) {
    Steps steps;
    for (const driver::InputEvent& event : sequence) {
        steps.push_back(Played(event));
    }
    return steps;
}

const char* WindowTitle(WindowKind kind) {
    // Every letter in the other case; the last character one further on.
    static const std::string otherCase = [] {
        std::string title = GameWindowTitle;
        for (char& c : title) {
            const auto letter = static_cast<unsigned char>(c);
            c = static_cast<char>(std::isupper(letter) ? std::tolower(letter) : std::toupper(letter));
        }
        return title;
    }();
    static const std::string offByOne = [] {
        std::string title = GameWindowTitle;
        ++title.back();
        return title;
    }();
    switch (kind) {
    case WindowKind::Exact:
        return GameWindowTitle;
    case WindowKind::OtherCase:
        return otherCase.c_str();
    case WindowKind::TitleOffByOne:
        return offByOne.c_str();
    case WindowKind::Absent:
        break;
    }
    return nullptr;
}

const std::vector<Scenario>& AllScenarios() {
    static const std::vector<Scenario> scenarios = MakeScenarios();
    return scenarios;
}

} // namespace scenario
