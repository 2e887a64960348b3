// Number rows: steps that stop at the ends, a float's steps that land on its
// decimals, the value following its target, a held control's repeats; and a
// list that starts on a value.
#include "tests/StrictReading.h"
#include "tests/support/MenuFixture.h"

#include "sim/Game.h"

#include <cmath>
#include <stdexcept>

namespace {

using Menu::Submenu;
using NumberRowTest = MenuTest;

// The selected row's value as the last frame drew it.
std::string ShownValue(const sim::Frame& frame) {
    return readback::ReadMenu(frame).selectedValue;
}

bool AskedHeld(const std::vector<std::string>& calls, const std::string& control) {
    return std::any_of(calls.begin(), calls.end(), [&control](const std::string& call) {
        return call.rfind("PAD::IS_DISABLED_CONTROL_PRESSED(", 0) == 0 &&
               call.find(control) != std::string::npos;
    });
}

TEST_F(NumberRowTest, StepsStopAtTheEndsAndSelectRunsTheAction) {
    StartOpen();
    std::int32_t hour = 22;
    std::vector<ActionSight> seen;
    SetMainRows([&](Submenu* page) { page->AddNumber("Hour", "", &hour, 0, 23, 1, Watch(seen, 0)); });

    EXPECT_EQ(ShownValue(Tap(Menu::RightControl)), "23");
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_RIGHT/PAUSE_MENU_SOUNDSET"});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].invoking && seen[0].steppedRight && !seen[0].steppedLeft);
    EXPECT_EQ(seen[0].valueText, "23") << "the action sees the stepped value";

    Tap(Menu::RightControl);
    EXPECT_EQ(hour, 23) << "max stops it";
    EXPECT_TRUE(Sounds().empty()) << "no step, no sound";
    EXPECT_EQ(seen.size(), 1u) << "no step, no action";

    hour = 1;
    EXPECT_EQ(ShownValue(Tap(Menu::LeftControl)), "0");
    Tap(Menu::LeftControl);
    EXPECT_EQ(hour, 0) << "min stops it";
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[1].steppedLeft);

    Tap(Menu::SelectControl);
    EXPECT_EQ(hour, 0) << "Select does not step";
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[2].invoking && !seen[2].steppedLeft && !seen[2].steppedRight);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"SELECT/HUD_SHOP_SOUNDSET"});
    EXPECT_FALSE(Shown().options[0].frame.invoking || Shown().options[0].frame.steppedLeft ||
                 Shown().options[0].frame.steppedRight);
}

TEST_F(NumberRowTest, AStepPastAnEndLandsOnTheEnd) {
    StartOpen();
    std::int32_t value = 7;
    SetMainRows([&](Submenu* page) { page->AddNumber("By three", "", &value, 0, 10, 3); });
    Tap(Menu::RightControl);
    Tap(Menu::RightControl);
    EXPECT_EQ(value, 10);
    Tap(Menu::LeftControl);
    EXPECT_EQ(value, 7);

    value = -50; // set by other code, outside the range
    Tap(Menu::RightControl);
    EXPECT_EQ(value, 0) << "a step from outside comes back in";
}

TEST_F(NumberRowTest, AFloatStepsOnItsDecimalsToTheLastStep) {
    StartOpen();
    float speed = 0.0f;
    float scale = 0.0f;
    SetMainRows([&](Submenu* page) {
        page->AddNumber("Speed", "", &speed, 0.0f, 2.0f, 0.1f, 1);
        page->AddNumber("Scale", "", &scale, 0.0f, 5.0f, 0.1f, 1);
    });
    for (int i = 0; i < 20; ++i) {
        Tap(Menu::RightControl);
    }
    EXPECT_EQ(speed, 2.0f) << "twenty steps of 0.1 are 2.0";
    EXPECT_EQ(ShownValue(host.recorder.Last()), "2.0");
    Tap(Menu::RightControl);
    EXPECT_EQ(speed, 2.0f) << "the last step";
    EXPECT_TRUE(Sounds().empty());
    for (int i = 0; i < 20; ++i) {
        Tap(Menu::LeftControl);
    }
    EXPECT_EQ(speed, 0.0f);
    EXPECT_EQ(ShownValue(host.recorder.Last()), "0.0");

    // Where no end stops it, adding 0.1 twenty times would give 2.0000002.
    Tap(Menu::DownControl);
    for (int i = 0; i < 10; ++i) {
        Tap(Menu::RightControl);
    }
    EXPECT_EQ(scale, 1.0f);
    for (int i = 10; i < 20; ++i) {
        Tap(Menu::RightControl);
    }
    EXPECT_EQ(scale, 2.0f);
    for (int i = 0; i < 17; ++i) {
        Tap(Menu::LeftControl);
    }
    EXPECT_EQ(scale, 0.3f);
}

