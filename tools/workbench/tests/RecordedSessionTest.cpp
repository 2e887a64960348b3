// What the workbench played, written as a session: it reads as one, and
// played in the preview's way it reaches the same pictures and the same menu.
#include "tools/workbench/tests/PlayedFrames.h"

#include "session/Play.h"
#include "session/Session.h"
#include "tools/workbench/FrameComparison.h"
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

TEST_F(RecordedSessionTest, WhatASessionCannotNameIsACommentAndTheRestStillReads) {
    Open(QDT_PLACE_OLD);
    input.Button("A", true); // Select, and the chord's button
    Frame();
    input.Button("A", false);
    Frame();
    const std::string session = workbench::WriteSession(log, Menu(), "");
    EXPECT_EQ(session, "wait 1\ngamepad on\npress select\n"
                       "# left out, sessions cannot name it: press INPUT_CONTEXT_A\n"
                       "wait 1\nrelease select\n"
                       "# left out, sessions cannot name it: release INPUT_CONTEXT_A\n"
                       "wait 1\nexpect menu closed\n");
    EXPECT_EQ(session::ParseSession(session).size(), 7u);
}

TEST(ExpectationsTest, SayTheToggleOrTheListValueAndLeaveOutWhatCannotBeQuoted) {
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
    menu.selectedRow = "Speed";
    menu.selectedToggle.reset();
    menu.selectedValue = "Fast";
    EXPECT_EQ(workbench::ExpectationsOf(menu), "expect menu open\nexpect row \"Speed\" value \"Fast\"\n");
}

} // namespace
