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
