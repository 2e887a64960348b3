// A script hook that reloads scripts loads and frees the plug-in many times in
// one game session. This loads it, opens its menu with F8, runs a frame and
// frees it again, cycle after cycle, and fails unless the process's committed
// private memory stops growing. Windows (or Wine) only.
#include "driver/Runner.h"
#include "host/PluginKeys.h"
#include "tests/scenarios/Machine.h"
#include "tests/scenarios/ScenarioRun.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

constexpr int Cycles = 200;
// What a load and unload left behind when the runtime kept its emergency
// exception pool: about 73 KiB a cycle. Once warmed up, the later half of the
// cycles must grow by less than that in all.
constexpr std::int64_t PoolBytes = 73 * 1024;

// Summed region by region: Wine answers 0 to the process memory counters.
std::int64_t CommittedPrivateBytes() {
    std::int64_t total = 0;
    MEMORY_BASIC_INFORMATION region;
    const char* address = nullptr;
    while (VirtualQuery(address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            total += static_cast<std::int64_t>(region.RegionSize);
        }
        address = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    }
    return total;
}

scenario::Scenario OpenOnce() {
    using driver::InputKind;
    return {"reload",
            {},
            scenario::Played({{InputKind::NextFrame},
                              {InputKind::KeyDown, plugin_keys::Toggle},
                              {InputKind::NextFrame},
                              {InputKind::KeyUp, plugin_keys::Toggle},
                              {InputKind::NextFrame},
                              {InputKind::NextFrame}})};
}

std::string KiB(std::int64_t bytes) {
    return std::to_string(bytes / 1024) + " KiB";
}

} // namespace

int main() {
    try {
        scenario::PrepareProcess();
        const std::string plugin = scenario::DefaultPluginPath();
        const scenario::Scenario cycle = OpenOnce();
        const driver::GameFolder folder;

        const ULONGLONG started = GetTickCount64();
        std::vector<std::int64_t> committed{CommittedPrivateBytes()};
        for (int i = 1; i <= Cycles; ++i) {
            const scenario::Record record = scenario::RunScenario(cycle, plugin, folder);
            // The open frames draw the menu; the host's checks cover registration and unloading.
            if (record.failedChecks != 0 || record.text.find("GRAPHICS::DRAW_SPRITE") == std::string::npos) {
                std::fputs(record.text.c_str(), stdout);
                std::fprintf(stderr, "cycle %d: the menu did not open, or a host check failed\n", i);
                return 1;
            }
            committed.push_back(CommittedPrivateBytes());
            if (i % 50 == 0) {
                std::printf("after %3d cycles: %s committed private\n", i, KiB(committed.back()).c_str());
            }
        }

        std::printf("%d cycles in %llu ms\n", Cycles,
                    static_cast<unsigned long long>(GetTickCount64() - started));
        const int half = Cycles / 2;
        const std::int64_t early = committed[half] - committed[0];
        const std::int64_t late = committed[Cycles] - committed[half];
        std::printf("cycles 1-%d grew %s, cycles %d-%d grew %s (less than %s needed)\n", half,
                    KiB(early).c_str(), half + 1, Cycles, KiB(late).c_str(), KiB(PoolBytes).c_str());
        if (late >= PoolBytes) {
            std::fprintf(stderr, "committed private memory still grows: %s over the last %d cycles\n",
                         KiB(late).c_str(), Cycles - half);
            return 1;
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "reload run failed: %s\n", error.what());
        return 1;
    }
}
