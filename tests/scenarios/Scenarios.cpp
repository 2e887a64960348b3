#include "tests/scenarios/Scenario.h"

#include "driver/Runner.h"

#include <initializer_list>

namespace scenario {
namespace {

using Steps = std::vector<Step>;

// The game's controls as the player uses them.
constexpr std::uint32_t SelectControl = 0x43dbf61f;
constexpr std::uint32_t BackControl = 0x308588e6;
constexpr std::uint32_t UpControl = 0x911cb09e;
constexpr std::uint32_t DownControl = 0x4403f97f;
constexpr std::uint32_t ChordModifier = 0x17bec168; // held ...
constexpr std::uint32_t ChordButton = 0x5181713d;   // ... while this one is released

Steps Join(std::initializer_list<Steps> parts) {
    Steps joined;
    for (const Steps& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

Steps Frames(int count) {
    return Steps(static_cast<std::size_t>(count), Step{StepKind::Frame});
}

// F8 goes down in one frame and comes up right before the next, so the
// release is read well inside its 100 ms on either machine.
Steps ToggleWithF8() {
    return {
        {StepKind::KeyDown, sim::KeyF8}, {StepKind::Frame}, {StepKind::KeyUp, sim::KeyF8}, {StepKind::Frame}};
}

// A control pressed for one frame and released in the next.
Steps Tap(std::uint32_t control) {
    return {{StepKind::PressControl, control},
            {StepKind::Frame},
            {StepKind::ReleaseControl, control},
            {StepKind::Frame}};
}

Steps Repeat(int count, const Steps& steps) {
    Steps repeated;
    for (int i = 0; i < count; ++i) {
        repeated.insert(repeated.end(), steps.begin(), steps.end());
    }
    return repeated;
}

Steps ToggleWithChord() {
    return {{StepKind::PressControl, ChordModifier},
            {StepKind::PressControl, ChordButton},
            {StepKind::Frame},
            {StepKind::ReleaseControl, ChordButton},
            {StepKind::Frame},
            {StepKind::ReleaseControl, ChordModifier},
            {StepKind::Frame}};
}

// Opening and moving: what a window setup changes shows in the drawn menu.
Steps OpenAndMove() {
    return Join({Frames(1), ToggleWithF8(), Tap(DownControl), Frames(1)});
}

std::vector<Scenario> MakeScenarios() {
    const WindowSetup fullScreen{};
    const WindowSetup narrow{WindowKind::Exact, 1280, 720};
    return {
        {"start_up", fullScreen, Frames(1)},
        {"closed_frames", fullScreen, Frames(4)},
        {"open_with_f8",
         fullScreen,
         {{StepKind::Frame},
          {StepKind::KeyDown, sim::KeyF8},
          {StepKind::Frame},
          {StepKind::KeyRepeat, sim::KeyF8},
          {StepKind::Frame},
          {StepKind::KeyUp, sim::KeyF8},
          {StepKind::Frame},
          {StepKind::Frame},
          {StepKind::KeyDown, sim::KeyF8},
          {StepKind::KeyUp, sim::KeyF8},
          {StepKind::Frame},
          {StepKind::Frame}}},
        {"late_f8_release", fullScreen,
         Join({Frames(1),
               {{StepKind::KeyDown, sim::KeyF8}, {StepKind::KeyUp, sim::KeyF8}, {StepKind::PassTime, 250}},
               Frames(2),
               ToggleWithF8()})},
        {"move_without_shift", fullScreen,
         Join({Frames(1), ToggleWithF8(), Repeat(2, Tap(DownControl)), Repeat(3, Tap(UpControl)),
               Tap(DownControl)})},
        {"move_with_shift", fullScreen,
         Join({Frames(1),
               ToggleWithF8(),
               {{StepKind::KeyDown, sim::KeyShift}},
               Tap(DownControl),
               Tap(UpControl),
               Tap(UpControl),
               {{StepKind::KeyUp, sim::KeyShift}},
               Tap(UpControl)})},
        {"select_voice", fullScreen,
         Join({Frames(1), ToggleWithF8(), Repeat(3, Tap(DownControl)), Tap(SelectControl), Frames(1),
               Tap(DownControl), Tap(SelectControl)})},
        {"gamepad", fullScreen,
         Join({{{StepKind::UseGamepad}},
               Frames(1),
               ToggleWithChord(),
               Tap(DownControl),
               Tap(SelectControl),
               ToggleWithChord(),
               {{StepKind::UseKeyboard}},
               Frames(1)})},
        {"gamepad_without_global", fullScreen,
         Join({{{StepKind::LoseGlobals}, {StepKind::UseGamepad}}, Frames(1), ToggleWithF8(), Frames(2)})},
        {"back_at_top_level", fullScreen,
         Join({Frames(1), ToggleWithF8(), Repeat(2, Tap(DownControl)), Tap(BackControl), Frames(1),
               ToggleWithF8(), Frames(1)})},
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

const char* WindowTitle(WindowKind kind) {
    switch (kind) {
    case WindowKind::Exact:
        return "Red Dead Redemption 2";
    case WindowKind::OtherCase:
        return "RED DEAD redemption 2";
    case WindowKind::TitleOffByOne:
        return "Red Dead Redemption 3";
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
