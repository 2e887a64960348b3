// What the workbench played, written as a session: it reads as one, and
// played in the preview's way it reaches the same pictures and the same menu.
#include "tools/workbench/tests/PlayedFrames.h"

#include "session/Play.h"
#include "session/Session.h"
#include "tools/workbench/FrameComparison.h"
#include "tools/workbench/PadMapping.h"
#include "tools/workbench/RecordedSession.h"

#include "sim/Game.h"

#include <optional>
#include <sstream>

namespace {

using played_frames::PlayedFrames;

class RecordedSessionTest : public PlayedFrames {};

TEST_F(RecordedSessionTest, PlaysBackToTheSamePicturesAndTheMenuTheWorkbenchShowed) {
    Open(QDT_PLACE_OLD);
    Keys({SDLK_F8, SDLK_DOWN, SDLK_RETURN, SDLK_RETURN});
    log.Snapshot("grid-on");
    const sim::Frame gridOn = host.recorder.Last();
    Keys({SDLK_DOWN, SDLK_RIGHT, SDLK_g});
    for (int chord = 0; chord < 2; ++chord) { // closes, opens again where it was
        Keys({SDLK_c});
        Frame();
    }
    const readback::MenuState shown = Menu();
    ASSERT_TRUE(shown.open);

    const std::string session = workbench::WriteSession(log, shown, "played in a test\nsecond line");
    EXPECT_EQ(session, "# played in a test\n# second line\n"
                       "wait 1\npress F8\nrelease F8\nwait 2\n"
                       "press down\nwait 1\nrelease down\nwait 1\n"
                       "press select\nwait 1\nrelease select\nwait 1\n"
                       "press select\nwait 1\nrelease select\nwait 1\n"
                       "snapshot grid-on\n"
                       "press down\nwait 1\nrelease down\nwait 1\n"
                       "press right\nwait 1\nrelease right\nwait 1\n"
                       "gamepad on\nwait 2\n"
                       "chord\nchord\n"
                       "expect menu open\n"
                       "expect page \"Place Test\" \"Tools\"\n"
                       "expect counter 2 of 5\n"
                       "expect row \"Speed\" value \"Normal\"\n");

    // Played again from the start, as the preview would: a fresh module in a fresh game.
    live.Unload();
    host.game = sim::Game{};
    ASSERT_EQ(live.Replace(QDT_PLACE_OLD), "");
    std::optional<sim::Frame> snapshot;
    std::vector<std::string> shortfalls;
    session::SessionObserver observer;
    observer.snapshot = [&](const session::SessionStep&, int, const sim::Frame& frame) { snapshot = frame; };
    observer.expectation = [&](const session::SessionStep& step,
                               const std::optional<std::string>& shortfall) {
        if (shortfall) {
            shortfalls.push_back(step.source + ": " + *shortfall);
        }
    };
    const int frames = session::RunSession(session::ParseSession(session), runner, observer);
    EXPECT_EQ(shortfalls, std::vector<std::string>{}) << "the recorded expectations hold when played back";
    EXPECT_EQ(frames, log.Frames());
    ASSERT_TRUE(snapshot.has_value());
    EXPECT_TRUE(workbench::SameDrawing(*snapshot, gridOn));
    EXPECT_EQ(workbench::ExpectationsOf(Menu()), workbench::ExpectationsOf(shown));
    EXPECT_TRUE(host.game.gamepad);
}

// A player's own keys (a rebound menu key, a hotkey) are written by the names
// a session reads back as the same keys.
TEST_F(RecordedSessionTest, PlayersKeysAreWrittenByTheirNames) {
    Open(QDT_PLACE_OLD);
    Keys({SDLK_F6, SDLK_a, SDLK_7});
    const std::string session = workbench::WriteSession(log, Menu(), "");
    EXPECT_NE(session.find("press F6\nrelease F6\n"), std::string::npos) << session;
    EXPECT_NE(session.find("press A\nrelease A\n"), std::string::npos) << session;
    EXPECT_NE(session.find("press 7\nrelease 7\n"), std::string::npos) << session;
    EXPECT_EQ(session.find("left out"), std::string::npos) << session;
    const std::vector<session::SessionStep> steps = session::ParseSession(session);
    EXPECT_TRUE(std::any_of(steps.begin(), steps.end(), [](const session::SessionStep& step) {
        return step.kind == session::StepKind::Press && step.input.isKey && step.input.code == 0x75;
    }));
}

// A controller as a player holds it: buttons down and up a frame or more
// apart, the chord pressed in any order. Written as the moves they made, it
// plays back to the same page and row, and a chord selects nothing.
TEST_F(RecordedSessionTest, AControllerRunPlaysBackAsWhatWasPlayed) {
    Open(QDT_PLACE_OLD);
    // "+A" presses A, "-A" lets it go, "-RB-A" both at once; each then a frame, "|" a frame alone.
    const auto play = [&](std::initializer_list<std::string_view> moves) {
        for (std::string_view move : moves) {
            while (move != "|" && !move.empty()) {
                const std::size_t next = std::min(move.find_first_of("+-", 1), move.size());
                input.Button(move.substr(1, next - 1), move[0] == '+');
                move.remove_prefix(next);
            }
            Frame();
        }
    };
    play({"+RB", "|", "+A", "-A", "-RB"}); // the chord opens the menu
    std::string_view stick = workbench::StickDirection(SDL_CONTROLLER_AXIS_LEFTY, 30000, "");
    input.Button(stick, true);
    Frame();
    input.Button(stick, false);
    stick = workbench::StickDirection(SDL_CONTROLLER_AXIS_LEFTY, 0, stick);
    EXPECT_EQ(stick, "") << "the stick back in the middle";
    play({"|", "+A", "|", "-A", "+B", "-B", "+A", "-A"}); // into "Tools", out and in again
    play({"+A", "-A"});                                   // "Show grid" on
    play({"+D-pad down", "-D-pad down", "+D-pad right", "-D-pad right", "+D-pad down", "-D-pad down"});
    play({"+X", "-X"});                                // on "Speak up"; X sets nothing the menu reads
    play({"+RB", "+A", "|", "-A", "-RB"});             // the chord closes the menu
    play({"+A", "+RB", "-A", "-RB", "|"});             // A first, then RB: opens it
    play({"+RB", "+A", "-A", "+A", "-A", "-RB", "|"}); // two chords, RB held down
    play({"+D-pad up", "-D-pad up", "+D-pad up", "-D-pad up"});
    play({"+RB", "+A", "-RB-A", "|"}); // RB let go with A: no chord, A selects: "Show grid" off
    const readback::MenuState shown = Menu();
    ASSERT_EQ(workbench::ExpectationsOf(shown), "expect menu open\nexpect page \"Place Test\" \"Tools\"\n"
                                                "expect counter 1 of 5\nexpect row \"Show grid\" off\n");
    ASSERT_EQ(host.game.voices.count(host.game.playerCharacter), 0u) << "no chord selected \"Speak up\"";

    const std::string session = workbench::WriteSession(log, shown, "");
    std::size_t chords = 0;
    std::size_t selects = 0;
    std::size_t comments = 0;
    std::istringstream lines(session);
    for (std::string line; std::getline(lines, line);) {
        chords += line == "chord" ? 1 : 0;
        selects += line == "press select" ? 1 : 0;
        comments += line.starts_with("#") ? 1 : 0;
    }
    EXPECT_EQ(chords, 5u) << session;
    EXPECT_EQ(selects, 4u) << "a chord's A is no Select\n" << session;
    EXPECT_EQ(comments, 2u) << "only X's control is left out\n" << session;

    live.Unload();
    host.game = sim::Game{};
    ASSERT_EQ(live.Replace(QDT_PLACE_OLD), "");
    std::vector<std::string> shortfalls;
    session::SessionObserver observer;
    observer.expectation = [&](const session::SessionStep& step,
                               const std::optional<std::string>& shortfall) {
        if (shortfall) {
            shortfalls.push_back(step.source + ": " + *shortfall);
        }
    };
    session::RunSession(session::ParseSession(session), runner, observer);
    EXPECT_EQ(shortfalls, std::vector<std::string>{}) << session;
    EXPECT_EQ(workbench::ExpectationsOf(Menu()), workbench::ExpectationsOf(shown)) << session;
    EXPECT_EQ(host.game.voices.count(host.game.playerCharacter), 0u) << session;
    EXPECT_TRUE(host.game.gamepad);
}

TEST_F(RecordedSessionTest, ALabelWithQuotesIsWrittenEscapedAndPlaysBack) {
    Open(QDT_PLACE_OLD);
    Keys({SDLK_F8, SDLK_DOWN, SDLK_RETURN, SDLK_UP}); // Tools, up from the first row to the last
    const readback::MenuState shown = Menu();
    ASSERT_EQ(shown.selectedRow, "The \"last\" row");

    const std::string session = workbench::WriteSession(log, shown, "");
    EXPECT_NE(session.find("expect row \"The \\\"last\\\" row\"\n"), std::string::npos) << session;

    live.Unload();
    host.game = sim::Game{};
    ASSERT_EQ(live.Replace(QDT_PLACE_OLD), "");
    int expectations = 0;
    session::SessionObserver observer;
    observer.expectation = [&](const session::SessionStep& step,
                               const std::optional<std::string>& shortfall) {
        ++expectations;
        EXPECT_FALSE(shortfall) << step.source << ": " << *shortfall;
    };
    session::RunSession(session::ParseSession(session), runner, observer);
    EXPECT_EQ(expectations, 4) << "menu, page, counter and the row";
}

TEST(ExpectationsTest, SayTheToggleTheValueRightHandTextAndADisabledRowAndQuoteEveryText) {
    readback::MenuState menu;
    menu.open = true;
    menu.title = "Place Test";
    menu.subtitle = "Tools";
    menu.counter = readback::RowCounter{1, 5};
    menu.selectedRow = "Show grid";
    menu.selectedToggle = false;
    EXPECT_EQ(workbench::ExpectationsOf(menu), "expect menu open\nexpect page \"Place Test\" \"Tools\"\n"
                                               "expect counter 1 of 5\nexpect row \"Show grid\" off\n");
    menu.subtitle = "The \"best\" tools";
    menu.counter.reset();
    menu.selectedRow = "Speed\n";
    menu.selectedToggle.reset();
    menu.selectedValue = "Fast";
    EXPECT_EQ(workbench::ExpectationsOf(menu), "expect menu open\n"
                                               "expect page \"Place Test\" \"The \\\"best\\\" tools\"\n"
                                               "expect row \"Speed\\n\" value \"Fast\"\n");
    menu.selectedRow = "Buy horse";
    menu.selectedValue.clear();
    menu.selectedRight = "$25";
    menu.selectedDisabled = true;
    EXPECT_EQ(workbench::ExpectationsOf(menu), "expect menu open\n"
                                               "expect page \"Place Test\" \"The \\\"best\\\" tools\"\n"
                                               "expect row \"Buy horse\"\n"
                                               "expect row \"Buy horse\" right \"$25\"\n"
                                               "expect row \"Buy horse\" disabled\n");
}

} // namespace
