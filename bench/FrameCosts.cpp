// Counts what one steady frame costs in ways that repeat from run to run:
//   qdt_frame_costs instructions SCENARIO frame|replay|row|list_value|page
//       one frame, or its replayed native calls, or the first frame after a
//       change, between callgrind's collection toggles (run it under
//       valgrind --tool=callgrind --collect-atstart=no)
//   qdt_frame_costs allocations SCENARIO FRAMES
//       prints the heap allocations made over FRAMES steady frames
// SCENARIO is closed, open or ten_rows.
#include "bench/AllocationCounter.h"
#include "bench/Scenarios.h"

#include <valgrind/callgrind.h>

#include <charconv>
#include <cstdio>
#include <string_view>

namespace {

constexpr int WarmUpFrames = 100;

constexpr const char* UsageText =
    "usage: qdt_frame_costs instructions closed|open|ten_rows frame|replay|row|list_value|page\n"
    "       qdt_frame_costs allocations closed|open|ten_rows FRAMES\n"
    "  instructions: one frame, or its replayed native calls, or the first frame after\n"
    "  a change (another row, the list's next value, another page), between callgrind's\n"
    "  collection toggles; allocations: heap allocations over FRAMES steady frames.\n";

int Usage() {
    std::fputs(UsageText, stderr);
    return 2;
}

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

int CountInstructions(Scenario scenario, std::string_view what) {
    if (const auto change = ChangeNamed(what)) {
        return CountInstructionsAfter(scenario, *change);
    }
    if (what != "frame" && what != "replay") {
        return Usage();
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

int CountAllocations(Scenario scenario, std::string_view framesText) {
    int frames = 0;
    const auto [end, error] =
        std::from_chars(framesText.data(), framesText.data() + framesText.size(), frames);
    if (error != std::errc() || end != framesText.data() + framesText.size() || frames <= 0) {
        return Usage();
    }
    StartScenario(scenario);
    WarmUp();
    AllocationCounter::Start();
    for (int i = 0; i < frames; ++i) {
        RunFrame();
    }
    const std::uint64_t allocations = AllocationCounter::Stop();
    std::printf("%llu\n", static_cast<unsigned long long>(allocations));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(UsageText, stdout);
        return 0;
    }
    if (argc != 4) {
        return Usage();
    }
    const std::string_view command = argv[1];
    const auto scenario = ScenarioNamed(argv[2]);
    if (!scenario) {
        return Usage();
    }
    if (command == "instructions") {
        return CountInstructions(*scenario, argv[3]);
    }
    if (command == "allocations") {
        return CountAllocations(*scenario, argv[3]);
    }
    return Usage();
}
