// The driver's input sequences and screen set-up, played on the linked plug-in
// as sessions, scenarios and the workbench play them.
#include "tests/support/MenuFixture.h"

#include "driver/Screen.h"
#include "host/GameWindow.h"
#include "host/PluginKeys.h"

namespace {

using DriverTest = MenuTest;

// Plays a sequence and says, frame by frame, whether the menu was open after it.
std::string Played(driver::Runner& runner, const driver::InputSequence& sequence) {
    std::string open;
    driver::Play(runner, sequence,
                 [&open](const sim::Frame&) { open += menuController->isOpen ? 'o' : '-'; });
    return open;
}

TEST_F(DriverTest, TheF8ToggleAndTheChordOpenAndCloseInTheirFrames) {
    Start();
    EXPECT_EQ(Played(runner, driver::ToggleWithF8()), "-o")
        << "F8 counts on its release, before the second frame";
    EXPECT_EQ(Played(runner, driver::ToggleWithF8()), "o-");
    EXPECT_EQ(Played(runner, driver::Chord()), "-oo") << "the button comes up in the second frame";
    EXPECT_EQ(Played(runner, driver::Chord()), "o--");

    host.game.gamepad = true;
    EXPECT_EQ(Played(runner, driver::Chord()), "-oo") << "the chord is the same with a controller";
    EXPECT_EQ(Played(runner, driver::TapControl(Menu::DownControl)), "oo");
    EXPECT_EQ(Controller().selectedIndex, 1);
}

TEST_F(DriverTest, AHeldKeyRepeatsAndItsReleaseLetsGo) {
    Start();
    const driver::InputEvent repeat{driver::InputKind::KeyRepeat, plugin_keys::Toggle};
    EXPECT_EQ(driver::ReleaseOf(repeat).kind, driver::InputKind::KeyUp);
    EXPECT_EQ(driver::ReleaseOf({driver::InputKind::PressControl, Menu::UpControl}).kind,
              driver::InputKind::ReleaseControl);
    // Down, repeated, up: one toggle, as a key held for a while gives.
    EXPECT_EQ(Played(runner, {{driver::InputKind::KeyDown, plugin_keys::Toggle},
                              {driver::InputKind::NextFrame},
                              repeat,
                              {driver::InputKind::NextFrame},
                              driver::ReleaseOf(repeat),
                              {driver::InputKind::NextFrame}}),
              "--o");
}

TEST_F(DriverTest, AQuickTapMovesOnceInOneFrame) {
    StartOpen();
    EXPECT_EQ(Played(runner, driver::QuickTap({Menu::DownControl, Menu::DownControl})), "o");
    EXPECT_EQ(Controller().selectedIndex, 1) << "a control changes once a frame";
}

TEST(ScreenTest, TheGameWindowKeepsTheScreensProportionsUnlessGivenBoth) {
    sim::StandInHook host;
    driver::SetScreen(host, {2560, 1440, 1280});
    EXPECT_EQ(host.screenWidth, 2560);
    EXPECT_EQ(host.screenHeight, 1440);
    EXPECT_EQ(host.window->rect.right, 1280);
    EXPECT_EQ(host.window->rect.bottom, 720);

    host.window.reset();
    driver::SetScreen(host, {1920, 1080, 1000, 500});
    ASSERT_TRUE(host.window.has_value()) << "a host without a window gets one";
    EXPECT_EQ(host.window->title, GameWindowTitle);
    EXPECT_EQ(host.window->rect.right, 1000);
    EXPECT_EQ(host.window->rect.bottom, 500);
}

} // namespace
