// Runs scenarios against the plug-in and prints their records. Built natively
// (the module in the stand-in host) and for Windows (the DLL under the real
// loader, with the stand-in ScriptHookRDR2.dll), so the two outputs can be diffed.
#include "tests/scenarios/Machine.h"
#include "tests/scenarios/ScenarioRun.h"
#include "tools/cli/CommandLine.h"

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ScenarioNames() {
    std::vector<std::string> names;
    for (const scenario::Scenario& each : scenario::AllScenarios()) {
        names.push_back(each.name);
    }
    return names;
}

const scenario::Scenario* Find(const std::string& name) {
    for (const scenario::Scenario& candidate : scenario::AllScenarios()) {
        if (candidate.name == name) {
            return &candidate;
        }
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    std::string pluginPath;
    std::vector<std::string> names;
    bool list = false;
    CLI::App app("Runs the named scenarios (all by default) on the plug-in and prints each one's record.",
                 "qdt_scenarios");
    commandline::UseLayout(app);
    app.add_option("--plugin", pluginPath, "loads another build of the plug-in")->type_name("PATH");
    app.add_flag("--list", list, "names the scenarios");
    app.add_option("SCENARIO", names, "a scenario to run")->check(CLI::IsMember(ScenarioNames()));
    if (const std::optional<int> status = commandline::Parse(app, argc, argv)) {
        return *status;
    }
    if (list) {
        for (const std::string& name : ScenarioNames()) {
            std::printf("%s\n", name.c_str());
        }
        return 0;
    }
    std::vector<const scenario::Scenario*> chosen;
    for (const std::string& name : names) {
        chosen.push_back(Find(name));
    }
    if (chosen.empty()) {
        for (const scenario::Scenario& each : scenario::AllScenarios()) {
            chosen.push_back(&each);
        }
    }

    int failed = 0;
    try {
        scenario::PrepareProcess();
        if (pluginPath.empty()) {
            pluginPath = scenario::DefaultPluginPath();
        }
        for (const scenario::Scenario* each : chosen) {
            // The header goes out first: a crash then shows under the scenario that caused it.
            std::printf("== scenario %s\n", each->name.c_str());
            std::fflush(stdout);
            const scenario::Record record = scenario::RunScenario(*each, pluginPath);
            std::fputs(record.text.c_str(), stdout);
            std::fflush(stdout);
            if (record.failedChecks != 0) {
                std::fprintf(stderr, "%s: %d check(s) failed\n", each->name.c_str(), record.failedChecks);
                ++failed;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "scenario run failed: %s\n", error.what());
        return 1;
    }
    return failed == 0 ? 0 : 1;
}
