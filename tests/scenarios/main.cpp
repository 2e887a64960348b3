// Runs scenarios and session files against the plug-in and prints their
// records. Built natively (the module in the stand-in host) and for Windows
// (the DLL under the real loader, with the stand-in ScriptHookRDR2.dll), so
// the two outputs can be diffed.
#include "session/Session.h"
#include "tests/scenarios/Machine.h"
#include "tests/scenarios/ScenarioRun.h"
#include "tests/scenarios/SessionScenario.h"
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

// Prints the record (unless only checking) and the failed host checks; 1 when any failed.
int Report(const std::string& name, const scenario::Record& record, bool checkOnly) {
    if (!checkOnly || record.failedChecks != 0) {
        std::fputs(record.text.c_str(), stdout);
        std::fflush(stdout);
    }
    if (record.failedChecks != 0) {
        std::fprintf(stderr, "%s: %d check(s) failed\n", name.c_str(), record.failedChecks);
        return 1;
    }
    return 0;
}

// The folder a scenario or session plays in: the one given, shared by all;
// else a fresh one of its own, so no session finds another's settings.
class GameFolders {
  public:
    explicit GameFolders(const std::string& given) {
        if (!given.empty()) {
            shared_.emplace(given);
        }
    }
    const driver::GameFolder& Next() {
        if (shared_) {
            return *shared_;
        }
        own_.reset();
        own_.emplace();
        return *own_;
    }

  private:
    std::optional<driver::GameFolder> shared_;
    std::optional<driver::GameFolder> own_;
};

} // namespace

int main(int argc, char** argv) {
    std::string pluginPath;
    std::vector<std::string> names;
    std::vector<std::string> sessions;
    std::string answers;
    std::string gameFolder;
    bool list = false;
    bool checkOnly = false;
    CLI::App app("Runs the named scenarios and sessions (all scenarios when none is named) on the plug-in\n"
                 "and prints each one's record. A session's failed expectations go to standard error as\n"
                 "FILE:LINE: expected ..., the frame showed ...; any of them, or a failed host check,\n"
                 "ends it with status 1.",
                 "qdt_scenarios");
    cli::UseHelpFormat(app);
    app.add_option("--plugin", pluginPath, "loads another build of the plug-in")->type_name("PATH");
    app.add_flag("--list", list, "names the scenarios");
    app.add_option("--session", sessions, "plays a session file too (repeatable)")
        ->type_name("FILE")
        ->allow_extra_args(false);
    app.add_option("--answers", answers, "the answer lines every session starts with (a mod's natives)")
        ->type_name("FILE");
    app.add_option(
           "--game-folder", gameFolder,
           "the game's folder the plug-in plays in and keeps its settings (NAME.ini) in, shared by all "
           "that are played; by default each plays in a fresh one, removed after it")
        ->type_name("DIR");
    app.add_flag("--check", checkOnly, "prints no record, only what failed");
    app.add_option("SCENARIO", names, "a scenario to run")->check(CLI::IsMember(ScenarioNames()));
    if (const std::optional<int> status = cli::Parse(app, argc, argv)) {
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
    if (chosen.empty() && sessions.empty()) {
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
        GameFolders folders(gameFolder);
        for (const scenario::Scenario* each : chosen) {
            // The header goes out first: a crash then shows under the scenario that caused it.
            if (!checkOnly) {
                std::printf("== scenario %s\n", each->name.c_str());
                std::fflush(stdout);
            }
            failed += Report(each->name, scenario::RunScenario(*each, pluginPath, folders.Next()), checkOnly);
        }
        for (const std::string& path : sessions) {
            if (!checkOnly) {
                std::printf("== session %s\n", scenario::SessionName(path).c_str());
                std::fflush(stdout);
            }
            const scenario::SessionRecord played =
                scenario::RunSessionFile(path, pluginPath, folders.Next(), answers);
            for (const std::string& failure : played.failures) {
                std::fprintf(stderr, "%s\n", failure.c_str());
            }
            failed += Report(played.name, played.record, checkOnly) + (played.failures.empty() ? 0 : 1);
        }
    } catch (const session::SessionError& error) {
        std::fprintf(stderr, "qdt_scenarios: %s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "scenario run failed: %s\n", error.what());
        return 1;
    }
    return failed == 0 ? 0 : 1;
}
