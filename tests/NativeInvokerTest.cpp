#include "tests/TestNatives.h"

#include "host/NativeInvoker.h"
#include "sim/StandInHook.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr std::uint64_t Unknown = 0x1122334455667788;

std::uint64_t BitsOf(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(NativeInvokerTest, ArgumentsTravelZeroExtendedInPushOrder) {
    sim::StandInHook host;
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
    sim::StandInHook host;
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
    sim::StandInHook host;
    host.nullResults = true;
    host.game.answerOverride = [](const sim::NativeCall&) { return std::uint64_t{7}; };
    EXPECT_EQ(NativeInvoker::Invoke<std::uint32_t>(Unknown), 0u);
    EXPECT_FALSE(NativeInvoker::Invoke<bool>(Unknown));
    EXPECT_EQ(host.recorder.Last().size(), 2u) << "the calls are still made";
}

TEST(NativeInvokerTest, AFloatResultIsTheLowHalfsIeeeBits) {
    sim::StandInHook host;
    // The high half holds whatever the game left there.
    host.game.answerOverride = [](sim::NativeCall&) { return 0xDEAD000000000000 | BitsOf(1.5f); };
    EXPECT_EQ(NativeInvoker::Invoke<float>(Unknown), 1.5f) << "not 1069547520, the bits read as a number";
    host.game.answerOverride = [](sim::NativeCall&) { return BitsOf(-0.25f); };
    EXPECT_EQ(NativeInvoker::Invoke<float>(Unknown), -0.25f);
}

TEST(NativeInvokerTest, ATextResultIsTheWholeSlotAndNullStaysNull) {
    sim::StandInHook host;
    test_natives::AddToStandIn();
    static const char typed[] = "Arthur";
    host.game.answerOverride = [](sim::NativeCall&) { return reinterpret_cast<std::uintptr_t>(typed); };
    const char* text = NativeInvoker::Invoke<const char*>(test_natives::KeyboardResult);
    EXPECT_EQ(text, typed);
    host.game.answerOverride = [](sim::NativeCall&) { return std::uint64_t{0}; };
    EXPECT_EQ(NativeInvoker::Invoke<const char*>(test_natives::KeyboardResult), nullptr);

    const std::vector<std::string> calls = host.recorder.DescribeLast();
    EXPECT_EQ(calls.at(0), "MISC::GET_ONSCREEN_KEYBOARD_RESULT() -> \"Arthur\"") << "by its text, no address";
    EXPECT_EQ(calls.at(1), "MISC::GET_ONSCREEN_KEYBOARD_RESULT() -> null");
}

TEST(NativeInvokerTest, AVectorResultIsThreeFloatsEachInItsOwnSlot) {
    sim::StandInHook host;
    test_natives::AddToStandIn();
    host.game.answerOverride = [](sim::NativeCall& call) -> std::optional<std::uint64_t> {
        call.SetVectorResult(1.5f, -2.0f, 3.25f);
        return std::nullopt;
    };
    const NativeInvoker::Vector3 at =
        NativeInvoker::Invoke<NativeInvoker::Vector3>(test_natives::Position, 42);
    EXPECT_EQ(at.x, 1.5f);
    EXPECT_EQ(at.y, -2.0f);
    EXPECT_EQ(at.z, 3.25f);
    EXPECT_EQ(host.recorder.DescribeLast().at(0), "TEST::POSITION_OF(42) -> (1.5, -2, 3.25)");

    host.nullResults = true;
    const NativeInvoker::Vector3 none =
        NativeInvoker::Invoke<NativeInvoker::Vector3>(test_natives::Position, 42);
    EXPECT_EQ(none.x + none.y + none.z, 0.0f) << "no result slot reads as the origin";
}

TEST(NativeInvokerTest, AnOutParameterIsAnsweredThroughAndRecordedByWhatItHolds) {
    sim::StandInHook host;
    test_natives::AddToStandIn();
    host.game.answerOverride = [](sim::NativeCall& call) -> std::optional<std::uint64_t> {
        call.WriteThrough(2, call.Float(0) + call.Float(1));
        return 1;
    };
    float ground = -1.0f;
    EXPECT_TRUE(NativeInvoker::Invoke<bool>(test_natives::GroundHeight, 40.0f, 10.25f, &ground));
    EXPECT_EQ(ground, 50.25f);
    NativeInvoker::Invoke<bool>(test_natives::GroundHeight, 1.0f, 2.0f, static_cast<float*>(nullptr));
    const std::vector<std::string> calls = host.recorder.DescribeLast();
    EXPECT_EQ(calls.at(0), "TEST::GROUND_HEIGHT_AT(40, 10.25, &50.25) -> 1") << "the target after the call";
    EXPECT_EQ(calls.at(1), "TEST::GROUND_HEIGHT_AT(1, 2, null) -> 1") << "a null one is not written through";
}

} // namespace
