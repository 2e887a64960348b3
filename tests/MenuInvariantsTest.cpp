// The fuzzer's checks must be able to fail: each broken state below is one a
// faulty plug-in could leave behind.
#include "tests/support/PluginFixture.h"

#include "tests/fuzz/MenuInvariants.h"

#include "host/GameControls.h"
#include "host/MenuControls.h"
#include "host/NativeInvoker.h"
#include "host/Natives.h"

#include <cmath>
#include <functional>
#include <limits>

namespace {

class MenuInvariantsTest : public PluginTest {
  protected:
    void SetUp() override {
        Start();
        menuController->AddSubmenu(0, "Main", "", [](Menu::Submenu* submenu) {
            submenu->AddOption("a", "", {});
            submenu->AddList("b", "", {"x", "y"});
            submenu->AddSubmenuLink("c", "", 5);
        });
        menuController->AddSubmenu(5, "Child", "",
                                   [](Menu::Submenu* submenu) { submenu->AddOption("d", "", {}); });
        before = TakeNavigationBefore();
    }

    std::string Check(bool sameController = true) {
        return CheckAfterFrame(before, sameController, true, host);
    }

    Menu::Controller& Controller() { return *menuController; }

    NavigationBefore before;
};

TEST_F(MenuInvariantsTest, ASoundStateHolds) {
    EXPECT_EQ(Check(), "");
    runner.RunFrame();
    EXPECT_EQ(Check(), "");
}

TEST_F(MenuInvariantsTest, ASelectionOffTheRowsIsCaught) {
    Controller().selectedIndex = 3;
    EXPECT_NE(Check(), "");
    Controller().selectedIndex = -1;
    EXPECT_NE(Check(), "");
}

TEST_F(MenuInvariantsTest, AListOffItsValuesOrShowingAnotherValueIsCaught) {
    Menu::Option& list = menuController->currentSubmenu->options[1];
    list.listIndex = 2;
    EXPECT_NE(Check(), "");
    list.listIndex = 1;
    EXPECT_NE(Check(), "") << "valueText still shows x";
    list.valueText = "y";
    EXPECT_EQ(Check(), "");
    list.frame.invoking = true;
    EXPECT_NE(Check(), "") << "a call marker outlived its call";
}

TEST_F(MenuInvariantsTest, RowsMiscountedOrMisnumberedAreCaught) {
    Menu::Submenu& shown = *menuController->currentSubmenu;
    ++shown.optionCount;
    EXPECT_NE(Check(), "");
    --shown.optionCount;
    shown.options[2].index = 1;
    EXPECT_NE(Check(), "");
}

TEST_F(MenuInvariantsTest, StackAndSavedRowsOutOfStepAreCaught) {
    Controller().currentSubmenu = &submenuRegistry.at(5);
    Controller().submenuStack = {0};
    Controller().savedSelection = {{0, 0}};
    EXPECT_EQ(Check(false), "") << "a descent from row 0 of submenu 0";
    EXPECT_EQ(Check(true), "");

    Controller().savedSelection = {{0, 2}};
    EXPECT_NE(Check(true), "") << "the saved row is not the row descended from";
    before.asks.mouseOff = false;
    EXPECT_EQ(Check(true), "") << "unless the cursor selected it first";
    Controller().savedSelection = {{0, 7}};
    EXPECT_NE(Check(true), "") << "a row the parent does not have";
    before.asks.mouseOff = true;
    Controller().savedSelection = {{0, 0}, {5, 0}};
    EXPECT_NE(Check(false), "") << "a row saved for a submenu not on the stack";
    Controller().savedSelection = {{0, 0}};
    Controller().submenuStack = {0, 0};
    EXPECT_NE(Check(true), "") << "two descents in one frame";
    Controller().submenuStack = {0, 5};
    Controller().savedSelection = {{0, 0}, {5, 0}};
    WitnessPageOpened();
    EXPECT_EQ(Check(true), "") << "two descents in one frame, one by the plug-in's own OpenSubmenu";
    Controller().submenuStack = {0, 99};
    EXPECT_NE(Check(false), "") << "an unregistered id on the stack";
}

TEST_F(MenuInvariantsTest, TheRadarMustFollowTheMenu) {
    host.game.radarShown = false;
    EXPECT_NE(Check(), "");
    EXPECT_EQ(CheckAfterFrame(before, true, false, host), "") << "unless a restart left it hidden";
}

TEST_F(MenuInvariantsTest, CallsOfUnknownNativesOrWithWrongArgumentsAreCaught) {
    sim::NativeCall unknown;
    unknown.hash = 0x1234;
    host.recorder.Record(unknown);
    EXPECT_NE(Check(), "");

    host.recorder.Clear();
    NativeInvoker::Invoke(native::PlayFrontendSound, "SELECT", "HUD_SHOP_SOUNDSET", 1);
    EXPECT_NE(Check(), "") << "one argument short";
    host.recorder.Clear();
    NativeInvoker::Invoke(native::PlayFrontendSound, "SELECT", static_cast<const char*>(nullptr), 1, 0);
    EXPECT_NE(Check(), "") << "a null text";
}

} // namespace

