// The fuzzer's checks must be able to fail: each broken state below is one a
// faulty plug-in could leave behind.
#include "tests/support/PluginFixture.h"

#include "tests/fuzz/MenuInvariants.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"

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
    Controller().savedSelection = {{0, 0}, {5, 0}};
    EXPECT_NE(Check(false), "") << "a row saved for a submenu not on the stack";
    Controller().savedSelection = {{0, 0}};
    Controller().submenuStack = {0, 0};
    EXPECT_NE(Check(true), "") << "two descents in one frame";
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
    NativeInvoker::Invoke(Native::PlayFrontendSound, "SELECT", "HUD_SHOP_SOUNDSET", 1);
    EXPECT_NE(Check(), "") << "one argument short";
    host.recorder.Clear();
    NativeInvoker::Invoke(Native::PlayFrontendSound, "SELECT", static_cast<const char*>(nullptr), 1, 0);
    EXPECT_NE(Check(), "") << "a null text";
}

} // namespace
