// Reading the player's input: the frame's queries, the F8 and chord toggle,
// and Select and Back confirmed through the prompts or the raw controls.
#include "tests/support/FixturePages.h"
#include "tests/support/MenuFixture.h"

#include "host/PluginKeys.h"

namespace {

using InputTest = MenuTest;

constexpr std::uint64_t Global = 1900699;

std::vector<std::string> ClosedIdleFrame(bool gamepad) {
    const std::string g = gamepad ? "2" : "0";
    return {
        std::string("PAD::IS_USING_KEYBOARD_AND_MOUSE(0) -> ") + (gamepad ? "0" : "1"),
        "PAD::IS_DISABLED_CONTROL_PRESSED(2, INPUT_FRONTEND_RB) -> 0",
        "PAD::IS_CONTROL_JUST_RELEASED(" + g + ", INPUT_GAME_MENU_ACCEPT) -> 0",
        "PAD::IS_CONTROL_JUST_RELEASED(" + g + ", INPUT_GAME_MENU_CANCEL) -> 0",
        "PAD::IS_CONTROL_JUST_PRESSED(" + g + ", INPUT_GAME_MENU_UP) -> 0",
        "PAD::IS_CONTROL_JUST_PRESSED(" + g + ", INPUT_GAME_MENU_DOWN) -> 0",
        "PAD::IS_DISABLED_CONTROL_JUST_PRESSED(" + g + ", INPUT_GAME_MENU_LEFT) -> 0",
        "PAD::IS_DISABLED_CONTROL_JUST_PRESSED(" + g + ", INPUT_GAME_MENU_RIGHT) -> 0",
        "HUD::_UI_PROMPT_IS_VALID(1) -> 1",
        "HUD::_UI_PROMPT_IS_ACTIVE(1) -> 0",
        "HUD::_UI_PROMPT_IS_VALID(2) -> 1",
        "HUD::_UI_PROMPT_IS_ACTIVE(2) -> 0",
        "HUD::_UI_PROMPT_SET_VISIBLE(1, 0)",
        "HUD::_UI_PROMPT_SET_ENABLED(1, 0)",
        "HUD::_UI_PROMPT_SET_VISIBLE(2, 0)",
        "HUD::_UI_PROMPT_SET_ENABLED(2, 0)",
    };
}

TEST_F(InputTest, AClosedIdleFrameOnlyReadsInputAndHidesThePrompts) {
    Start();
    runner.RunFrame();
    EXPECT_EQ(LastFrame(), ClosedIdleFrame(false));
    EXPECT_EQ(Controller().controlGroup, 0u);

    host.game.gamepad = true;
    runner.RunFrame();
    EXPECT_EQ(LastFrame(), ClosedIdleFrame(true)) << "the chord is read in group 2 either way";
    EXPECT_EQ(Controller().controlGroup, 2u);
    EXPECT_EQ(host.game.globals.count(Global), 0u) << "nothing is suppressed while closed";
}

// A start-up that registers no page 0 shows no page: frames read input but act
// on none, draw nothing and keep the prompts hidden, until a start-up that
// registers page 0.
class NoMainPageTest : public InputTest {
  protected:
    NoMainPageTest() { fixtureMainPageIsZero = false; }
    ~NoMainPageTest() override { fixtureMainPageIsZero = true; }
};

TEST_F(NoMainPageTest, FramesActOnNoInputAndDrawNothingUntilAStartRegistersPageZero) {
    Start();
    ASSERT_EQ(Controller().currentSubmenu, nullptr);
    runner.RunFrame();
    EXPECT_EQ(LastFrame(), ClosedIdleFrame(false));

    ReleaseF8();
    Tap({Menu::DownControl, Menu::SelectControl, Menu::BackControl});
    EXPECT_FALSE(Controller().isOpen);
    EXPECT_TRUE(Sounds().empty());
    EXPECT_EQ(
        Count("GRAPHICS::DRAW_SPRITE") + Count("UIDEBUG::_BG_DISPLAY_TEXT") + Count("MAP::DISPLAY_RADAR"), 0);
    const std::vector<std::string> frame = LastFrame();
    ASSERT_GE(frame.size(), 4u);
    EXPECT_EQ(
        std::vector<std::string>(frame.end() - 4, frame.end()),
        (std::vector<std::string>{"HUD::_UI_PROMPT_SET_VISIBLE(1, 0)", "HUD::_UI_PROMPT_SET_ENABLED(1, 0)",
                                  "HUD::_UI_PROMPT_SET_VISIBLE(2, 0)", "HUD::_UI_PROMPT_SET_ENABLED(2, 0)"}));

    host.game.gamepad = true;
    host.game.PressControl(Menu::ChordModifierControl);
    Tap(Menu::ChordControl);
    EXPECT_FALSE(Controller().isOpen) << "the chord opens no page either";
    EXPECT_EQ(host.game.globals.count(Global), 0u);
    host.game.ReleaseControl(Menu::ChordModifierControl);
    host.game.gamepad = false;
    runner.RunFrame();

    fixtureMainPageIsZero = true;
    runner.RestartScript();
    runner.RunFrame();
    ASSERT_EQ(Controller().currentSubmenu, &submenuRegistry.at(0));
    ReleaseF8();
    runner.RunFrame();
    EXPECT_TRUE(Controller().isOpen);
    EXPECT_EQ(Count("GRAPHICS::DRAW_SPRITE"), 19);
}

TEST_F(InputTest, F8TogglesOnItsReleaseOnceAndNeverWhileHeld) {
    Start();
    runner.KeyDown(plugin_keys::Toggle);
    runner.RunFrames(3);
    runner.KeyDown(plugin_keys::Toggle, true);
    runner.RunFrame();
    EXPECT_FALSE(Controller().isOpen) << "a held key is not a release";

    runner.KeyUp(plugin_keys::Toggle);
    runner.RunFrame();
    EXPECT_TRUE(Controller().isOpen) << "the frame that reads the release opens the menu";
    EXPECT_EQ(ReadKeyState(plugin_keys::Toggle).isUpNow, 0) << "the release was used up";
    EXPECT_EQ(Sounds(), std::vector<std::string>{"MENU_ENTER/HUD_PLAYER_MENU"});
    EXPECT_EQ(Count("PAD::IS_DISABLED_CONTROL_PRESSED"), 0) << "the chord is not queried after F8";

    runner.RunFrames(2);
    EXPECT_TRUE(Controller().isOpen) << "one release, one toggle";

    ReleaseF8();
    runner.RunFrame();
    EXPECT_FALSE(Controller().isOpen);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"MENU_CLOSE/HUD_PLAYER_MENU"});
}