TEST_F(NumberRowTest, AFloatShowsItsSignAndEveryDecimal) {
    StartOpen();
    float offset = 0.0f;
    float big = 1.5f;
    SetMainRows([&](Submenu* page) {
        page->AddNumber("Offset", "", &offset, -1.0f, 1.0f, 0.25f, 2);
        page->AddNumber("Big", "", &big, 0.0f, 3e38f, 1.0f, 0);
    });
    EXPECT_EQ(ShownValue(Tap(Menu::LeftControl)), "-0.25");
    offset = -0.05f;
    EXPECT_EQ(ShownValue(runner.RunFrame()), "-0.05");
    EXPECT_EQ(ShownValue(Tap(Menu::DownControl)), "2") << "rounded to no decimals";
    big = 2e13f;
    EXPECT_EQ(ShownValue(runner.RunFrame()), "?") << "too large to show";
    big = -2.5f;
    EXPECT_EQ(ShownValue(runner.RunFrame()), "-3") << "halves round away from zero";
}

TEST_F(NumberRowTest, TheValueFollowsItsTargetFrameByFrame) {
    StartOpen();
    std::int32_t hour = 12;
    SetMainRows([&](Submenu* page) {
        page->AddOption("Other", "", {});
        page->AddNumber("Hour", "", &hour, 0, 23, 1);
    });
    EXPECT_EQ(TextsStartingWith(ReadDrawing(runner.RunFrame()), "12").size(), 1u);
    hour = 18; // the game's clock moved, as a frame task reads it
    EXPECT_EQ(TextsStartingWith(ReadDrawing(runner.RunFrame()), "18").size(), 1u)
        << "an unselected row follows";
    EXPECT_EQ(ShownValue(Tap(Menu::DownControl)), "18");
    EXPECT_EQ(ShownValue(Tap(Menu::RightControl)), "19") << "the step starts from the target's value";
    EXPECT_EQ(Shown().options[1].valueText, "19") << "a step writes valueText";

    hour = 7;
    const Menu::Option* row = Menu::SelectedRow();
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->valueText, "7") << "and so does SelectedRow, for an action that reads it";
}

TEST_F(NumberRowTest, HoldingRepeatsAfter400MsThenEvery80) {
    StartOpen();
    std::int32_t value = 50;
    SetMainRows([&](Submenu* page) { page->AddNumber("Value", "", &value, 0, 100, 1); });
    host.game.PressControl(Menu::RightControl);
    runner.RunFrame(); // goes down: one step; frames are 16 ms apart
    EXPECT_EQ(value, 51);
    runner.RunFrames(24); // 384 ms held
    EXPECT_EQ(value, 51);
    runner.RunFrame(); // 400 ms
    EXPECT_EQ(value, 52);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"NAV_RIGHT/PAUSE_MENU_SOUNDSET"});
    runner.RunFrames(4);
    EXPECT_EQ(value, 52);
    runner.RunFrame(); // 480 ms
    EXPECT_EQ(value, 53);
    runner.RunFrames(10);
    EXPECT_EQ(value, 55);
    host.game.ReleaseControl(Menu::RightControl);
    runner.RunFrames(30);
    EXPECT_EQ(value, 55) << "released: no more steps";

    host.game.PressControl(Menu::LeftControl);
    runner.RunFrames(26);
    EXPECT_EQ(value, 53) << "left repeats the same way";
    host.game.ReleaseControl(Menu::LeftControl);
    runner.RunFrame();
}

