#include "host/NativeInvoker.h"
#include "sim/Host.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr std::uint64_t Unknown = 0x1122334455667788;

TEST(NativeInvokerTest, ArgumentsTravelZeroExtendedInPushOrder) {
    sim::Host host;
    const char* text = "VOFX_PLAYER_MALE01";
    NativeInvoker::Invoke(Unknown, -1, 0x80000000u, 1.5f, true, text, std::uint64_t{0xFFFFFFFFFFFFFFFF});

    const sim::NativeCall& call = host.recorder.Last().at(0);
    EXPECT_EQ(call.hash, Unknown);
    ASSERT_EQ(call.args.size(), 6u);
    EXPECT_EQ(call.args[0], 0x00000000FFFFFFFFull) << "never sign-extended";
    EXPECT_EQ(call.args[1], 0x0000000080000000ull);
    std::uint32_t bits = 0;
    const float half = 1.5f;
    std::memcpy(&bits, &half, sizeof bits);
    EXPECT_EQ(call.args[2], bits) << "a float keeps its IEEE bits in the low half";
    EXPECT_EQ(call.args[3], 1u);
    EXPECT_EQ(call.args[4], reinterpret_cast<std::uintptr_t>(text));
    EXPECT_EQ(call.args[5], 0xFFFFFFFFFFFFFFFFull);
}

TEST(NativeInvokerTest, ResultsAreReadFromTheLowEndOfTheSlot) {
    sim::Host host;
    host.game.answerOverride = [](const sim::NativeCall&) { return std::uint64_t{0x0000000100000000}; };
    EXPECT_FALSE(NativeInvoker::Invoke<bool>(Unknown)) << "a boolean is the low 32 bits";
    EXPECT_EQ(NativeInvoker::Invoke<std::uint32_t>(Unknown), 0u);
    EXPECT_EQ(NativeInvoker::Invoke<std::uint64_t>(Unknown), 0x0000000100000000ull);

    host.game.answerOverride = [](const sim::NativeCall&) { return std::uint64_t{0xABCDEF0012345678}; };
    EXPECT_TRUE(NativeInvoker::Invoke<bool>(Unknown));
    EXPECT_EQ(NativeInvoker::Invoke<std::uint32_t>(Unknown), 0x12345678u);
    EXPECT_EQ(NativeInvoker::Invoke<std::int32_t>(Unknown), 0x12345678);
}

TEST(NativeInvokerTest, MissingResultSlotReadsAsZero) {
    sim::Host host;
    host.nullResults = true;
    host.game.answerOverride = [](const sim::NativeCall&) { return std::uint64_t{7}; };
    EXPECT_EQ(NativeInvoker::Invoke<std::uint32_t>(Unknown), 0u);
    EXPECT_FALSE(NativeInvoker::Invoke<bool>(Unknown));
    EXPECT_EQ(host.recorder.Last().size(), 2u) << "the calls are still made";
}

} // namespace
