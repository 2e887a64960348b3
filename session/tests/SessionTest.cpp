#include "session/Play.h"

#include "host/GameControls.h"
#include "host/MenuControls.h"
#include "host/Natives.h"
#include "host/PluginKeys.h"
#include "session/tests/ParseError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace {

using session::ParseSession;
using session::SessionError;
using session::StepKind;

struct KeyEvent {
    std::uint32_t key;
    bool wasDownBefore;
    bool isUpNow;
    std::uint32_t time;
};

std::vector<KeyEvent> keyEvents;

void RecordKey(DWORD key, WORD, BYTE, BOOL, BOOL, BOOL wasDownBefore, BOOL isUpNow) {
    keyEvents.push_back({key, wasDownBefore != 0, isUpNow != 0, sim::StandInHook::Active()->tickCount});
}

// Asks the stand-in game what the plug-in would be told.
bool Ask(sim::StandInHook& host, std::uint64_t hash, std::vector<std::uint64_t> args) {
    sim::NativeCall call;
    call.hash = hash;
    call.texts.resize(args.size());
    call.args = std::move(args);
    return host.game.Answer(call) != 0;
}

TEST(SessionTest, ReadsEveryStepWithItsLine) {
    const auto steps = ParseSession("# a comment\n"
                                    "wait 2   # start-up\n"
                                    "PRESS f8\n"
                                    "release Shift\n"
                                    "tap down\n"
                                    "\n"
                                    "gamepad on\n"
                                    "snapshot 01-open.menu_a\n");
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[0].kind, StepKind::Wait);
    EXPECT_EQ(steps[0].frames, 2);
    EXPECT_EQ(steps[0].line, 2);
    EXPECT_EQ(steps[0].source, "wait 2");
    EXPECT_EQ(steps[1].kind, StepKind::Press);
    EXPECT_TRUE(steps[1].input.isKey);
    EXPECT_EQ(steps[1].input.code, plugin_keys::Toggle);
    EXPECT_EQ(steps[2].kind, StepKind::Release);
    EXPECT_EQ(steps[2].input.code, plugin_keys::FastStep);
    EXPECT_EQ(steps[3].kind, StepKind::Tap);
    EXPECT_FALSE(steps[3].input.isKey);
    EXPECT_EQ(steps[4].kind, StepKind::Gamepad);
    EXPECT_TRUE(steps[4].on);
    EXPECT_EQ(steps[5].kind, StepKind::Snapshot);
    EXPECT_EQ(steps[5].name, "01-open.menu_a");
    EXPECT_EQ(steps[5].line, 8);
}

TEST(SessionTest, TheDefaultSessionReads) {
    const auto steps = session::LoadSession(QDT_DEFAULT_SESSION);
    int snapshots = 0;
    for (const auto& step : steps) {
        snapshots += step.kind == StepKind::Snapshot ? 1 : 0;
    }
    EXPECT_GE(snapshots, 3);
}

TEST(SessionTest, MistakesNameTheirLine) {
    EXPECT_EQ(
        ErrorOf("wait 1\njump F8"),
        "line 2: unknown step \"jump\" (press, release, repeat, tap, chord, gamepad, wait, pass, globals "
        "lost, point at, click, right click, wheel, type, keyboard, expect, snapshot, answer, restart, "
        "write setting)");
    EXPECT_EQ(ErrorOf("chord F8"), "line 1: chord takes no argument, got \"chord F8\"");
    EXPECT_EQ(
        ErrorOf("press F13"),
        "line 1: unknown key or control \"F13\" (F8, Shift, up, down, left, right, select, back, "
        "page-up, page-down, mouse-left, mouse-right, wheel-up, wheel-down, or a key: F1 to F12, A to Z, "
        "0 to 9, 0x01 to 0xFE)");
    EXPECT_EQ(ErrorOf("press"),
              "line 1: expected a step and one argument, as in \"press F8\", got \"press\"");
    EXPECT_EQ(ErrorOf("wait 1 2"),
              "line 1: expected a step and one argument, as in \"press F8\", got \"wait 1 2\"");
    EXPECT_EQ(ErrorOf("gamepad maybe"), "line 1: gamepad takes on or off, not \"maybe\"");
    for (const char* wait : {"wait 0", "wait -1", "wait 3x", "wait 100001", "wait 99999999999"}) {
        EXPECT_NE(ErrorOf(wait).find("wait takes a number of frames from 1 to 100000"), std::string::npos)
            << wait;
    }
    EXPECT_EQ(ErrorOf("snapshot open"),
              "line 1: snapshot \"open\" before any frame has run (add \"wait 1\")");
    EXPECT_EQ(ErrorOf("wait 1\nsnapshot a\nsnapshot A"), "line 3: snapshot \"A\" is taken twice")
        << "names that differ in case are one file on some systems";
}

