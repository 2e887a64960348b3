// The key table is written on the host's key thread while the script reads
// it; run under ThreadSanitizer this must stay quiet.
#include "tests/support/MenuFixture.h"

#include "host/KeyStates.h"
#include "host/PluginKeys.h"
#include "sim/StandInHook.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

constexpr std::uint32_t F8 = plugin_keys::Toggle;
constexpr std::uint32_t Shift = plugin_keys::FastStep;
constexpr std::uint32_t Other = 0x41;

TEST(KeyStatesRaceTest, EventsFromAnotherThreadNeverTearAndReleasesCountOnce) {
    sim::StandInHook host; // the clock stands still: only the table is shared
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

// The whole path: key events through the registered handler on their own
// thread, while the host hands the script routine its frames on another.
using ScriptRaceTest = MenuTest;

TEST_F(ScriptRaceTest, KeyEventsArriveWhileTheScriptRunsFrames) {
    Start();
    const KeyboardHandlerFunction handler = host.keyboardHandler;
    ASSERT_NE(handler, nullptr);

    std::atomic<bool> stop{false};
    std::atomic<int> releasesSent{0};
    std::thread keys([&] {
        for (DWORD n = 0; !stop; ++n) {
            const BOOL up = n % 2;
            handler(F8, 1, 0, FALSE, FALSE, up, up);
            releasesSent += up;
            // Shift held with auto-repeats, sometimes released; and any other
            // key code, also those past the table.
            handler(Shift, static_cast<WORD>(n), 0, FALSE, FALSE, TRUE, n % 7 == 0);
            handler(n % 300, 1, 0, n % 3 == 0, n % 5 == 0, TRUE, n % 2);
        }
    });

    int toggles = 0;
    for (int frame = 0; frame < 400; ++frame) {
        host.recorder.Clear();
        Tap(frame % 2 == 0 ? Menu::DownControl : Menu::UpControl);
        for (const std::string& sound : Sounds()) {
            toggles += sound.starts_with("MENU_") ? 1 : 0;
        }
    }
    stop = true;
    keys.join();

    EXPECT_LE(toggles, releasesSent.load()) << "each toggle took a release of its own";
    const KeyState last = ReadKeyState(F8);
    if (last.isUpNow != 0 && host.tickCount - last.time < 100) {
        // The last release is fresh: the next frame takes it, and only that one.
        const bool wasOpen = Controller().isOpen;
        runner.RunFrame();
        EXPECT_NE(Controller().isOpen, wasOpen);
        const KeyState after = ReadKeyState(F8);
        EXPECT_TRUE(after.time == 0 && after.withAlt == 0 && after.wasDownBefore == 0 && after.isUpNow == 0);
        runner.RunFrame();
        EXPECT_NE(Controller().isOpen, wasOpen);
    }
}

} // namespace