TEST_F(InputTest, AnF8ReleaseRead100MillisecondsLateIsLostAndLeftInTheTable) {
    Start();
    ReleaseF8();
    runner.Advance(100);
    runner.RunFrame();
    EXPECT_FALSE(Controller().isOpen);
    EXPECT_NE(ReadKeyState(plugin_keys::Toggle).isUpNow, 0) << "a lost release leaves its entry untouched";

    ReleaseF8();
    runner.Advance(99);
    runner.RunFrame();
    EXPECT_TRUE(Controller().isOpen);
}

TEST_F(InputTest, TheChordNeedsTheModifierHeldAndTheButtonReleased) {
    Start();
    Tap(Menu::ChordControl);
    EXPECT_FALSE(Controller().isOpen);
    EXPECT_EQ(Count("PAD::IS_CONTROL_JUST_RELEASED"), 2) << "without the modifier the button is not queried";

    host.game.PressControl(Menu::ChordModifierControl);
    runner.RunFrame();
    EXPECT_FALSE(Controller().isOpen) << "the modifier alone";
    const auto held = LastFrame();
    EXPECT_EQ(held[1], "PAD::IS_DISABLED_CONTROL_PRESSED(2, INPUT_FRONTEND_RB) -> 1");
    EXPECT_EQ(held[2], "PAD::IS_CONTROL_JUST_RELEASED(2, INPUT_CONTEXT_A) -> 0");

    Tap(Menu::ChordControl);
    EXPECT_TRUE(Controller().isOpen) << "keyboard in use, yet the chord is read in group 2";
    EXPECT_EQ(LastFrame()[2], "PAD::IS_CONTROL_JUST_RELEASED(2, INPUT_CONTEXT_A) -> 1");

    // F8 and the chord in one frame still toggle once.
    ReleaseF8();
    Tap(Menu::ChordControl);
    EXPECT_FALSE(Controller().isOpen);
    EXPECT_EQ(Count("PAD::IS_DISABLED_CONTROL_PRESSED"), 0);
}

