// The example page's module, loaded as the hook loads the plug-in: the main
// page's link opens it, and each action shows what it read of its own row.
#include "tests/StrictReading.h"

#include "driver/Runner.h"
#include "host/MenuControls.h"
#include "host/PluginKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

namespace {

class ExampleModuleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        runner.Load(driver::Plugin::Load(QDT_EXAMPLE_MODULE));
        runner.RunFrame();
        runner.KeyDown(plugin_keys::Toggle);
        runner.KeyUp(plugin_keys::Toggle);
        runner.RunFrame();
    }
    void TearDown() override { runner.Unload(); }

    void Tap(std::uint32_t control) {
        host.game.PressControl(control);
        host.game.ReleaseControl(control);
        runner.RunFrame();
    }

    // The subtitle and the selected row's description, as the last frame drew them.
    std::string Drawn(const char* size) const {
        const readback::Drawing drawn = ReadDrawing(host.recorder.Last());
        const auto text = std::find_if(drawn.texts.begin(), drawn.texts.end(),
                                       [size](const DrawnText& t) { return t.Attribute("SIZE") == size; });
        return text != drawn.texts.end() ? text->Inner() : "<not drawn>";
    }
    std::string Subtitle() const { return Drawn("23"); }
    std::string Description() const { return Drawn("18"); }

    sim::StandInHook host;
    driver::Runner runner{host};
};

TEST_F(ExampleModuleTest, TheLinkOpensThePageAndEachActionReadsItsOwnRow) {
    ASSERT_EQ(Subtitle(), "Main Menu");
    Tap(Menu::UpControl); // wraps to the last row: the link after the six voices
    EXPECT_EQ(Description(), "Opens the example page.");
    Tap(Menu::SelectControl);
    ASSERT_EQ(Subtitle(), "Example page");

    Tap(Menu::SelectControl);
    EXPECT_EQ(Description(), "Hints are shown.");
    Tap(Menu::SelectControl);
    EXPECT_EQ(Description(), "Hints are hidden.");

    Tap(Menu::DownControl);
    Tap(Menu::RightControl);
    EXPECT_EQ(Description(), "Value 3 of 3: Farewell.") << "it starts on its second value";
    Tap(Menu::LeftControl);
    Tap(Menu::LeftControl);
    Tap(Menu::LeftControl);
    EXPECT_EQ(Description(), "Value 3 of 3: Farewell.") << "left from the first value wraps";

    Tap(Menu::DownControl);
    Tap(Menu::SelectControl);
    ASSERT_EQ(host.game.keyboard.state, sim::OnscreenKeyboard::State::Editing) << "the text row opened it";
    EXPECT_EQ(host.game.keyboard.text, "Arthur") << "on the row's value";
    host.game.keyboard.Type("Sadie");
    host.game.keyboard.Finish();
    runner.RunFrame();
    EXPECT_EQ(Description(), "Typed: Sadie.");

    host.game.clockHours = 14;
    Tap(Menu::DownControl); // over the separator
    Tap(Menu::SelectControl);
    EXPECT_EQ(Description(), "The game's clock says 14 o'clock.");
    const std::vector<std::string> calls = host.recorder.DescribeLast();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "CLOCK::GET_CLOCK_HOURS() -> 14"), calls.end())
        << "the new native shows by name";

    Tap(Menu::DownControl);
    Tap(Menu::SelectControl);
    EXPECT_EQ(Subtitle(), "Second page");
    Tap(Menu::BackControl);
    EXPECT_EQ(Subtitle(), "Example page");
    Tap(Menu::BackControl);
    EXPECT_EQ(Subtitle(), "Main Menu") << "Back from page 1 returns to the main page";
    EXPECT_EQ(Description(), "Opens the example page.") << "on the link it left from";
}

} // namespace
