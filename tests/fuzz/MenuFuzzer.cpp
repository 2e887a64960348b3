// libFuzzer entry: each input is one scenario; a broken invariant aborts the
// run so that libFuzzer keeps the input. At exit it prints how many frames
// the run played.
#include "tests/fuzz/MenuScenario.h"

#include <cstdio>
#include <cstdlib>

namespace {

long long framesPlayed = 0;
long long scenariosPlayed = 0;

void PrintFrames() {
    std::fprintf(stderr, "menu fuzzer: %lld frames in %lld scenarios\n", framesPlayed, scenariosPlayed);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::atexit(PrintFrames);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ScenarioResult result = PlayScenario({data, size});
    framesPlayed += result.frames;
    ++scenariosPlayed;
    if (!result.broken.empty()) {
        std::fprintf(stderr, "broken invariant: %s\n", result.broken.c_str());
        std::abort();
    }
    return 0;
}
