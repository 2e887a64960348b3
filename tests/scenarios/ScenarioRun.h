// Runs one scenario against the plug-in at a path and writes down what
// happened: the machine, the registrations, every frame's native calls, the unload.
#pragma once

#include "tests/scenarios/Scenario.h"

#include <string>

namespace scenario {

struct Record {
    std::string text;     // stable lines, free of addresses, the same on every machine
    int failedChecks = 0; // the host's own checks that did not hold
};

Record RunScenario(const Scenario& scenario, const std::string& pluginPath);

} // namespace scenario
