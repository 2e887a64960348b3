// The fuzzer's committed inputs replayed in every native build, so the
// scenarios it was seeded with, and those it once broke the menu with, keep
// passing under gcc, ASan/UBSan and TSan too.
#include "tests/fuzz/MenuScenario.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(CorpusReplayTest, EveryCommittedInputKeepsTheMenuInvariants) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QDT_FUZZ_CORPUS)) {
        const std::vector<std::uint8_t> input = ReadFile(entry.path());
        const ScenarioResult result = PlayScenario(input);
        EXPECT_EQ(result.broken, "") << entry.path().filename();
        EXPECT_GT(result.frames, 1) << entry.path().filename() << " plays frames past start-up";
        ++inputs;
    }
    EXPECT_GE(inputs, 5) << "the seed corpus is missing";
}

} // namespace
