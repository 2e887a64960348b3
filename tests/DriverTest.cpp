// The driver's input sequences and screen set-up, played on the linked plug-in
// as sessions, scenarios and the workbench play them.
#include "MenuFixture.h"

#include "driver/Screen.h"

namespace {

using DriverTest = MenuTest;

// Plays a sequence and says, frame by frame, whether the menu was open after it.
std::string Played(sim::Runner& runner, const sim::InputSequence& sequence) {
    std::string open;
    sim::Play(runner, sequence, [&open](const sim::Frame&) { open += menuController->isOpen ? 'o' : '-'; });
    return open;
}

TEST_F(DriverTest, TheF8ToggleAndTheChordOpenAndCloseInTheirFrames) {
    Start();
    EXPECT_EQ(Played(runner, sim::ToggleWithF8()), "-o")
        << "F8 counts on its release, before the second frame";
    EXPECT_EQ(Played(runner, sim::ToggleWithF8()), "o-");
    EXPECT_EQ(Played(runner, sim::Chord()), "-oo") << "the button comes up in the second frame";
    EXPECT_EQ(Played(runner, sim::Chord()), "o--");

    host.game.gamepad = true;
    EXPECT_EQ(Played(runner, sim::Chord()), "-oo") << "the chord is the same with a controller";
    EXPECT_EQ(Played(runner, sim::TapControl(Menu::DownControl)), "oo");
    EXPECT_EQ(Controller().selectedIndex, 1);
}

TEST_F(DriverTest, AHeldKeyRepeatsAndItsReleaseLetsGo) {
    Start();
    const sim::InputEvent repeat{sim::InputKind::KeyRepeat, sim::KeyF8};
    EXPECT_EQ(sim::ReleaseOf(repeat).kind, sim::InputKind::KeyUp);
    EXPECT_EQ(sim::ReleaseOf({sim::InputKind::PressControl, Menu::UpControl}).kind,
              sim::InputKind::ReleaseControl);
    // Down, repeated, up: one toggle, as a key held for a while gives.
    EXPECT_EQ(Played(runner, {{sim::InputKind::KeyDown, sim::KeyF8},
                              {sim::InputKind::NextFrame},
                              repeat,
                              {sim::InputKind::NextFrame},
                              sim::ReleaseOf(repeat),
                              {sim::InputKind::NextFrame}}),
              "--o");
}

TEST_F(DriverTest, AQuickTapMovesOnceInOneFrame) {
    StartOpen();
    EXPECT_EQ(Played(runner, sim::QuickTap({Menu::DownControl, Menu::DownControl})), "o");
    EXPECT_EQ(Controller().selectedIndex, 1) << "a control changes once a frame";
}

TEST(ScreenTest, TheGameWindowKeepsTheScreensProportionsUnlessGivenBoth) {
    sim::Host host;
    sim::SetScreen(host, {2560, 1440, 1280});
    EXPECT_EQ(host.screenWidth, 2560);
    EXPECT_EQ(host.screenHeight, 1440);
    EXPECT_EQ(host.window->rect.right, 1280);
    EXPECT_EQ(host.window->rect.bottom, 720);

    host.window.reset();
    sim::SetScreen(host, {1920, 1080, 1000, 500});
    ASSERT_TRUE(host.window.has_value()) << "a host without a window gets one";
    EXPECT_EQ(host.window->title, "Red Dead Redemption 2");
    EXPECT_EQ(host.window->rect.right, 1000);
    EXPECT_EQ(host.window->rect.bottom, 500);
}

} // namespace
