// A reload keeps the modder's place: the input log replayed on the rebuilt
// module brings its menu to the page and row the old one showed.
#include "tools/workbench/tests/PlayedFrames.h"

#include "host/MenuControls.h"
#include "sim/Game.h"

namespace {

using played_frames::PlayedFrames;
using workbench::InputLog;

class KeepPlaceTest : public PlayedFrames {
  protected:
    // Into the tools page, the toggle flipped, the list stepped, the voice
    // row selected, and on to the row the rebuild renames.
    void PlayToTheRenamedRow() {
        Open(QDT_PLACE_OLD);
        Keys({SDLK_F8, SDLK_DOWN, SDLK_RETURN, SDLK_RETURN, SDLK_DOWN, SDLK_RIGHT, SDLK_DOWN, SDLK_RETURN,
              SDLK_DOWN});
        ASSERT_EQ(workbench::Describe(Shown()), "open 'Place Test' / 'Tools' row 4 of 5");
        ASSERT_EQ(Menu().selectedRow, "The old label");
    }

    workbench::ReplayResult Rebuild(const char* module) {
        EXPECT_EQ(live.Replace(module), "");
        return workbench::Replay(log, runner, host.tickCount);
    }
};

TEST_F(KeepPlaceTest, ARebuiltModuleComesBackOnThePageAndRowItShowedWithItsRowsAsTheyWere) {
    PlayToTheRenamedRow();
    const workbench::Place before = Place();
    ASSERT_EQ(before.pageId, 4);
    host.game.voices.clear();

    const workbench::ReplayResult replay = Rebuild(QDT_PLACE_NEW);
    EXPECT_EQ(replay.frames, log.Frames());
    EXPECT_EQ(workbench::DescribePlaceChange(before, Place()), "");
    EXPECT_EQ(host.game.voices.at(host.game.playerCharacter), sim::HashName("VOFX_PLACE_TEST"))
        << "the replayed frames' natives reach the game";

    EXPECT_EQ(workbench::Describe(Shown()), "open 'Place Test' / 'Tools' row 4 of 5");
    EXPECT_EQ(Menu().selectedRow, "The new label");
    Keys({SDLK_UP, SDLK_UP});
    EXPECT_EQ(Menu().selectedRow, "Speed");
    EXPECT_EQ(Menu().selectedValue, "Normal");
    Keys({SDLK_UP});
    EXPECT_EQ(Menu().selectedToggle, true);

    // The log goes on: a second rebuild comes back here too, through the first one's input.
    const workbench::Place afterMoves = Place();
    Rebuild(QDT_PLACE_OLD);
    EXPECT_EQ(workbench::DescribePlaceChange(afterMoves, Place()), "");
    EXPECT_EQ(Menu().selectedRow, "Show grid");
}

TEST_F(KeepPlaceTest, AModuleWithoutThePageEndsElsewhereAndSaysWhere) {
    PlayToTheRenamedRow();
    const workbench::Place before = Place();
    Rebuild(QDT_OTHER_MODULE);
    EXPECT_EQ(workbench::DescribePlaceChange(before, Place()),
              "the replay ends elsewhere: open 'Other Module' / 'Reloaded Page' row 1 of 4 "
              "(was open 'Place Test' / 'Tools' row 4 of 5)");
}

// A broken build between two good ones: what was played while nothing ran is
// not replayed, but the game holds what it held before the replay.
TEST_F(KeepPlaceTest, ControlsPressedWhileNoModuleRanStayHeldAfterTheReplay) {
    Open(QDT_PLACE_OLD);
    Keys({SDLK_F8, SDLK_DOWN, SDLK_RETURN});
    const workbench::Place before = Place();
    live.Unload();
    log.Pause(true);
    input.Key(workbench::BindingFor(SDLK_DOWN), true, false);
    Frame();
    EXPECT_EQ(log.Now().heldControls, std::set<std::uint32_t>{Menu::DownControl});

    Rebuild(QDT_PLACE_NEW);
    log.Pause(false);
    EXPECT_EQ(workbench::DescribePlaceChange(before, Place()), "");
    // Still held: pressing it again is no new press, so no move.
    input.Key(workbench::BindingFor(SDLK_DOWN), true, false);
    EXPECT_EQ(Shown().row, 1);
    input.Key(workbench::BindingFor(SDLK_DOWN), false, false);
    Frame();
    Keys({SDLK_DOWN});
    EXPECT_EQ(Shown().row, 2);
}

TEST(InputLogTest, StopsAtItsCapAndKeepsNothingWhilePausedButFollowsWhatIsHeld) {
    InputLog log;
    log.Input({driver::InputKind::PressControl, Menu::DownControl});
    log.Restart();
    EXPECT_EQ(log.AtStart().heldControls, std::set<std::uint32_t>{Menu::DownControl});
    EXPECT_TRUE(log.Entries().empty());

    log.Pause(true);
    log.Input({driver::InputKind::ReleaseControl, Menu::DownControl});
    log.Gamepad(true);
    log.Frame(16);
    log.Snapshot("not-kept");
    EXPECT_TRUE(log.Entries().empty());
    EXPECT_TRUE(log.Now().heldControls.empty());
    EXPECT_TRUE(log.Now().gamepad);

    log.Pause(false);
    log.Input({driver::InputKind::PressControl, Menu::DownControl}); // held: every frame is kept
    for (int frame = 0; frame < InputLog::MaxFrames; ++frame) {
        log.Frame(static_cast<std::uint32_t>(frame));
    }
    EXPECT_FALSE(log.Full());
    EXPECT_EQ(log.Frames(), InputLog::MaxFrames);
    log.Frame(0);
    EXPECT_TRUE(log.Full());
    EXPECT_TRUE(log.Entries().empty()) << "a full log is given up, not kept";
    log.Restart();
    EXPECT_FALSE(log.Full());
    EXPECT_EQ(log.Frames(), 0);
}

// An idle workbench: past a few frames with nothing handed over and nothing
// held, the log keeps none, so a reload after an idle hour replays what one
// after an idle minute does, and comes back to the same place.
TEST_F(KeepPlaceTest, IdleFramesPastAFewAreNotReplayed) {
    PlayToTheRenamedRow();
    const int busy = log.Frames();
    const auto idle = [this](int frames) {
        for (int i = 0; i < frames; ++i) {
            Frame();
        }
    };
    idle(3600); // a minute
    const int afterAMinute = log.Frames();
    EXPECT_LE(afterAMinute, busy + InputLog::IdleFramesKept);
    idle(7200);
    EXPECT_EQ(log.Frames(), afterAMinute) << "two minutes more kept nothing more";

    // A control held keeps every frame: what it does may take them all.
    input.Key(workbench::BindingFor(SDLK_RIGHT), true, false);
    idle(100);
    input.Key(workbench::BindingFor(SDLK_RIGHT), false, false);
    EXPECT_EQ(log.Frames(), afterAMinute + 100);

    const workbench::Place before = Place();
    const workbench::ReplayResult replay = Rebuild(QDT_PLACE_NEW);
    EXPECT_EQ(replay.frames, log.Frames());
    EXPECT_EQ(workbench::DescribePlaceChange(before, Place()), "");
    EXPECT_EQ(Menu().selectedRow, "The new label");
}

TEST(PlaceTest, IsThePageByItsIdWhenKnownAndTheRowShown) {
    const workbench::ShownPage tools{true, "Place Test", "Tools", 4, 5};
    workbench::ShownPage renamed = tools;
    renamed.subtitle = "Renamed tools";
    EXPECT_TRUE(workbench::SamePlace({tools, 4}, {renamed, 4})) << "a rebuild may rename the page";
    EXPECT_FALSE(workbench::SamePlace({tools, std::nullopt}, {renamed, std::nullopt}));
    EXPECT_FALSE(workbench::SamePlace({tools, 4}, {tools, 0}));
    workbench::ShownPage lower = tools;
    lower.row = 5;
    EXPECT_FALSE(workbench::SamePlace({tools, 4}, {lower, 4}));
    EXPECT_FALSE(workbench::SamePlace({tools, 4}, {workbench::ShownPage{}, std::nullopt}));
    EXPECT_TRUE(workbench::SamePlace({workbench::ShownPage{}, std::nullopt}, {{}, std::nullopt}));
}

} // namespace
