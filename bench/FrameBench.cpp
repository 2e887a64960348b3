// Wall time of one steady frame against the null host, and of pushing the
// same frame's native calls into it again: the floor.
#include "bench/Scenarios.h"

#include <benchmark/benchmark.h>

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

BENCHMARK_MAIN();
