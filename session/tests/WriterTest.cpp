// The session language's writer: each step of every kind, read from a line,
// is written as the line that reads back as the same step.
#include "session/Writer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SessionWriterTest, EveryStepIsWrittenAsALineThatReadsBackAsTheSameStep) {
    // As written by hand, then as the writer writes it.
    const std::pair<std::string, std::string> lines[] = {
        {"wait 2", "wait 2"},
        {"PRESS f8", "press f8"},
        {"release shift", "release shift"},
        {"repeat F8", "repeat f8"},
        {"tap down", "tap down"},
        {"tap down 3", "tap down 3"},
        {"press F6", "press F6"},
        {"tap a", "tap A"},
        {"release 0x75", "release F6"},
        {"repeat 7", "repeat 7"},
        {"tap 0x1b 2", "tap 0x1B 2"},
        {"restart", "restart"},
        {"expect setting \"camp.hour\" \"13\"", "expect setting \"camp.hour\" \"13\""},
        {"write setting \"menu.key\" \"F6\"", "write setting \"menu.key\" \"F6\""},
        {"click", "tap mouse-left"},
        {"right click", "tap mouse-right"},
        {"wheel up", "tap wheel-up"},
        {"chord", "chord"},
        {"gamepad on", "gamepad on"},
        {"gamepad off", "gamepad off"},
        {"pass 250 ms", "pass 250 ms"},
        {"globals lost", "globals lost"},
        {"point at row 3", "point at row 3"},
        {"point at 0.1 0.7", "point at 0.1 0.7"},
        {"type \"Sa\\\"die\\n\"", "type \"Sa\\\"die\\n\""},
        {"answer CLOCK::GET_CLOCK_HOURS() -> 21", "answer CLOCK::GET_CLOCK_HOURS() -> 21"},
        {"tap page-down", "tap page-down"},
        {"keyboard done", "keyboard done"},
        {"keyboard cancel", "keyboard cancel"},
        {"snapshot open-2", "snapshot open-2"},
        {"expect menu open", "expect menu open"},
        {"expect menu closed", "expect menu closed"},
        {"expect page \"Camp\"", "expect page \"Camp\""},
        {"expect page \"Camp\" \"Tents\"", "expect page \"Camp\" \"Tents\""},
        {"expect counter 2 of 9", "expect counter 2 of 9"},
        {"expect row \"Speed\"", "expect row \"Speed\""},
        {"expect row \"Speed\" value \"Fast\"", "expect row \"Speed\" value \"Fast\""},
        {"expect row \"Grid\" on", "expect row \"Grid\" on"},
        {"expect row \"Grid\" off", "expect row \"Grid\" off"},
        {"expect row \"Buy\" right \"$25\"", "expect row \"Buy\" right \"$25\""},
        {"expect row \"Buy\" disabled", "expect row \"Buy\" disabled"},
        {"expect row \"Buy\" enabled", "expect row \"Buy\" enabled"},
        {"expect description \"Only at night.\"", "expect description \"Only at night.\""},
        {"expect voice VOFX_PLAYER_MALE01", "expect voice VOFX_PLAYER_MALE01"},
        {"expect sound NAV_UP", "expect sound NAV_UP"},
        {"expect call AUDIO::PLAY_SOUND_FRONTEND(\"SELECT\", *, ...)",
         "expect call AUDIO::PLAY_SOUND_FRONTEND(\"SELECT\", *, ...)"},
        {"expect no call CLOCK::GET_CLOCK_HOURS()", "expect no call CLOCK::GET_CLOCK_HOURS()"},
    };
    std::string script;
    for (const auto& [written, canonical] : lines) {
        script += written + "\n";
    }
    const std::vector<session::SessionStep> steps = session::ParseSession(script);
    ASSERT_EQ(steps.size(), std::size(lines));
    std::string rewritten;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(session::StepLine(steps[i]), lines[i].second) << lines[i].first;
        rewritten += session::StepLine(steps[i]) + "\n";
    }
    const std::vector<session::SessionStep> again = session::ParseSession(rewritten);
    ASSERT_EQ(again.size(), steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(again[i].kind, steps[i].kind) << lines[i].first;
        EXPECT_EQ(again[i].input.code, steps[i].input.code) << lines[i].first;
        EXPECT_EQ(again[i].times, steps[i].times) << lines[i].first;
        EXPECT_EQ(session::StepLine(again[i]), lines[i].second) << "read back: " << lines[i].first;
    }
}

} // namespace