TEST_F(NumberRowTest, OnlyANumberRowAsksForTheHeldControlsAndRepeats) {
    StartOpen();
    std::int32_t value = 5;
    SetMainRows([&](Submenu* page) {
        page->AddList("List", "", {"A", "B", "C", "D", "E", "F", "G", "H"});
        page->AddNumber("Value", "", &value, 0, 100, 1);
    });
    host.game.PressControl(Menu::RightControl);
    runner.RunFrames(40);
    EXPECT_EQ(Shown().options[0].valueText, "B") << "a held list steps once";
    EXPECT_FALSE(AskedHeld(Calls(), "INPUT_GAME_MENU_RIGHT"));
    host.game.ReleaseControl(Menu::RightControl);
    Tap(Menu::DownControl);
    runner.RunFrame();
    EXPECT_TRUE(AskedHeld(Calls(), "INPUT_GAME_MENU_LEFT"));
    EXPECT_TRUE(AskedHeld(Calls(), "INPUT_GAME_MENU_RIGHT"));

    // Held since before the row was selected: no repeat without a press on it.
    host.game.PressControl(Menu::RightControl);
    Controller().selectedIndex = 0;
    runner.RunFrame();
    Controller().selectedIndex = 1;
    runner.RunFrames(40);
    EXPECT_EQ(value, 5);

    Controller().isOpen = false;
    runner.RunFrame();
    EXPECT_FALSE(AskedHeld(Calls(), "INPUT_GAME_MENU_RIGHT")) << "closed: not asked";
}

TEST_F(NumberRowTest, AddersRefuseWhatCannotBeANumber) {
    Submenu page;
    std::int32_t whole = 0;
    float real = 0.0f;
    EXPECT_THROW(page.AddNumber("A", "", static_cast<std::int32_t*>(nullptr), 0, 1, 1),
                 std::invalid_argument);
    EXPECT_THROW(page.AddNumber("A", "", &whole, 2, 1, 1), std::invalid_argument);
    EXPECT_THROW(page.AddNumber("A", "", &whole, 0, 1, 0), std::invalid_argument);
    EXPECT_THROW(page.AddNumber("A", "", &real, 0.0f, 1.0f, -0.1f, 1), std::invalid_argument);
    EXPECT_THROW(page.AddNumber("A", "", &real, 0.0f, 1.0f, 0.1f, 7), std::invalid_argument);
    EXPECT_THROW(page.AddNumber("A", "", &real, std::nanf(""), 1.0f, 0.1f, 1), std::invalid_argument);
    EXPECT_THROW(page.AddNumber("A", "", &real, -3e38f, 3e38f, 1.0f, 0), std::invalid_argument)
        << "a range wider than a float holds";
    EXPECT_EQ(page.optionCount, 0);

    whole = 4;
    page.AddNumber("Widest", "", &real, -1.5e38f, 1.5e38f, 1e37f, 6);
    EXPECT_EQ(page.optionCount, 1) << "the widest range a float holds";
    const Menu::Option& row = page.AddNumber("Whole", "", &whole, 0, 9, 1);
    EXPECT_TRUE(row.isNumber && !row.isAction && !row.isList);
    EXPECT_EQ(row.valueText, "4") << "shows its value from the start";
}

TEST_F(NumberRowTest, AListStartsOnItsStartIndexAndStepsFromThere) {
    StartOpen();
    SetMainRows([](Submenu* page) { page->AddList("Weather", "", {"Sunny", "Rain", "Snow"}, 2); });
    EXPECT_EQ(ShownValue(runner.RunFrame()), "Snow") << "from the first frame";
    EXPECT_EQ(ShownValue(Tap(Menu::LeftControl)), "Rain") << "left steps from the start index";

    Submenu page;
    EXPECT_THROW(page.AddList("L", "", {"A", "B"}, 2), std::invalid_argument);
    EXPECT_THROW(page.AddList("L", "", {"A", "B"}, -1), std::invalid_argument);
    EXPECT_THROW(page.AddList("L", "", {}, 0), std::invalid_argument);
    EXPECT_EQ(page.optionCount, 0);
}

} // namespace
