// The key table is written on the host's key thread while the script reads
// it; run under ThreadSanitizer this must stay quiet.
#include "host/KeyStates.h"
#include "sim/Host.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

constexpr std::uint32_t F8 = 0x77;
constexpr std::uint32_t Shift = 0x10;
constexpr std::uint32_t Other = 0x41;

TEST(KeyStatesRaceTest, EventsFromAnotherThreadNeverTearAndReleasesCountOnce) {
    sim::Host host; // the clock stands still: only the table is shared
    for (KeyState& entry : keyStates.entries) {
        entry = KeyState{};
    }

    constexpr int events = 200000;
    std::atomic<bool> done{false};
    int releasesSent = 0;
    std::thread keys([&] {
        for (int tag = 1; tag <= events; ++tag) {
            // Each event carries its tag in two fields and its kind in its parity,
            // so a reader that sees half an event can tell.
            const BOOL up = tag % 2 == 0;
            KeyboardHandler(F8, 1, 0, FALSE, tag, tag, up);
            KeyboardHandler(Shift, 1, 0, FALSE, tag, tag, up);
            KeyboardHandler(Other, 1, 0, FALSE, tag, tag, TRUE);
            releasesSent += up ? 1 : 0;
        }
        done = true;
    });

    int consumed = 0;
    int torn = 0;
    while (!done) {
        consumed += ConsumeKeyRelease(F8, 100) ? 1 : 0;
        (void)IsKeyHeld(Shift, 30000);
        const KeyState seen = ReadKeyState(Shift);
        const bool empty = seen.withAlt == 0 && seen.wasDownBefore == 0 && seen.isUpNow == 0;
        if (!empty &&
            (seen.withAlt != seen.wasDownBefore || (seen.withAlt % 2 == 0) != (seen.isUpNow != 0))) {
            ++torn;
        }
    }
    keys.join();

    EXPECT_EQ(torn, 0);
    EXPECT_LE(consumed, releasesSent) << "a release is consumed at most once";
    const KeyState last = ReadKeyState(F8);
    if (last.isUpNow != 0) {
        EXPECT_TRUE(ConsumeKeyRelease(F8, 100));
    }
    const KeyState after = ReadKeyState(F8);
    EXPECT_EQ(after.time, 0u);
    EXPECT_EQ(after.withAlt, 0);
    EXPECT_EQ(after.wasDownBefore, 0);
    EXPECT_EQ(after.isUpNow, 0);
    EXPECT_FALSE(ConsumeKeyRelease(F8, 100));
}

} // namespace
