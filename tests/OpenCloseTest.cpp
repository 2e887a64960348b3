// Opening and closing the menu: sounds, radar, suppressed game controls, the
// gamepad global and the prompts, frame by frame.
#include "tests/support/MenuFixture.h"

#include "menu/Sound.h"

namespace {

using OpenCloseTest = MenuTest;

constexpr std::int32_t Global = 1900699;

const std::vector<std::string> suppressedEveryFrame = {
    "INPUT_SELECT_RADAR_MODE",  "INPUT_REVEAL_HUD",        "INPUT_PLAYER_MENU",
    "INPUT_OPEN_JOURNAL",       "INPUT_OPEN_SATCHEL_MENU", "INPUT_OPEN_SATCHEL_HORSE_MENU",
    "INPUT_OPEN_CRAFTING_MENU", "INPUT_OPEN_EMOTE_WHEEL",  "INPUT_EXPAND_RADAR",
    "INPUT_INTERACTION_MENU",   "INPUT_HUD_SPECIAL",
};

std::vector<std::string> Disables(const sim::Frame& frame) {
    std::vector<std::string> lines;
    for (const sim::NativeCall& call : frame) {
        if (call.info != nullptr && call.info->name == "PAD::DISABLE_CONTROL_ACTION") {
            lines.push_back(sim::Describe(call));
        }
    }
    return lines;
}

std::vector<std::string> ExpectedDisables(bool gamepad) {
    std::vector<std::string> lines;
    if (gamepad) {
        lines.push_back("PAD::DISABLE_CONTROL_ACTION(2, INPUT_WHISTLE, 0)");
        lines.push_back("PAD::DISABLE_CONTROL_ACTION(2, INPUT_WHISTLE_HORSEBACK, 0)");
    }
    for (const std::string& control : suppressedEveryFrame) {
        lines.push_back(std::string("PAD::DISABLE_CONTROL_ACTION(") + (gamepad ? "2" : "0") + ", " + control +
                        ", 0)");
    }
    return lines;
}

TEST(SoundTest, EachSoundIsStoppedThenPlayedAgain) {
    sim::StandInHook host;
    PlayFrontendSound(menu_art::UpSound);
    EXPECT_EQ(host.recorder.DescribeLast(),
              (std::vector<std::string>{"AUDIO::_STOP_SOUND_WITH_NAME(\"NAV_UP\", \"Ledger_Sounds\")",
                                        "AUDIO::PLAY_SOUND_FRONTEND(\"NAV_UP\", \"Ledger_Sounds\", 1, 0)"}));
}

TEST_F(OpenCloseTest, TheOpeningFrameSoundsHidesTheRadarSuppressesAndShowsThePrompts) {
    Start();
    ReleaseF8();
    runner.RunFrame();
    std::vector<std::string> expected = {
        "PAD::IS_USING_KEYBOARD_AND_MOUSE(0) -> 1",
        "PAD::IS_CONTROL_JUST_RELEASED(0, INPUT_GAME_MENU_ACCEPT) -> 0",
        "PAD::IS_CONTROL_JUST_RELEASED(0, INPUT_GAME_MENU_CANCEL) -> 0",
        "PAD::IS_CONTROL_JUST_PRESSED(0, INPUT_GAME_MENU_UP) -> 0",
        "PAD::IS_CONTROL_JUST_PRESSED(0, INPUT_GAME_MENU_DOWN) -> 0",
        "PAD::IS_DISABLED_CONTROL_JUST_PRESSED(0, INPUT_GAME_MENU_LEFT) -> 0",
        "PAD::IS_DISABLED_CONTROL_JUST_PRESSED(0, INPUT_GAME_MENU_RIGHT) -> 0",
        "HUD::_UI_PROMPT_IS_VALID(1) -> 1",
        "HUD::_UI_PROMPT_IS_ACTIVE(1) -> 0",
        "HUD::_UI_PROMPT_IS_VALID(2) -> 1",
        "HUD::_UI_PROMPT_IS_ACTIVE(2) -> 0",
        "AUDIO::_STOP_SOUND_WITH_NAME(\"MENU_ENTER\", \"HUD_PLAYER_MENU\")",
        "AUDIO::PLAY_SOUND_FRONTEND(\"MENU_ENTER\", \"HUD_PLAYER_MENU\", 1, 0)",
        "MAP::DISPLAY_RADAR(0)",
    };
    const auto disables = ExpectedDisables(false);
    expected.insert(expected.end(), disables.begin(), disables.end());
    expected.insert(expected.end(), {"MAP::DISPLAY_RADAR(0)", "HUD::_UI_PROMPT_SET_VISIBLE(1, 1)",
                                     "HUD::_UI_PROMPT_SET_ENABLED(1, 1)", "HUD::_UI_PROMPT_SET_VISIBLE(2, 1)",
                                     "HUD::_UI_PROMPT_SET_ENABLED(2, 1)"});
    EXPECT_EQ(Calls(), expected);
    EXPECT_FALSE(host.game.radarShown);
    EXPECT_TRUE(host.game.prompts.at(1).visible && host.game.prompts.at(1).enabled);
    EXPECT_TRUE(host.game.prompts.at(2).visible && host.game.prompts.at(2).enabled);
    EXPECT_EQ(host.game.globals.count(Global), 0u) << "keyboard and mouse: the global is not written";
}

TEST_F(OpenCloseTest, AGamepadSuppressesThirteenControlsAndWritesTheGlobalEveryOpenFrame) {
    host.game.gamepad = true;
    Start();
    ReleaseF8();
    EXPECT_EQ(Disables(runner.RunFrame()), ExpectedDisables(true)) << "already in the opening frame";
    EXPECT_EQ(host.game.globals.at(Global), 2u);

    host.game.globals[Global] = 7;
    EXPECT_EQ(Disables(runner.RunFrame()), ExpectedDisables(true));
    EXPECT_EQ(host.game.globals.at(Global), 2u) << "written again each open frame";

    host.game.gamepad = false;
    EXPECT_EQ(Disables(runner.RunFrame()), ExpectedDisables(false)) << "the device is read each frame";

    host.game.gamepad = true;
    host.game.globals[Global] = 7;
    ReleaseF8();
    EXPECT_TRUE(Disables(runner.RunFrame()).empty()) << "the closing frame suppresses nothing";
    EXPECT_EQ(host.game.globals.at(Global), 7u) << "nothing writes the global while closing";
    runner.RunFrame();
    EXPECT_EQ(host.game.globals.at(Global), 7u);
}

TEST_F(OpenCloseTest, AGameWithoutTheGlobalStillGetsItsControlsSuppressed) {
    host.game.gamepad = true;
    host.game.globalsMissing = true;
    Start();
    ReleaseF8();
    EXPECT_EQ(Disables(runner.RunFrame()), ExpectedDisables(true));
    EXPECT_TRUE(host.game.globals.empty());
    EXPECT_FALSE(host.Fiber()->ExceptionEscaped());
}

TEST_F(OpenCloseTest, ClosingByToggleOrBackShowsTheRadarAndHidesThePromptsInThatFrame) {
    StartOpen();
    ReleaseF8();
    runner.RunFrame();
    EXPECT_EQ(Sounds(), std::vector<std::string>{"MENU_CLOSE/HUD_PLAYER_MENU"});
    EXPECT_TRUE(host.game.radarShown);
    EXPECT_EQ(Count("MAP::DISPLAY_RADAR"), 1) << "a closing frame draws nothing";
    EXPECT_FALSE(host.game.prompts.at(1).visible || host.game.prompts.at(1).enabled);
    EXPECT_FALSE(host.game.prompts.at(2).visible || host.game.prompts.at(2).enabled);

    ReleaseF8();
    runner.RunFrame();
    Tap(Menu::BackControl);
    EXPECT_FALSE(Controller().isOpen);
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"BACK/HUD_SHOP_SOUNDSET", "MENU_CLOSE/HUD_PLAYER_MENU"}));
    EXPECT_TRUE(host.game.radarShown);
    EXPECT_FALSE(host.game.prompts.at(1).visible || host.game.prompts.at(1).enabled);
    EXPECT_FALSE(host.game.prompts.at(2).visible || host.game.prompts.at(2).enabled);
    const auto calls = Calls();
    EXPECT_EQ(
        std::vector<std::string>(calls.end() - 4, calls.end()),
        (std::vector<std::string>{"HUD::_UI_PROMPT_SET_VISIBLE(1, 0)", "HUD::_UI_PROMPT_SET_ENABLED(1, 0)",
                                  "HUD::_UI_PROMPT_SET_VISIBLE(2, 0)", "HUD::_UI_PROMPT_SET_ENABLED(2, 0)"}))
        << "the prompts are updated last, after navigation";
}

} // namespace
