// Counts what one steady frame costs in ways that repeat from run to run:
//   qdt_frame_costs instructions SCENARIO frame|replay|row|list_value|page|registration|filter
//       one frame, or its replayed native calls, or the first frame after a
//       change, between callgrind's collection toggles; or registering
//       (registration) or filtering (filter) the long page's 2,000 rows (run it under
//       valgrind --tool=callgrind --collect-atstart=no)
//   qdt_frame_costs allocations SCENARIO FRAMES
//       prints the heap allocations made over FRAMES steady frames
// SCENARIO is closed, open, ten_rows, row_kinds, mouse or long_page.
#include "nullhost/AllocationCounter.h"
#include "nullhost/SteadyFrames.h"
#include "tools/cli/CommandLine.h"

#include <valgrind/callgrind.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int WarmUpFrames = 100;

void WarmUp() {
    for (int i = 0; i < WarmUpFrames; ++i) {
        RunFrame();
    }
}

// A scenario without such a change prints so and counts nothing.
int CountInstructionsAfter(Scenario scenario, Change change) {
    StartScenario(scenario);
    WarmUp();
    if (!MakeChange(change)) {
        std::puts("no such change here");
        return 0;
    }
    CALLGRIND_TOGGLE_COLLECT;
    RunFrame();
    CALLGRIND_TOGGLE_COLLECT;
    return 0;
}

// The long page's registration (under an id of its own, so no page is
// replaced) or its filtering, on its own.
int CountLongPageWork(std::string_view what) {
    StartScenario(Scenario::LongPage);
    WarmUp();
    constexpr std::int32_t SpareId = 9;
    CALLGRIND_TOGGLE_COLLECT;
    if (what == "registration") {
        RegisterLongPage(SpareId);
    } else {
        FilterLongPage("arab");
    }
    CALLGRIND_TOGGLE_COLLECT;
    return 0;
}

int CountInstructions(Scenario scenario, std::string_view what) {
    if (what == "registration" || what == "filter") {
        return CountLongPageWork(what);
    }
    if (const auto change = ChangeNamed(what)) {
        return CountInstructionsAfter(scenario, *change);
    }
    StartScenario(scenario);
    WarmUp();
    const CallStream stream = RecordFrame();
    // A first pass, as the frame had its warm-up.
    volatile std::uint64_t sink = Replay(stream);
    if (what == "frame") {
        CALLGRIND_TOGGLE_COLLECT;
        RunFrame();
        CALLGRIND_TOGGLE_COLLECT;
    } else {
        CALLGRIND_TOGGLE_COLLECT;
        sink = Replay(stream);
        CALLGRIND_TOGGLE_COLLECT;
    }
    static_cast<void>(sink);
    std::printf("%zu native calls\n", stream.calls);
    return 0;
}

int CountAllocations(Scenario scenario, int frames) {
    StartScenario(scenario);
    WarmUp();
    nullhost::allocation_counter::Start();
    for (int i = 0; i < frames; ++i) {
        RunFrame();
    }
    const std::uint64_t allocations = nullhost::allocation_counter::Stop();
    std::printf("%llu\n", static_cast<unsigned long long>(allocations));
    return 0;
}

// A subcommand's scenario argument: one of the scenarios' names.
void AddScenarioArgument(CLI::App& command, std::string& name) {
    std::vector<std::string> names;
    for (const Scenario scenario : AllScenarios) {
        names.emplace_back(ScenarioName(scenario));
    }
    command.add_option("SCENARIO", name, "the steady frame")->required()->check(CLI::IsMember(names));
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app("Counts what one steady frame costs in ways that repeat from run to run.",
                 "qdt_frame_costs");
    cli::UseHelpFormat(app);
    // At most one; none is told after the parse, so that an unknown option is told first.
    app.require_subcommand(0, 1);
    std::string scenarioName;

    CLI::App* instructions =
        app.add_subcommand("instructions", "one frame, its replayed native calls, or the first frame after a "
                                           "change, between callgrind's collection toggles "
                                           "(run it under valgrind --tool=callgrind --collect-atstart=no)");
    AddScenarioArgument(*instructions, scenarioName);
    std::string what;
    instructions
        ->add_option("WHAT", what,
                     "frame, replay, or the first frame after a change: row (another row), list_value (the "
                     "list's next value), page (another page); or the long page's registration or filter "
                     "(whatever the scenario)")
        ->required()
        ->check(CLI::IsMember({"frame", "replay", "row", "list_value", "page", "registration", "filter"}));

    CLI::App* allocations =
        app.add_subcommand("allocations", "prints the heap allocations made over FRAMES steady frames");
    AddScenarioArgument(*allocations, scenarioName);
    int frames = 0;
    allocations->add_option("FRAMES", frames, "how many frames")->required()->check(CLI::PositiveNumber);

    if (const std::optional<int> status = cli::Parse(app, argc, argv)) {
        return *status;
    }
    if (!instructions->parsed() && !allocations->parsed()) {
        return cli::Mistake(app, "a subcommand is required: instructions or allocations");
    }
    // The name was checked against the list, so it is known.
    const Scenario scenario = *ScenarioNamed(scenarioName);
    return instructions->parsed() ? CountInstructions(scenario, what) : CountAllocations(scenario, frames);
}