// Each rule over the frame's calls, broken by one planted call; the same call
// is fine where the rule does not forbid it.
TEST_F(MenuInvariantsTest, EachRuleOverTheCallsCatchesItsPlantedFault) {
    using NativeInvoker::Invoke;
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    const FrameAsks typing{true, false};
    const FrameAsks mouseOff{false, true};
    const struct {
        const char* fault;
        std::function<void()> plant;
        FrameAsks asks;
        bool broken;
    } cases[] = {
        {"NaN", [] { Invoke(native::DisplayText, std::uint64_t{1}, nan, 0.5f); }, {}, true},
        {"infinite", [] { Invoke(native::DisplayText, std::uint64_t{1}, 0.5f, -HUGE_VALF); }, {}, true},
        {"not UTF-8", [] { Invoke(native::PlayFrontendSound, "NAV\xff", "set", 1, 0); }, {}, true},
        {"markup cut",
         [] {
             Invoke(native::MakeLiteralGameString, 10, "LITERAL_STRING", "<TEXTFORMAT><P>~s~a</FONT></P>");
         },
         {},
         true},
        {"markup closed",
         [] {
             Invoke(native::MakeLiteralGameString, 10, "LITERAL_STRING",
                    "<TEXTFORMAT><P>~s~a</FONT></P><TEXTFORMAT>");
         },
         {},
         false},
        {"asked while typing", [] { Invoke(native::ControlJustPressed, 0, Menu::UpControl); }, typing, true},
        {"asked, not typing", [] { Invoke(native::ControlJustPressed, 0, Menu::UpControl); }, {}, false},
        {"cursor shown", [] { Invoke(native::SetMouseCursorThisFrame); }, mouseOff, true},
        {"cursor read", [] { Invoke(native::DisabledControlNormal, 0, control::INPUT_CURSOR_X); }, mouseOff,
         true},
        {"a control, mouse off", [] { Invoke(native::ControlJustPressed, 0, Menu::UpControl); }, mouseOff,
         false},
        {"sprite off screen",
         [] {
             Invoke(native::DrawSprite, "generic_textures", "tick", 1.01f, 0.5f, 0.1f, 0.1f, 0.0f, 255, 255,
                    255, 255, 0);
         },
         {},
         true},
        {"the turned rule",
         [] {
             Invoke(native::DrawSprite, "generic_textures", "menu_bar", -0.2f, 0.5f, 0.1f, 0.1f, 45.0f, 255,
                    255, 255, 255, 0);
         },
         {},
         false},
    };
    for (const auto& c : cases) {
        host.recorder.Clear();
        c.plant();
        EXPECT_EQ(CheckCalls(host.recorder.Last(), c.asks).empty(), !c.broken) << c.fault;
    }
}

TEST_F(MenuInvariantsTest, ASelectionMovedOntoAHeadingAmidRowsIsCaught) {
    menuController->AddSubmenu(0, "Main", "", [](Menu::Submenu* submenu) {
        submenu->AddOption("a", "", {});
        submenu->AddSeparator("heading");
        submenu->AddOption("b", "", {});
        submenu->AddSeparator("last");
    });
    Controller().selectedIndex = 1;
    EXPECT_NE(Check(), "") << "moved there from row 0";
    Controller().selectedIndex = 3;
    EXPECT_EQ(Check(), "") << "the last row, where a wrap up lands";
    Controller().selectedIndex = 1;
    before = TakeNavigationBefore();
    EXPECT_EQ(Check(), "") << "where it already stood";

    menuController->AddSubmenu(0, "Main", "", [](Menu::Submenu* submenu) {
        for (const char* heading : {"x", "y", "z"}) {
            submenu->AddSeparator(heading);
        }
    });
    before = {};
    EXPECT_EQ(Check(), "") << "no row but headings";
}

TEST_F(MenuInvariantsTest, ADisabledRowsActionRunningIsCaught) {
    WitnessRowAction();
    EXPECT_EQ(Check(), "");
    menuController->currentSubmenu->options[0].isDisabled = true;
    WitnessRowAction();
    EXPECT_NE(Check(), "");
    EXPECT_EQ(Check(), "") << "told once";
}
