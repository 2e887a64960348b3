// Wall time of one steady frame against the null host, and of pushing the
// same frame's native calls into it again: the floor.
#include "nullhost/SteadyFrames.h"
#include "tools/cli/CommandLine.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int WarmUpFrames = 100;

void StartWarm(Scenario scenario) {
    StartScenario(scenario);
    for (int i = 0; i < WarmUpFrames; ++i) {
        RunFrame();
    }
}

void Frame(benchmark::State& state, Scenario scenario) {
    StartWarm(scenario);
    state.counters["calls"] = static_cast<double>(RecordFrame().calls);
    for (auto _ : state) {
        RunFrame();
    }
}

void Replayed(benchmark::State& state, Scenario scenario) {
    StartWarm(scenario);
    const CallStream stream = RecordFrame();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Replay(stream));
    }
    state.counters["calls"] = static_cast<double>(stream.calls);
}

} // namespace

BENCHMARK_CAPTURE(Frame, closed, Scenario::Closed);
BENCHMARK_CAPTURE(Frame, open, Scenario::VoiceMenuOpen);
BENCHMARK_CAPTURE(Frame, ten_rows, Scenario::TenRowsScrolled);
BENCHMARK_CAPTURE(Frame, row_kinds, Scenario::RowKinds);
BENCHMARK_CAPTURE(Frame, mouse, Scenario::MouseOnRow);
BENCHMARK_CAPTURE(Replayed, closed, Scenario::Closed);
BENCHMARK_CAPTURE(Replayed, open, Scenario::VoiceMenuOpen);
BENCHMARK_CAPTURE(Replayed, ten_rows, Scenario::TenRowsScrolled);
BENCHMARK_CAPTURE(Replayed, row_kinds, Scenario::RowKinds);
BENCHMARK_CAPTURE(Replayed, mouse, Scenario::MouseOnRow);

// Our command line takes the library's own --benchmark_... flags through;
// anything else, or a flag the library does not know, is a mistake.
int main(int argc, char** argv) {
    CLI::App app(
        "Times steady frames (closed, open, ten_rows, mouse) and the replays of their native calls.\n"
        "Google Benchmark's --benchmark_... flags go through to it (--benchmark_filter=REGEX,\n"
        "--benchmark_repetitions=N, ...).",
        "qdt_frame_bench");
    cli::UseHelpFormat(app);
    app.allow_extras();
    app.allow_windows_style_options(false);
    if (const std::optional<int> status = cli::Parse(app, argc, argv)) {
        return *status;
    }
    const auto mistake = [&app](const std::string& argument) {
        return cli::Mistake(app, "the following argument was not expected: " + argument);
    };
    std::vector<std::string> flags = app.remaining();
    for (const std::string& flag : flags) {
        if (flag.rfind("--benchmark_", 0) != 0) {
            return mistake(flag);
        }
    }
    std::vector<char*> arguments{argv[0]};
    for (std::string& flag : flags) {
        arguments.push_back(flag.data());
    }
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (count > 1) {
        return mistake(arguments[1]);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
