// What the preview tells of each frame, from what the frame and the one
// before it showed.
#include "tools/render/Summary.h"

#include "MenuRecord.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using menu_record::Call;
using readback::MenuState;
using Events = std::vector<std::string>;

MenuState Shown(const std::string& title, const std::string& subtitle, const std::string& row, int at, int of,
                std::initializer_list<const char*> sounds = {}) {
    MenuState state;
    state.open = true;
    state.title = title;
    state.subtitle = subtitle;
    state.selectedRow = row;
    state.counter = readback::RowCounter{at, of};
    state.counterText = std::to_string(at) + " of " + std::to_string(of);
    for (const char* sound : sounds) {
        state.sounds.push_back({sound, "HUD_SHOP_SOUNDSET"});
    }
    return state;
}

MenuState Closed(std::initializer_list<const char*> sounds = {}) {
    MenuState state;
    for (const char* sound : sounds) {
        state.sounds.push_back({sound, "HUD_SHOP_SOUNDSET"});
    }
    return state;
}

// Tells each state against the one before it, as a session's frames are told.
Events Told(const std::vector<MenuState>& frames, std::optional<int> depth = 0) {
    Events told;
    const MenuState* before = nullptr;
    for (const MenuState& now : frames) {
        for (std::string& event : render::TellEvents(before, now, "", depth)) {
            told.push_back(std::move(event));
        }
        before = &now;
    }
    return told;
}

TEST(SummaryTest, PagesAreEnteredAndLeftByNameWithTheirDepthAndTheRowBackOn) {
    const Events told = Told({
        Closed({"MENU_ENTER"}),
        Shown("Main", "Main Menu", "Camp", 4, 6, {"NAV_DOWN"}),
        Shown("Camp", "Tents", "Pitch", 1, 3, {"SELECT"}),
        Shown("Camp", "Fires", "Light", 1, 2, {"SELECT"}),
        Shown("Camp", "Tents", "Pitch", 1, 3, {"BACK"}),
        Shown("Main", "Main Menu", "Camp", 4, 6, {"BACK"}),
        Closed({"BACK", "MENU_CLOSE"}),
    });
    EXPECT_EQ(told, (Events{"menu opened", "moved down to \"Camp\", 4 of 6", "entered \"Camp\" (depth 1)",
                            "entered \"Camp\" \"Fires\" (depth 2)", "back to \"Camp\" \"Tents\", row 1",
                            "back to \"Main\", row 4", "menu closed"}))
        << "a page shares its title with the one it came from: its subtitle names it";
}

TEST(SummaryTest, ListsToggleAndActionsAreToldByTheirRowAndWhatItShowsNow) {
    MenuState list = Shown("Example", "Example page", "Weather", 2, 5, {"NAV_RIGHT"});
    list.selectedValue = "Rain";
    MenuState unticked = Shown("Example", "Example page", "Show hints", 1, 5);
    unticked.selectedToggle = false;
    MenuState ticked = unticked;
    ticked.selectedToggle = true;
    ticked.sounds = {{"SELECT", "HUD_SHOP_SOUNDSET"}};
    MenuState untickedAgain = unticked;
    untickedAgain.sounds = ticked.sounds;

    EXPECT_EQ(Told({list}), Events{"list \"Weather\" stepped right to \"Rain\""});
    EXPECT_EQ(Told({unticked, ticked, untickedAgain}),
              (Events{"toggle \"Show hints\" on", "toggle \"Show hints\" off"}));
    EXPECT_EQ(Told({unticked, Shown("Example", "Example page", "Show hints", 1, 5, {"NAV_LEFT"})}),
              Events{"stepped left"})
        << "left and right on a row without a value";
    EXPECT_EQ(Told({Shown("Example", "Example page", "Read the clock", 4, 5, {"SELECT"})}),
              Events{"selected \"Read the clock\""});
}

TEST(SummaryTest, NumbersAreSteppedToTheirValueAndADisabledRowRefuses) {
    MenuState hour = Shown("Example", "Camp", "Hour", 1, 5, {"NAV_RIGHT"});
    hour.selectedValue = "13";
    MenuState refill = Shown("Example", "Camp", "Refill per frame", 5, 5, {"NAV_LEFT"});
    refill.selectedValue = "-0.5";
    MenuState words = refill;
    words.selectedValue = "1.x";
    MenuState horse = Shown("Example", "Camp", "Buy horse", 2, 5, {"UNAFFORDABLE"});
    horse.selectedDisabled = true;
    EXPECT_EQ(Told({hour}), Events{"stepped \"Hour\" to 13"});
    EXPECT_EQ(Told({refill}), Events{"stepped \"Refill per frame\" to -0.5"});
    EXPECT_EQ(Told({words}), Events{"list \"Refill per frame\" stepped left to \"1.x\""}) << "not a number";
    EXPECT_EQ(Told({horse}), Events{"refused \"Buy horse\" (disabled)"});
    horse.selectedDisabled = false;
    EXPECT_EQ(Told({horse}), Events{"refused \"Buy horse\""}) << "the sound, from a row drawn otherwise";
}