TEST(SessionTest, TheMouseAndTheKeyboardStepsRead) {
    const auto steps = ParseSession("point at row 3\npoint at 0.25 1e-1\npoint at nan -inf\nclick\n"
                                    "Right Click\nwheel down\nwheel UP\ntap mouse-left\n"
                                    "type \"Arthur \\\"Morgan\\\"\"\nkeyboard done\nkeyboard cancel");
    ASSERT_EQ(steps.size(), 11u);
    EXPECT_EQ(steps[0].kind, StepKind::PointAtRow);
    EXPECT_EQ(steps[0].row, 3);
    EXPECT_EQ(steps[1].kind, StepKind::PointAt);
    EXPECT_EQ(steps[1].x, 0.25f);
    EXPECT_EQ(steps[1].y, 0.1f);
    EXPECT_TRUE(std::isnan(steps[2].x)) << "a place the game should never report can still be played";
    EXPECT_EQ(steps[2].y, -std::numeric_limits<float>::infinity());
    const std::pair<std::size_t, std::uint32_t> taps[] = {{3, control::INPUT_CURSOR_ACCEPT},
                                                          {4, control::INPUT_CURSOR_CANCEL},
                                                          {5, control::INPUT_CURSOR_SCROLL_DOWN},
                                                          {6, control::INPUT_CURSOR_SCROLL_UP},
                                                          {7, control::INPUT_CURSOR_ACCEPT}};
    for (const auto& [at, control] : taps) {
        EXPECT_EQ(steps[at].kind, StepKind::Tap) << steps[at].source;
        EXPECT_EQ(steps[at].input.code, control) << steps[at].source;
        EXPECT_FALSE(steps[at].input.isKey) << steps[at].source;
    }
    EXPECT_EQ(steps[8].kind, StepKind::Type);
    EXPECT_EQ(steps[8].text, "Arthur \"Morgan\"");
    EXPECT_EQ(steps[9].kind, StepKind::KeyboardDone);
    EXPECT_EQ(steps[10].kind, StepKind::KeyboardCancel);
    EXPECT_EQ(ErrorOf("click\nexpect menu open"), "no error") << "a click runs frames";
}

TEST(SessionTest, TheMouseAndTheKeyboardStepsNameTheirMistakes) {
    EXPECT_EQ(ErrorOf("point at row 0"), "line 1: point at row takes a row from 1 to 100000, not \"0\"");
    EXPECT_EQ(ErrorOf("point at row x"), "line 1: point at row takes a row from 1 to 100000, not \"x\"");
    for (const char* wrong : {"point at 0.5", "point 0.5 0.5", "point at 0.5 half", "point at 1 2 3"}) {
        EXPECT_EQ(ErrorOf(wrong),
                  std::string("line 1: write \"point at row N\" or \"point at X Y\" (fractions "
                              "of the screen), not \"") +
                      wrong + "\"");
    }
    EXPECT_EQ(
        ErrorOf("click twice"),
        "line 1: a count of taps is a number from 1 to 1000, as in \"click ... 3\", not \"click twice\"");
    EXPECT_EQ(ErrorOf("wheel left"), "line 1: write \"wheel up\" or \"wheel down\", not \"wheel left\"");
    EXPECT_EQ(ErrorOf("type Arthur"),
              "line 1: type takes one text in double quotes, as in type \"Arthur\", not \"type Arthur\"");
    EXPECT_EQ(
        ErrorOf("type \"a\" \"b\""),
        "line 1: type takes one text in double quotes, as in type \"Arthur\", not \"type \"a\" \"b\"\"");
    EXPECT_NE(ErrorOf("type \"open").find("line 1: "), std::string::npos) << "a quote left open";
    EXPECT_EQ(ErrorOf("keyboard"),
              "line 1: write \"keyboard done\" or \"keyboard cancel\", not \"keyboard\"");
}