TEST_F(InputTest, AnActivePromptConfirmsOnlyByItsCompletedPress) {
    StartOpen();
    Menu::Option& first = Shown().options[0];
    int runs = 0;
    first.action = [&runs] { ++runs; };
    sim::Prompt& select = host.game.prompts.at(1);

    // The stand-in completes an active prompt when its control is released.
    Tap(Menu::SelectControl);
    EXPECT_EQ(runs, 1);
    const auto lines = LastFrame();
    ASSERT_GE(lines.size(), 11u);
    EXPECT_EQ(lines[8], "HUD::_UI_PROMPT_IS_VALID(1) -> 1");
    EXPECT_EQ(lines[9], "HUD::_UI_PROMPT_IS_ACTIVE(1) -> 1");
    EXPECT_EQ(lines[10], "HUD::_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED(1, 0) -> 1");

    select.forcePressCompleted = false;
    Tap(Menu::SelectControl);
    EXPECT_EQ(runs, 1) << "the raw release does not count while the prompt is active";
    EXPECT_TRUE(Controller().acceptPressed);
    EXPECT_TRUE(Sounds().empty());

    select.forcePressCompleted = true;
    runner.RunFrame();
    EXPECT_EQ(runs, 2) << "a completed press needs no raw release";
    EXPECT_FALSE(Controller().acceptPressed);
}

TEST_F(InputTest, TheRawControlConfirmsWhenThePromptIsNotValidOrNotActive) {
    StartOpen();
    int runs = 0;
    Shown().options[0].action = [&runs] { ++runs; };
    sim::Prompt& select = host.game.prompts.at(1);

    select.forceActive = false;
    select.forcePressCompleted = true;
    runner.RunFrame();
    EXPECT_EQ(runs, 0) << "an inactive prompt's answer is not asked";
    EXPECT_EQ(Count("HUD::_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED"), 1) << "only the Back prompt's";
    Tap(Menu::SelectControl);
    EXPECT_EQ(runs, 1);

    select.forceValid = false;
    Tap(Menu::SelectControl);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(Count("HUD::_UI_PROMPT_IS_ACTIVE"), 1) << "an invalid prompt is not asked whether it is active";
}

TEST_F(InputTest, BackIsConfirmedTheSameWayThroughItsOwnPrompt) {
    StartOpen();
    sim::Prompt& back = host.game.prompts.at(2);
    back.forcePressCompleted = false;
    Tap(Menu::BackControl);
    EXPECT_TRUE(Controller().isOpen);
    EXPECT_TRUE(Controller().backPressed);
    EXPECT_FALSE(Controller().backRequested);

    back.forcePressCompleted = true;
    runner.RunFrame();
    EXPECT_FALSE(Controller().isOpen);
    EXPECT_EQ(Count("HUD::_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED"), 2)
        << "both prompts are active while open";

    back.forcePressCompleted.reset();
    back.forceActive = false;
    ReleaseF8();
    runner.RunFrame();
    Tap(Menu::BackControl);
    EXPECT_FALSE(Controller().isOpen) << "the raw release stands in for an inactive prompt";
}

TEST_F(InputTest, WithoutPromptsTheRawControlsConfirm) {
    host.game.nextPromptHandle = 0;
    StartOpen();
    EXPECT_EQ(Controller().selectPrompt, 0u);
    int runs = 0;
    Shown().options[0].action = [&runs] { ++runs; };
    Tap(Menu::SelectControl);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(LastFrame().at(8), "HUD::_UI_PROMPT_IS_VALID(0) -> 0");
    Tap(Menu::BackControl);
    EXPECT_FALSE(Controller().isOpen);
}

} // namespace
