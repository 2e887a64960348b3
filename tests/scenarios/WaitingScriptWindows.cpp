// A script that waits inside a catch-all, as a page's action that waits might,
// on the stand-in's Windows fiber: each stop (a second start, an abandonment)
// must end it at once, and it must never run again. Windows (or Wine) only;
// the native stand-in has its own test of this in tests/ScriptMainTest.cpp.
#include "driver/Runner.h"
#include "host/ScriptHook.h"
#include "sim/StandInHook.h"

#include <cstdio>

namespace {

int passes = 0;

// Four frames a pass: an action's three waits, then the loop's own.
void WaitingRoutine() {
    for (;;) {
        try {
            ++passes;
            for (int i = 0; i < 3; ++i) {
                scriptWait(0);
            }
        } catch (...) {
        }
        scriptWait(0);
    }
}

bool Expect(bool holds, int round, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "round %d: %s (%d passes)\n", round, what, passes);
    }
    return holds;
}

} // namespace

int main() {
    sim::StandInHook host;
    driver::Runner runner(host);
    host.script = &WaitingRoutine;
    for (int round = 1; round <= 3; ++round) {
        passes = 0;
        host.StartScript(); // from round 2 on, abandons the script of the round before
        runner.RunFrames(8);
        if (!Expect(passes == 2, round, "the script did not wait a frame at each wait")) {
            return 1;
        }
        host.AbandonScript();
        runner.RunFrames(4);
        if (!Expect(passes == 2, round, "the abandoned script ran again")) {
            return 1;
        }
    }
    std::puts("a waiting script was stopped by two restarts and three abandonments");
    return 0;
}