TEST(SessionTest, SnapshotNamesCannotLeaveTheOutputFolder) {
    for (const char* name : {"../escape", "/etc/x", "a/b", ".hidden", "..", "a\\b", "x:y"}) {
        EXPECT_NE(ErrorOf(std::string("wait 1\nsnapshot ") + name).find("snapshot names use letters"),
                  std::string::npos)
            << name;
    }
    EXPECT_NE(ErrorOf("wait 1\nsnapshot " + std::string(65, 'a')).find("snapshot names use letters"),
              std::string::npos);
}

std::string LoadErrorOf(const std::string& path) {
    try {
        session::LoadSession(path);
    } catch (const SessionError& error) {
        return error.what();
    }
    return "no error";
}

TEST(SessionTest, AFileThatCannotBeReadIsAnErrorWithTheReason) {
    EXPECT_EQ(LoadErrorOf("/nonexistent/none.session"),
              "cannot read session /nonexistent/none.session: No such file or directory");
    const std::string folder = std::filesystem::temp_directory_path().string();
    EXPECT_EQ(LoadErrorOf(folder), "cannot read session " + folder + ": it is a directory")
        << "not an empty session";
}

TEST(SessionTest, AByteOrderMarkAtTheStartIsSkipped) {
    const auto steps = ParseSession("\xef\xbb\xbfwait 2\nsnapshot a");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].source, "wait 2");
    EXPECT_EQ(steps[0].frames, 2);
    EXPECT_EQ(
        ErrorOf("wait 1\n\xef\xbb\xbfwait 1"),
        "line 2: unknown step \"\xef\xbb\xbfwait\" (press, release, repeat, tap, chord, gamepad, "
        "wait, pass, globals lost, point at, click, right click, wheel, type, keyboard, expect, snapshot, "
        "answer, restart, write setting)")
        << "only at the start of the file";

    const std::string path = std::filesystem::temp_directory_path() / "qdt_session_bom.session";
    std::ofstream(path, std::ios::binary) << "\xef\xbb\xbf# from an editor that marks UTF-8\ntap F8\n";
    const auto loaded = session::LoadSession(path);
    std::filesystem::remove(path);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].kind, StepKind::Tap);
}

class SessionRunTest : public ::testing::Test {
  protected:
    SessionRunTest() {
        keyEvents.clear();
        host.RegisterKeyboardHandler(&RecordKey);
    }

    sim::StandInHook host;
    driver::Runner runner{host};
};

TEST_F(SessionRunTest, KeysGoThroughTheKeyboardHandlerAndRepeatWhileHeld) {
    session::RunSession(ParseSession("press F8\npress F8\nwait 1\nrelease F8\npress shift"), runner, {});
    ASSERT_EQ(keyEvents.size(), 4u);
    EXPECT_EQ(keyEvents[0].key, plugin_keys::Toggle);
    EXPECT_FALSE(keyEvents[0].wasDownBefore);
    EXPECT_FALSE(keyEvents[0].isUpNow);
    EXPECT_TRUE(keyEvents[1].wasDownBefore) << "a second press while held is a repeat";
    EXPECT_TRUE(keyEvents[2].isUpNow);
    EXPECT_GT(keyEvents[2].time, keyEvents[1].time) << "the frame moved the clock on";
    EXPECT_EQ(keyEvents[3].key, plugin_keys::FastStep);
    EXPECT_FALSE(keyEvents[3].wasDownBefore) << "Shift was never down before";
}

TEST_F(SessionRunTest, TimeGlobalsAndRepeatsReachTheHost) {
    const std::uint32_t start = host.tickCount;
    session::RunSession(session::ParseSession("wait 1\npass 250 ms\nglobals lost\nrepeat F8"), runner, {});
    EXPECT_EQ(host.tickCount - start, 16u + 250u) << "a frame's 16 ms and the time passed";
    EXPECT_TRUE(host.game.globalsMissing);
    ASSERT_EQ(keyEvents.size(), 1u);
    EXPECT_TRUE(keyEvents[0].wasDownBefore) << "a repeat, though no press came before";
    EXPECT_EQ(keyEvents[0].time, start + 266u);
}

