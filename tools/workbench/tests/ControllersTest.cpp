// A controller's buttons and stick as the game's controls, without a display:
// the mapping from the control table, and the menu played with it.
#include "host/GameControls.h"
#include "host/MenuControls.h"
#include "tools/render/ReadFrame.h"
#include "tools/render/Summary.h"
#include "tools/workbench/GameInput.h"
#include "tools/workbench/LiveModule.h"
#include "tools/workbench/PadMapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using workbench::ControlsOfButton;
using workbench::PadButtonName;
using workbench::StickDirection;

bool Has(const std::vector<std::uint32_t>& controls, std::uint32_t control) {
    return std::find(controls.begin(), controls.end(), control) != controls.end();
}

TEST(PadMappingTest, OneButtonSetsEveryControlTheGameBindsToIt) {
    const std::vector<std::uint32_t> a = ControlsOfButton(PadButtonName(SDL_CONTROLLER_BUTTON_A));
    EXPECT_EQ(a.size(), 2u);
    EXPECT_TRUE(Has(a, control::INPUT_GAME_MENU_ACCEPT));
    EXPECT_TRUE(Has(a, control::INPUT_CONTEXT_A));
    const std::vector<std::uint32_t> down = ControlsOfButton(PadButtonName(SDL_CONTROLLER_BUTTON_DPAD_DOWN));
    EXPECT_TRUE(Has(down, control::INPUT_GAME_MENU_DOWN));
    EXPECT_TRUE(Has(down, control::INPUT_SELECT_RADAR_MODE));
    EXPECT_FALSE(Has(down, control::INPUT_GAME_MENU_UP));
    EXPECT_EQ(ControlsOfButton(PadButtonName(SDL_CONTROLLER_BUTTON_B)),
              (std::vector<std::uint32_t>{control::INPUT_GAME_MENU_CANCEL}));
    EXPECT_TRUE(Has(ControlsOfButton(PadButtonName(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER)),
                    control::INPUT_FRONTEND_RB));
    EXPECT_TRUE(ControlsOfButton(PadButtonName(SDL_CONTROLLER_BUTTON_GUIDE)).empty())
        << "a button the game binds nothing to sets nothing, and no unbound control";
}

TEST(PadMappingTest, TheLeftStickHoldsPastHalfWayAndLetsGoUnderAQuarter) {
    std::string_view held;
    const auto move = [&](SDL_GameControllerAxis axis, int value) {
        return held = StickDirection(axis, value, held);
    };
    EXPECT_EQ(move(SDL_CONTROLLER_AXIS_LEFTY, 12000), "");
    EXPECT_EQ(move(SDL_CONTROLLER_AXIS_LEFTY, 20000), "D-pad down") << "SDL's y grows downwards";
    EXPECT_EQ(move(SDL_CONTROLLER_AXIS_LEFTY, 12000), "D-pad down") << "a wobble is no second tap";
    EXPECT_EQ(move(SDL_CONTROLLER_AXIS_LEFTY, 4000), "");
    EXPECT_EQ(move(SDL_CONTROLLER_AXIS_LEFTX, -32768), "D-pad left");
    EXPECT_EQ(move(SDL_CONTROLLER_AXIS_LEFTX, 12000), "") << "swung past the middle";
    EXPECT_EQ(StickDirection(SDL_CONTROLLER_AXIS_RIGHTY, 32767, ""), "") << "only the left stick moves";
}

TEST(PadMappingTest, TheTriggersAreTheButtonsThatPageALongPage) {
    std::string_view held;
    const auto pull = [&](SDL_GameControllerAxis axis, int value) {
        return held = workbench::TriggerButton(axis, value, held);
    };
    EXPECT_EQ(pull(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 12000), "");
    EXPECT_EQ(pull(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 30000), "LT");
    EXPECT_EQ(pull(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 12000), "LT") << "a wobble is no second tap";
    EXPECT_EQ(pull(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0), "");
    EXPECT_EQ(pull(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767), "RT");
    EXPECT_EQ(ControlsOfButton("LT"), (std::vector<std::uint32_t>{Menu::PageDownControl}));
    EXPECT_EQ(ControlsOfButton("RT"), (std::vector<std::uint32_t>{Menu::PageUpControl}));
    EXPECT_EQ(workbench::TriggerButton(SDL_CONTROLLER_AXIS_LEFTX, 32767, ""), "")
        << "the stick is no trigger";
}

class ControllerPlayTest : public ::testing::Test {
  protected:
    // Runs a frame, keeping what a player would notice.
    void Frame() {
        host.recorder.Clear();
        input.Deliver();
        for (const std::string& event : render::SummariseFrame(runner.RunFrame()).events) {
            events.push_back(event);
        }
    }
    void Button(const char* name, bool down) {
        input.Button(name, down);
        Frame();
    }
    void Press(const char* name) {
        Button(name, true);
        Button(name, false);
    }

    sim::StandInHook host;
    driver::Runner runner{host, 16};
    workbench::GameInput input{runner};
    std::vector<std::string> events;
};

TEST_F(ControllerPlayTest, TheChordOpensTheStickMovesASelectsBGoesBackAndAKeySwitchesTheDeviceBack) {
    workbench::LiveModule live(runner);
    ASSERT_EQ(live.Replace(QDT_FIXTURE_MODULE), "");
    Frame();
    Button("RB", true);
    Press("A");
    Button("RB", false);
    EXPECT_TRUE(host.game.gamepad) << "a controller's input makes the game report a controller";
    Press("D-pad down");
    input.Button("D-pad down", true); // the stick's direction is the D-pad's
    Frame();
    input.Button("D-pad down", false);
    Frame();
    Press("A");
    Press("B");
    EXPECT_EQ(events, (std::vector<std::string>{
                          "menu opened", "moved down to \"Row 2\", 2 of 6", "moved down to \"Row 3\", 3 of 6",
                          "selected \"Row 3\": voice FIXTURE_VOICE_3 applied", "menu closed"}));
    EXPECT_EQ(input.LastButtons(), "D-pad down, D-pad down, A, B");

    input.Key(workbench::BindingFor(SDLK_F8), true, false);
    Frame();
    EXPECT_FALSE(host.game.gamepad) << "a key switches back to keyboard and mouse";
}

} // namespace
