// The plug-in built as a module and loaded as the hook loads it.
#include "sim/Runner.h"

#include <gtest/gtest.h>

namespace {

TEST(ModuleTest, LoadRunsAndUnloadsCleanlyEvenWhileRunning) {
    sim::Host host;
    {
        sim::Runner runner(host);
        runner.Load(sim::Plugin::Load(QDT_PLUGIN_MODULE));
        ASSERT_NE(host.script, nullptr);
        ASSERT_NE(host.keyboardHandler, nullptr);
        runner.RunFrames(3);
        EXPECT_EQ(host.game.prompts.size(), 2u);
        runner.Unload();
        EXPECT_EQ(host.script, nullptr);
        EXPECT_EQ(host.keyboardHandler, nullptr);
        EXPECT_EQ(host.hookLog.back(), "keyboardHandlerUnregister(same handler)");
        EXPECT_EQ(host.hookLog[2], "scriptUnregister(same module)");
        runner.RunFrame();
        EXPECT_TRUE(host.recorder.Last().empty()) << "an unloaded script is not resumed";
    }
}

TEST(ModuleTest, UnloadingWhileOpenLeavesTheGameAsItWasAndALaterLoadStartsClosed) {
    sim::Host host;
    sim::Runner runner(host);
    runner.Load(sim::Plugin::Load(QDT_PLUGIN_MODULE));
    runner.RunFrame();
    runner.KeyDown(sim::KeyF8);
    runner.KeyUp(sim::KeyF8);
    runner.RunFrames(2);
    ASSERT_FALSE(host.game.radarShown) << "the menu is open";
    ASSERT_TRUE(host.game.prompts.at(1).visible);

    runner.Unload();
    runner.KeyUp(sim::KeyF8);
    runner.RunFrames(2);
    EXPECT_TRUE(host.recorder.Last().empty()) << "nothing of the module runs after unload";
    EXPECT_FALSE(host.game.radarShown) << "nothing in the game is restored";
    ASSERT_EQ(host.game.prompts.size(), 2u) << "nor are the prompts deleted";
    EXPECT_TRUE(host.game.prompts.at(1).visible && host.game.prompts.at(1).enabled);
    EXPECT_TRUE(host.game.prompts.at(2).visible && host.game.prompts.at(2).enabled);

    runner.Load(sim::Plugin::Load(QDT_PLUGIN_MODULE));
    runner.RunFrame();
    EXPECT_EQ(host.game.prompts.size(), 4u);
    EXPECT_FALSE(host.game.prompts.at(3).visible) << "the new load starts closed";
    runner.KeyDown(sim::KeyF8);
    runner.KeyUp(sim::KeyF8);
    runner.RunFrame();
    EXPECT_TRUE(host.game.prompts.at(3).visible) << "and its handler is the one registered";
    runner.Unload();
}

TEST(ModuleTest, EachLoadBuildsItsStateAfresh) {
    std::vector<std::vector<std::string>> firstFrames;
    for (int load = 0; load < 2; ++load) {
        sim::Host host;
        sim::Runner runner(host);
        runner.Load(sim::Plugin::Load(QDT_PLUGIN_MODULE));
        runner.RunFrame();
        firstFrames.push_back(host.recorder.DescribeLast());
        runner.Unload();
    }
    EXPECT_EQ(firstFrames[0], firstFrames[1]);
    EXPECT_FALSE(firstFrames[0].empty());
}

} // namespace