TEST_F(SessionRunTest, ControlsAndTheInputDeviceReachTheGame) {
    session::RunSession(ParseSession("press down\ngamepad on\npress select"), runner, {});
    EXPECT_TRUE(Ask(host, native::ControlJustPressed, {0, control::INPUT_GAME_MENU_DOWN}));
    EXPECT_TRUE(Ask(host, native::ControlPressedDisabledAware, {0, Menu::SelectControl}));
    EXPECT_FALSE(Ask(host, native::ControlPressedDisabledAware, {0, Menu::BackControl}));
    EXPECT_FALSE(Ask(host, native::InputDeviceQuery, {0})) << "a gamepad is not keyboard and mouse";

    session::RunSession(ParseSession("wait 1\nrelease select\ngamepad off"), runner, {});
    EXPECT_FALSE(Ask(host, native::ControlJustPressed, {0, control::INPUT_GAME_MENU_DOWN}))
        << "the press was an edge of one frame";
    EXPECT_TRUE(Ask(host, native::ControlPressedDisabledAware, {0, control::INPUT_GAME_MENU_DOWN}));
    EXPECT_TRUE(Ask(host, native::ControlJustReleased, {0, Menu::SelectControl}));
    EXPECT_TRUE(Ask(host, native::InputDeviceQuery, {0}));
}

TEST_F(SessionRunTest, TapsTakeTwoFramesAndSnapshotsSeeTheLastFrame) {
    std::vector<std::string> seen;
    session::SessionObserver observer;
    observer.step = [&](const session::SessionStep& step) { seen.push_back("step " + step.source); };
    observer.frame = [&](int number, const session::SessionStep& step, const sim::Frame&) {
        seen.push_back("frame " + std::to_string(number) + " by " + step.source);
    };
    observer.snapshot = [&](const session::SessionStep& step, int number, const sim::Frame& frame) {
        seen.push_back("snapshot " + step.name + " of frame " + std::to_string(number));
        EXPECT_EQ(&frame, &host.recorder.Last());
    };
    EXPECT_EQ(session::RunSession(ParseSession("wait 1\ntap up\nsnapshot after-tap"), runner, observer), 3);
    EXPECT_EQ(seen, (std::vector<std::string>{"step wait 1", "frame 0 by wait 1", "step tap up",
                                              "frame 1 by tap up", "frame 2 by tap up",
                                              "step snapshot after-tap", "snapshot after-tap of frame 2"}));
    EXPECT_FALSE(Ask(host, native::ControlPressedDisabledAware, {0, control::INPUT_GAME_MENU_UP}))
        << "the tap let the control go";
}

// A count repeats a tap: each of them its own press and release frames.
TEST_F(SessionRunTest, ACountRepeatsATap) {
    EXPECT_EQ(session::RunSession(ParseSession("wait 1\ntap down 3\nclick 2\nwheel up 4\nright click 1"),
                                  runner, {}),
              1 + 2 * (3 + 2 + 4 + 1));
    const std::pair<const char*, const char*> mistakes[] = {
        {"tap down 0",
         "line 1: a count of taps is a number from 1 to 1000, as in \"tap ... 3\", not \"tap down 0\""},
        {"tap down 1001",
         "line 1: a count of taps is a number from 1 to 1000, as in \"tap ... 3\", not \"tap down 1001\""},
        {"tap down 2 3",
         "line 1: a count of taps is a number from 1 to 1000, as in \"tap ... 3\", not \"tap down 2 3\""},
        {"wheel up many",
         "line 1: a count of taps is a number from 1 to 1000, as in \"wheel ... 3\", not \"wheel up many\""},
        {"tap", "line 1: expected a step and one argument, as in \"press F8\", got \"tap\""},
    };
    for (const auto& [line, mistake] : mistakes) {
        EXPECT_EQ(ErrorOf(line), mistake) << line;
    }
}

TEST_F(SessionRunTest, TheRecordKeepsOnlyTheFrameBeingRun) {
    int seen = 0;
    session::SessionObserver observer;
    observer.frame = [&](int, const session::SessionStep&, const sim::Frame& frame) {
        EXPECT_EQ(host.recorder.Frames().size(), 1u);
        EXPECT_EQ(&frame, &host.recorder.Last());
        ++seen;
    };
    EXPECT_EQ(session::RunSession(ParseSession("wait 300\ntap up\nchord\nwait 200"), runner, observer), 505);
    EXPECT_EQ(seen, 505);
    EXPECT_EQ(host.recorder.Frames().size(), 1u) << "a longer session takes no more memory";
}

} // namespace
