// The plug-in built as a module and loaded as the hook loads it.
#include "tests/StrictReading.h"

#include "driver/Runner.h"
#include "host/PluginKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <string>

namespace {

TEST(ModuleTest, LoadRunsAndUnloadsCleanlyEvenWhileRunning) {
    sim::StandInHook host;
    {
        driver::Runner runner(host);
        runner.Load(driver::Plugin::Load(QDT_PLUGIN_MODULE));
        ASSERT_NE(host.script, nullptr);
        ASSERT_NE(host.keyboardHandler, nullptr);
        runner.RunFrames(3);
        EXPECT_EQ(host.game.prompts.size(), 2u);
        runner.Unload();
        EXPECT_EQ(host.script, nullptr);
        EXPECT_EQ(host.keyboardHandler, nullptr);
        EXPECT_EQ(host.hookLog.back(), "keyboardHandlerUnregister(same handler)");
        EXPECT_EQ(host.hookLog[2], "scriptUnregister(same module)");
        EXPECT_EQ(host.runtimeMemoryReleases, 1) << "the module gives back its runtime's memory";
        runner.RunFrame();
        EXPECT_TRUE(host.recorder.Last().empty()) << "an unloaded script is not resumed";
    }
}

TEST(ModuleTest, UnloadingWhileOpenLeavesTheGameAsItWasAndALaterLoadStartsClosed) {
    sim::StandInHook host;
    driver::Runner runner(host);
    runner.Load(driver::Plugin::Load(QDT_PLUGIN_MODULE));
    runner.RunFrame();
    runner.KeyDown(plugin_keys::Toggle);
    runner.KeyUp(plugin_keys::Toggle);
    runner.RunFrames(2);
    ASSERT_FALSE(host.game.radarShown) << "the menu is open";
    ASSERT_TRUE(host.game.prompts.at(1).visible);

    runner.Unload();
    runner.KeyUp(plugin_keys::Toggle);
    runner.RunFrames(2);
    EXPECT_TRUE(host.recorder.Last().empty()) << "nothing of the module runs after unload";
    EXPECT_FALSE(host.game.radarShown) << "nothing in the game is restored";
    ASSERT_EQ(host.game.prompts.size(), 2u) << "nor are the prompts deleted";
    EXPECT_TRUE(host.game.prompts.at(1).visible && host.game.prompts.at(1).enabled);
    EXPECT_TRUE(host.game.prompts.at(2).visible && host.game.prompts.at(2).enabled);

    runner.Load(driver::Plugin::Load(QDT_PLUGIN_MODULE));
    runner.RunFrame();
    EXPECT_EQ(host.game.prompts.size(), 4u);
    EXPECT_FALSE(host.game.prompts.at(3).visible) << "the new load starts closed";
    runner.KeyDown(plugin_keys::Toggle);
    runner.KeyUp(plugin_keys::Toggle);
    runner.RunFrame();
    EXPECT_TRUE(host.game.prompts.at(3).visible) << "and its handler is the one registered";
    runner.Unload();
}

TEST(ModuleTest, EachLoadBuildsItsStateAfresh) {
    std::vector<std::vector<std::string>> firstFrames;
    for (int load = 0; load < 2; ++load) {
        sim::StandInHook host;
        driver::Runner runner(host);
        runner.Load(driver::Plugin::Load(QDT_PLUGIN_MODULE));
        runner.RunFrame();
        firstFrames.push_back(host.recorder.DescribeLast());
        runner.Unload();
    }
    EXPECT_EQ(firstFrames[0], firstFrames[1]);
    EXPECT_FALSE(firstFrames[0].empty());
}

// A session's restart: the game's process ends (the module is told so and
// keeps its runtime's memory for the end), the game starts fresh and the
// module is loaded anew, closed, with the answers the game was taught.
TEST(ModuleTest, RestartingTheGameEndsItsProcessAndLoadsTheModuleAnewInAFreshGame) {
    sim::StandInHook host;
    driver::Runner runner(host);
    runner.Load(driver::Plugin::Load(QDT_PLUGIN_MODULE));
    host.game.answerOverride = [](sim::NativeCall&) -> std::optional<std::uint64_t> { return std::nullopt; };
    runner.RunFrame();
    runner.KeyDown(plugin_keys::Toggle);
    runner.KeyUp(plugin_keys::Toggle);
    runner.RunFrames(2);
    ASSERT_FALSE(host.game.radarShown) << "the menu is open";

    runner.RestartGame();
    EXPECT_EQ(host.runtimeMemoryReleases, 0) << "an ending process gives nothing back";
    EXPECT_TRUE(host.game.radarShown && host.game.prompts.empty()) << "the game is fresh";
    EXPECT_TRUE(host.game.answerOverride) << "what it was taught stays";
    ASSERT_NE(host.script, nullptr);
    runner.RunFrame();
    ASSERT_EQ(host.game.prompts.size(), 2u) << "the new load registers its prompts in the new game";
    EXPECT_FALSE(host.game.prompts.at(1).visible) << "and starts closed";
    runner.KeyDown(plugin_keys::Toggle);
    runner.KeyUp(plugin_keys::Toggle);
    runner.RunFrames(2);
    EXPECT_FALSE(host.game.radarShown) << "its handler is the one registered";
    runner.Unload();
    EXPECT_EQ(host.runtimeMemoryReleases, 1);
}

// What the screen metrics and the game window answer at load and start-up,
// and the picture the menu must then be laid out for.
struct Machine {
    const char* name;
    int screenWidth;
    int screenHeight;
    std::optional<RECT> window; // none: no game window
    int windowWidth;            // the window the menu must be drawn for
    int windowHeight;
};

std::ostream& operator<<(std::ostream& out, const Machine& machine) {
    return out << machine.name;
}

class HostileMachineTest : public ::testing::TestWithParam<Machine> {};

// However odd the answers, the open menu is laid out on a real picture: every
// position finite, text sized for a real width, the counter's margin in range.
// The module carries the tests' own pages (tests/support/FixturePages.cpp).
TEST_P(HostileMachineTest, TheOpenMenuIsLaidOutForARealPicture) {
    const Machine& machine = GetParam();
    sim::StandInHook host;
    host.screenWidth = machine.screenWidth;
    host.screenHeight = machine.screenHeight;
    if (machine.window) {
        host.window->rect = *machine.window;
    } else {
        host.window.reset();
    }
    driver::Runner runner(host);
    runner.Load(driver::Plugin::Load(QDT_FIXTURE_MODULE));
    runner.RunFrame();
    runner.KeyDown(plugin_keys::Toggle);
    runner.KeyUp(plugin_keys::Toggle);
    const readback::Drawing drawn = ReadDrawing(runner.RunFrame());
    runner.Unload();

    ASSERT_TRUE(drawn.faults.empty()) << drawn.faults.front();
    ASSERT_EQ(drawn.sprites.size(), 19u) << "the six-row main page, open";
    ASSERT_EQ(drawn.texts.size(), 10u);
    for (const DrawnSprite& sprite : drawn.sprites) {
        EXPECT_TRUE(std::isfinite(sprite.x) && std::isfinite(sprite.y) && std::isfinite(sprite.width) &&
                    std::isfinite(sprite.height))
            << sprite;
    }
    // The whole menu at one scale, the window's height / 1080 (of 100 lines below that).
    const std::int64_t scaledHeight = std::max(machine.windowHeight, 100);
    const double scale = static_cast<double>(scaledHeight) / 1080.0;
    EXPECT_NEAR(drawn.sprites.front().x, 313.0 * scale / machine.windowWidth, 1e-6)
        << "the backdrop's centre";
    EXPECT_NEAR(drawn.sprites.front().y, 538.0 * scale / machine.windowHeight, 1e-6);

    const auto size = [scaledHeight](int layoutSize) {
        return std::to_string(std::int64_t{layoutSize} * scaledHeight / 1080);
    };
    for (const DrawnText& text : drawn.texts) {
        EXPECT_TRUE(std::isfinite(text.x) && std::isfinite(text.y)) << text.markup;
    }
    EXPECT_EQ(drawn.texts.at(0).Attribute("SIZE"), size(45)) << "the title";
    EXPECT_EQ(drawn.texts.at(1).Attribute("SIZE"), size(23)) << "the subtitle";
    EXPECT_EQ(drawn.texts.at(3).Attribute("SIZE"), size(22)) << "the first row";

    const DrawnText& counter = drawn.texts.at(2);
    EXPECT_EQ(counter.Inner(), "1 of 6");
    EXPECT_NEAR(std::stod(counter.Attribute("RIGHTMARGIN")) * scale, machine.windowWidth - 534.0 * scale,
                1.5);
}

constexpr RECT FullHd = {0, 0, 1920, 1080};

INSTANTIATE_TEST_SUITE_P(
    Answers, HostileMachineTest,
    ::testing::Values(Machine{"SaneNarrowWindow", 2560, 1440, RECT{0, 0, 1280, 720}, 1280, 720},
                      Machine{"UltrawideScreen", 3440, 1440, std::nullopt, 3440, 1440},
                      Machine{"WidthBeyondAnInt", 1920, 1080, RECT{-2, 0, INT_MAX, 1080}, 1920, 1080},
                      Machine{"HeightBeyondAnInt", 2560, 1440, RECT{0, -2, 1280, INT_MAX}, 2560, 1440},
                      Machine{"ZeroWidth", 2560, 1440, RECT{100, 0, 100, 1080}, 2560, 1440},
                      Machine{"ZeroHeight", 2560, 1440, RECT{0, 50, 1280, 50}, 2560, 1440},
                      Machine{"NegativeWidth", 1920, 1080, RECT{1280, 0, 0, 720}, 1920, 1080},
                      // Drawn at the scale of a 100-line window: the menu is still there, tiny.
                      Machine{"TinyWindow", 1920, 1080, RECT{0, 0, 160, 40}, 160, 40},
                      // Minimised during loading: parked at -32000 with a caption-sized rectangle.
                      Machine{"MinimisedWindow", 2560, 1440, RECT{-32000, -32000, -31840, -31972}, 2560,
                              1440},
                      Machine{"NoScreenSize", 0, 0, RECT{0, 0, 1280, 720}, 1280, 720},
                      Machine{"NoScreenSizeNoWindow", 0, 0, std::nullopt, 1920, 1080},
                      Machine{"NegativeScreenSize", -1, -768, std::nullopt, 1920, 1080},
                      Machine{"HugeScreen", INT_MAX, INT_MAX, FullHd, 1920, 1080}),
    [](const ::testing::TestParamInfo<Machine>& answer) { return std::string(answer.param.name); });

} // namespace