TEST(SummaryTest, TheTextBesideTheSelectedRowIsToldWhenItChanges) {
    MenuState typing = Shown("Example", "Example page", "Nickname", 3, 9);
    typing.selectedRight = "Arthur";
    MenuState typed = typing;
    typed.selectedRight = "Sadie";
    MenuState emptied = typed;
    emptied.selectedRight = "";
    EXPECT_EQ(Told({typing, typing, typed, emptied}),
              (Events{"\"Nickname\" changed to \"Sadie\"", "\"Nickname\" changed to \"\""}));
    MenuState other = Shown("Example", "Example page", "Greeting", 2, 9, {"NAV_UP"});
    other.selectedRight = "Sadie";
    EXPECT_EQ(Told({typing, other}), Events{"moved up to \"Greeting\", 2 of 9"}) << "another row";

    MenuState filter = Shown("Example", "Horses", "Find a horse", 1, 2000);
    MenuState filtered = Shown("Example", "Horses", "Find a horse", 1, 7);
    filtered.selectedRight = "\"arab\": 5 of 1979";
    MenuState quoted = filtered;
    quoted.selectedRight = "\"say \"hi\"\": 0 of 1979";
    MenuState cleared = filter;
    EXPECT_EQ(
        Told({filter, filtered, quoted, cleared}),
        (Events{"filtered \"Horses\" by \"arab\": 5 of 1979",
                "filtered \"Horses\" by \"say \\\"hi\\\"\": 0 of 1979", "\"Find a horse\" changed to \"\""}));
}

TEST(SummaryTest, TheVoiceAnActionAppliedBelongsToItsSelection) {
    std::optional<int> depth = 0;
    const MenuState voiceRow = Shown("Main", "Main Menu", "Set voice: B", 2, 6, {"SELECT"});
    EXPECT_EQ(render::TellEvents(&voiceRow, voiceRow, "B", depth),
              Events{"selected \"Set voice: B\": voice B applied"});
    EXPECT_EQ(render::TellEvents(nullptr, Closed({"QUACK"}), "B", depth),
              (Events{"sound QUACK", "voice B applied"}))
        << "a voice without a selection is told after the frame's sounds";
    EXPECT_EQ(depth, 0) << "neither changed the depth";
}

TEST(SummaryTest, WithoutTheFrameBeforeNoPageChangeOrDepthIsGuessed) {
    std::optional<int> unknown;
    const MenuState back = Shown("Main", "Main Menu", "Camp", 4, 6, {"BACK"});
    EXPECT_EQ(render::TellEvents(nullptr, back, "", unknown), Events{"back"});
    EXPECT_EQ(
        Told({Shown("Main", "Main Menu", "Camp", 4, 6), Shown("Camp", "Tents", "Pitch", 1, 3, {"SELECT"})},
             std::nullopt),
        Events{"entered \"Camp\""});
    EXPECT_EQ(Told({Closed(), Shown("Camp", "Tents", "Pitch", 1, 3, {"MENU_ENTER"})}), Events{"menu opened"})
        << "the menu opens again where it was";
    EXPECT_EQ(Told({Shown("Main", "Main Menu", "Camp", 4, 6), Closed({"BACK"})}), Events{"back"})
        << "closed without its own sound";
}

// The frame read as the game was handed it: the counter among the texts, the
// voice by the name the frame hashed.
TEST(SummaryTest, AFrameOnItsOwnReadsItsCounterAndItsVoice) {
    menu_record::FrameBuilder moved(1920, 1080, 1920);
    moved.Text("Row 3 of 4", "body", {}, menu_record::Left, 22, 100, 254);
    moved.Text("2 of 9", "body", {}, menu_record::Right, 20, 534, 560, -1);
    moved.frame.insert(moved.frame.begin(),
                       Call(native::PlayFrontendSound, {0, 0, 1, 0}, {"NAV_DOWN", "HUD_SHOP_SOUNDSET"}));
    EXPECT_EQ(render::SummariseFrame(moved.frame).events, Events{"moved down to 2 of 9"})
        << "a label with \" of \" in it is no counter";

    const sim::Frame named = {Call(native::HashOfName, {0}, {"VOFX_PLAYER_MALE02"}),
                              Call(native::SetVoiceByHash, {0x2a, 0x1234})};
    EXPECT_EQ(render::SummariseFrame(named).voice, "VOFX_PLAYER_MALE02");
    const sim::Frame unnamed = {Call(native::SetVoiceByHash, {0x2a, 0x1234})};
    EXPECT_EQ(render::SummariseFrame(unnamed).events, Events{"voice (unnamed) applied"});
    EXPECT_TRUE(render::SummariseFrame({}).events.empty());
}

} // namespace
