// Runs one scenario against the plug-in at a path and writes down what
// happened: the machine, the registrations, every frame's native calls, the unload.
#pragma once

#include "tests/scenarios/Scenario.h"

#include "driver/GameFolder.h"
#include "driver/InputSequences.h"
#include "sim/StandInHook.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace scenario {

struct Record {
    std::string text;     // stable lines, free of addresses, the same on every machine
    int failedChecks = 0; // the host's own checks that did not hold
};

// What a session adds to a run: it watches the frames and checks the last one.
struct RunHooks {
    std::function<void(const sim::Frame& frame)> frame;
    std::function<void(std::uint32_t expectation, const sim::Frame& last, const sim::StandInHook& host)>
        expect;
    // Where a PointAtRow step puts the cursor; nothing leaves it where it is.
    std::function<std::optional<driver::InputEvent>(std::uint32_t step, const sim::Frame& last)> point;
    // Teaches the game a session's answer.
    std::function<void(std::uint32_t answer, sim::Game& game)> answer;
    // Looks at or edits the settings file on disk (ExpectSetting, WriteSetting).
    std::function<void(std::uint32_t step)> settings;
};

// The plug-in plays from the game folder: natively the stand-in answers
// with it, on Windows the module is copied in and loaded from there.
Record RunScenario(const Scenario& scenario, const std::string& pluginPath, const driver::GameFolder& folder,
                   const RunHooks& hooks = {});

} // namespace scenario
