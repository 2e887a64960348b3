#include "host/KeyStates.h"
#include "host/PluginKeys.h"
#include "sim/StandInHook.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr std::uint32_t F8 = plugin_keys::Toggle;
constexpr std::uint32_t Shift = plugin_keys::FastStep;

class KeyStatesTest : public ::testing::Test {
  protected:
    KeyStatesTest() {
        for (KeyState& entry : keyStates.entries) {
            entry = KeyState{};
        }
        host.tickCount = 50000;
    }
    void Press(std::uint32_t key) { KeyboardHandler(key, 1, 0, FALSE, FALSE, FALSE, FALSE); }
    void Release(std::uint32_t key) { KeyboardHandler(key, 1, 0, FALSE, TRUE, TRUE, TRUE); }
    static bool IsEmpty(const KeyState& s) {
        return s.time == 0 && s.withAlt == 0 && s.wasDownBefore == 0 && s.isUpNow == 0;
    }

    sim::StandInHook host;
};

TEST_F(KeyStatesTest, StoresEventsUpToKey254AndIgnoresHigherCodes) {
    Release(254);
    const KeyState stored = ReadKeyState(254);
    EXPECT_EQ(stored.time, 50000u);
    EXPECT_EQ(stored.withAlt, TRUE);
    EXPECT_EQ(stored.wasDownBefore, TRUE);
    EXPECT_EQ(stored.isUpNow, TRUE);

    Release(255);
    Release(0x1000);
    EXPECT_FALSE(ConsumeKeyRelease(255, 100));
    EXPECT_TRUE(IsEmpty(ReadKeyState(255)));

    // 255 is one past the table. An off-by-one check would write the event
    // over the bytes after the entries (the tick count's upper bytes land in
    // the padding), or read the held lock there as a young key event.
    host.tickCount = 0x12345678;
    const auto* tail = reinterpret_cast<const unsigned char*>(&keyStates) + sizeof(keyStates.entries);
    std::vector<unsigned char> before(tail, tail + (sizeof(KeyStateTable) - sizeof(keyStates.entries)));
    Release(255);
    Press(255);
    EXPECT_EQ(std::vector<unsigned char>(tail, tail + before.size()), before);
    EXPECT_FALSE(IsKeyHeld(255, UINT32_MAX));
    EXPECT_FALSE(ConsumeKeyRelease(255, UINT32_MAX));
}

TEST_F(KeyStatesTest, HeldF8NeverTogglesAndAReleaseCountsOnceWithin100ms) {
    Press(F8);
    host.tickCount += 5000;
    EXPECT_FALSE(ConsumeKeyRelease(F8, 100));

    Release(F8);
    host.tickCount += 99;
    EXPECT_TRUE(ConsumeKeyRelease(F8, 100));
    EXPECT_TRUE(IsEmpty(ReadKeyState(F8)));
    host.tickCount += 16;
    EXPECT_FALSE(ConsumeKeyRelease(F8, 100));
}

TEST_F(KeyStatesTest, LateReleaseIsIgnoredAndKept) {
    Release(F8);
    host.tickCount += 100;
    EXPECT_FALSE(ConsumeKeyRelease(F8, 100));
    const KeyState kept = ReadKeyState(F8);
    EXPECT_EQ(kept.time, 50000u);
    EXPECT_EQ(kept.isUpNow, TRUE);
}

TEST_F(KeyStatesTest, ShiftIsHeldWhileItsLastEventIsAYoungPress) {
    EXPECT_FALSE(IsKeyHeld(Shift, 30000)) << "an empty entry is never held";
    Press(Shift);
    host.tickCount += 2000;
    EXPECT_TRUE(IsKeyHeld(Shift, 30000));
    EXPECT_TRUE(IsKeyHeld(Shift, 30000)) << "asking changes nothing";
    host.tickCount += 28000;
    EXPECT_FALSE(IsKeyHeld(Shift, 30000)) << "30 s after the last press";

    Press(Shift);
    EXPECT_TRUE(IsKeyHeld(Shift, 30000));
    Release(Shift);
    EXPECT_FALSE(IsKeyHeld(Shift, 30000));
}

TEST_F(KeyStatesTest, EmptyEntryIsNotHeldEarlyAfterBoot) {
    host.tickCount = 1200;
    EXPECT_FALSE(IsKeyHeld(Shift, 30000));
}

TEST_F(KeyStatesTest, WindowsSurviveTheTickCountWrap) {
    // Read just before the wrap, while time + window has already wrapped.
    host.tickCount = 0xFFFFFFF0u;
    Release(F8);
    Press(Shift);
    host.tickCount += 5;
    EXPECT_TRUE(IsKeyHeld(Shift, 30000));
    EXPECT_TRUE(ConsumeKeyRelease(F8, 100));

    // Read just after the wrap.
    Release(F8);
    host.tickCount += 0x30;
    EXPECT_TRUE(IsKeyHeld(Shift, 30000));
    EXPECT_TRUE(ConsumeKeyRelease(F8, 100));

    // A stale release near the wrap does not look young.
    host.tickCount = 0xFFFFFF00u;
    Release(F8);
    host.tickCount += 0x200;
    EXPECT_FALSE(ConsumeKeyRelease(F8, 100));
}

} // namespace
