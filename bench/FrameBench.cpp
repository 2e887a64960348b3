// Wall time of one steady frame against the null host, and of pushing the
// same frame's native calls into it again: the floor.
#include "bench/Scenarios.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string_view>

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
BENCHMARK_CAPTURE(Replayed, closed, Scenario::Closed);
BENCHMARK_CAPTURE(Replayed, open, Scenario::VoiceMenuOpen);
BENCHMARK_CAPTURE(Replayed, ten_rows, Scenario::TenRowsScrolled);

constexpr const char* Usage =
    "usage: qdt_frame_bench [--benchmark_filter=REGEX] [--benchmark_repetitions=N] ...\n"
    "  Times steady frames (closed, open, ten_rows) and the replays of their native calls.\n";

// The library answers --help with its flags, after our usage; anything it does
// not know is a mistake.
int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--help") {
            std::fputs(Usage, stdout);
            std::fflush(stdout);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (argc > 1) {
        std::fprintf(stderr, "qdt_frame_bench: unknown argument %s\n%s", argv[1], Usage);
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
