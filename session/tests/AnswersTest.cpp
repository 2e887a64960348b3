// A mod's answers for the stand-in game: read as the native's result type,
// mistakes named, and held by the game from the moment they are taught.
#include "session/Answers.h"

#include "host/Natives.h"
#include "sim/NativeTable.h"
#include "tests/support/RecordedCall.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

using session::ParseAnswer;

std::string MistakeOf(const std::string& text) {
    try {
        ParseAnswer(text);
    } catch (const std::invalid_argument& mistake) {
        return mistake.what();
    }
    return "no mistake";
}

TEST(AnswersTest, TheValueIsReadAsTheNativesResultType) {
    struct Case {
        const char* line;
        std::uint64_t value;
    };
    const Case cases[] = {
        {"CLOCK::GET_CLOCK_HOURS() -> 22", 22},
        {"CLOCK::GET_CLOCK_HOURS() -> -3", 0xfffffffdu},
        {"PLAYER::PLAYER_ID() -> 0x2A", 42},
        {"HUD::_UI_PROMPT_IS_VALID(*) -> true", 1},
        {"HUD::_UI_PROMPT_IS_VALID(7) -> false", 0},
        {"PAD::GET_DISABLED_CONTROL_NORMAL(0, INPUT_CURSOR_X) -> 0.25", std::bit_cast<std::uint32_t>(0.25f)},
    };
    for (const Case& each : cases) {
        const session::TaughtAnswer answer = ParseAnswer(each.line);
        EXPECT_EQ(answer.value, each.value) << each.line;
        EXPECT_FALSE(answer.isText) << each.line;
    }
    const session::TaughtAnswer text =
        ParseAnswer("MISC::GET_ONSCREEN_KEYBOARD_RESULT() -> \"Dutch \\\"v\\\"\"");
    EXPECT_TRUE(text.isText);
    EXPECT_EQ(text.text, "Dutch \"v\"");
}

TEST(AnswersTest, AMistakeSaysWhatTheNativeAnswers) {
    const std::pair<const char*, const char*> cases[] = {
        {"CLOCK::GET_CLOCK_HOURS()", "write answer NAMESPACE::NAME(ARGUMENTS) -> VALUE"},
        {"CLOCK::GET_CLOCK_HOURS() -> \"ten\"", "CLOCK::GET_CLOCK_HOURS answers a whole number, not \"ten\""},
        {"CLOCK::GET_CLOCK_HOURS() -> 2147483648",
         "CLOCK::GET_CLOCK_HOURS answers a whole number from -2147483648 to 2147483647, not \"2147483648\""},
        {"HUD::_UI_PROMPT_IS_VALID(*) -> yes", "HUD::_UI_PROMPT_IS_VALID answers true or false, not \"yes\""},
        {"PAD::GET_DISABLED_CONTROL_NORMAL(0, *) -> half",
         "PAD::GET_DISABLED_CONTROL_NORMAL answers a number, not \"half\""},
        {"MISC::GET_ONSCREEN_KEYBOARD_RESULT() -> Dutch",
         "MISC::GET_ONSCREEN_KEYBOARD_RESULT answers a text in double quotes, not \"Dutch\""},
        {"CLOCK::GET_CLOCK_HOURS() -> 1 2", "an answer is one value after \"->\", not \" 1 2\""},
        {"CLOCK::SET_CLOCK_TIME(*, *, *) -> 1",
         "CLOCK::SET_CLOCK_TIME has no result an answer can give (int, float, bool or text)"},
        {"CLOCK::GET_CLOCK_HOURS(1) -> 1", "CLOCK::GET_CLOCK_HOURS takes 0 argument(s), the pattern has 1"},
    };
    for (const auto& [line, mistake] : cases) {
        EXPECT_EQ(MistakeOf(line), mistake) << line;
    }
    EXPECT_NE(MistakeOf("CLOCK::GET_CLOCK_HOUR() -> 1").find("CLOCK::GET_CLOCK_HOURS"), std::string::npos);
}

// Taught answers come after the game's own, only for the calls they match,
// the later of two for one call holding.
TEST(AnswersTest, TheGameAnswersWhatItWasTaughtFromThenOn) {
    sim::Game game;
    sim::NativeCall hours = RecordedCall(native::GetClockHours);
    EXPECT_EQ(game.Answer(hours), 12u) << "the stand-in's own clock";
    session::Teach(game, ParseAnswer("CLOCK::GET_CLOCK_HOURS() -> 22"));
    EXPECT_EQ(game.Answer(hours), 22u);
    session::Teach(game, ParseAnswer("ATTRIBUTE::_GET_ATTRIBUTE_CORE_VALUE(*, 1) -> 7"));
    session::Teach(game, ParseAnswer("CLOCK::GET_CLOCK_HOURS() -> 5"));
    EXPECT_EQ(game.Answer(hours), 5u) << "the later answer";
    sim::NativeCall stamina = RecordedCall(native::GetAttributeCoreValue, {game.playerCharacter, 1});
    sim::NativeCall health = RecordedCall(native::GetAttributeCoreValue, {game.playerCharacter, 0});
    EXPECT_EQ(game.Answer(stamina), 7u);
    EXPECT_EQ(game.Answer(health), 100u) << "another argument: the game's own answer";

    session::Teach(game, ParseAnswer("MISC::GET_ONSCREEN_KEYBOARD_RESULT() -> \"Dutch\""));
    sim::NativeCall typed = RecordedCall(native::OnscreenKeyboardResult);
    const auto* text = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(game.Answer(typed)));
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "Dutch");
}

} // namespace
