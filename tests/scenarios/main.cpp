// Runs scenarios against the plug-in and prints their records. Built natively
// (the module in the stand-in host) and for Windows (the DLL under the real
// loader, with the stand-in ScriptHookRDR2.dll), so the two outputs can be diffed.
#include "tests/scenarios/Machine.h"
#include "tests/scenarios/ScenarioRun.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

constexpr const char* UsageText =
    "usage: qdt_scenarios [--plugin PATH] [--list] [SCENARIO...]\n"
    "  Runs the named scenarios (all by default) on the plug-in and prints each one's record;\n"
    "  --list names them, --plugin loads another build of the plug-in.\n";

int Usage() {
    std::fputs(UsageText, stderr);
    return 2;
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
    std::vector<const scenario::Scenario*> chosen;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(UsageText, stdout);
            return 0;
        }
        if (argument == "--plugin" && i + 1 < argc) {
            pluginPath = argv[++i];
        } else if (argument == "--list") {
            for (const scenario::Scenario& each : scenario::AllScenarios()) {
                std::printf("%s\n", each.name.c_str());
            }
            return 0;
        } else if (argument.rfind("--", 0) == 0) {
            std::fprintf(stderr, "unknown option or missing value: %s\n", argument.c_str());
            return Usage();
        } else if (const scenario::Scenario* named = Find(argument)) {
            chosen.push_back(named);
        } else {
            std::fprintf(stderr, "unknown scenario: %s\n", argument.c_str());
            return Usage();
        }
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
