// Work every frame: tasks run after the frame tick, open or closed, in the
// order added; one that throws is dropped, one that waits holds the script.
#include "tests/support/MenuFixture.h"

#include "host/NativeInvoker.h"
#include "host/ScriptHook.h"

#include <stdexcept>

namespace {

using FrameTaskTest = MenuTest;

TEST_F(FrameTaskTest, TasksRunAfterTheFrameTickInTheOrderAddedOpenOrClosed) {
    Start();
    std::vector<std::string> ran;
    Controller().AddFrameTask([&ran] {
        ran.push_back("first");
        NativeInvoker::Invoke(native::GetClockHours);
    });
    Controller().AddFrameTask([&ran] { ran.push_back("second"); });

    runner.RunFrame();
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second"}));
    std::vector<std::string> calls = LastFrame();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.back(), "CLOCK::GET_CLOCK_HOURS() -> 12") << "after the frame tick's last call";
    EXPECT_EQ(calls[calls.size() - 2].rfind("HUD::_UI_PROMPT_SET_ENABLED(", 0), 0u);

    ReleaseF8();
    runner.RunFrame();
    ASSERT_TRUE(Controller().isOpen);
    EXPECT_EQ(ran.size(), 4u) << "open as closed, once a frame";
    EXPECT_EQ(LastFrame().back(), "CLOCK::GET_CLOCK_HOURS() -> 12");
}

TEST_F(FrameTaskTest, ATaskThatThrowsIsDroppedAndTheRestGoOn) {
    Start();
    int before = 0;
    int failing = 0;
    int after = 0;
    Controller().AddFrameTask([&before] { ++before; });
    Controller().AddFrameTask([&failing] {
        if (++failing == 2) {
            throw std::runtime_error("the game said no");
        }
    });
    Controller().AddFrameTask([&after] { ++after; });
    ReleaseF8();
    runner.RunFrames(4);
    EXPECT_EQ(before, 4);
    EXPECT_EQ(failing, 2) << "dropped after it threw";
    EXPECT_EQ(after, 4) << "the task after it ran in the same frame";
    EXPECT_EQ(Controller().frame.frameTasks.size(), 2u);
    EXPECT_TRUE(Controller().isOpen) << "the menu goes on";
    EXPECT_FALSE(host.Fiber()->ExceptionEscaped());
}

TEST_F(FrameTaskTest, TasksRunEvenWhenTheFrameTickFailed) {
    Start();
    int runs = 0;
    Controller().AddFrameTask([&runs] { ++runs; });
    SetMainRows(
        [](Menu::Submenu* page) { page->AddOption("Fails", "", [] { throw std::runtime_error("no"); }); });
    ReleaseF8();
    runner.RunFrame();
    Tap(Menu::SelectControl);
    EXPECT_EQ(runs, 2);
}

TEST_F(FrameTaskTest, ATaskThatWaitsHoldsTheScriptAndTheOthersRunWhenItEnds) {
    Start();
    std::vector<std::string> ran;
    bool waitOnce = true;
    Controller().AddFrameTask([&] {
        ran.push_back("waiting");
        if (waitOnce) {
            waitOnce = false;
            scriptWait(0);
            scriptWait(0);
            ran.push_back("woke");
        }
    });
    Controller().AddFrameTask([&ran] { ran.push_back("next"); });
    ReleaseF8();
    runner.RunFrame();
    EXPECT_EQ(ran, std::vector<std::string>{"waiting"});
    EXPECT_TRUE(runner.RunFrame().empty()) << "the script waits inside the task: no frame tick";
    EXPECT_EQ(ran, std::vector<std::string>{"waiting"});
    runner.RunFrame();
    EXPECT_EQ(ran, (std::vector<std::string>{"waiting", "woke", "next"}));
    EXPECT_TRUE(host.recorder.Last().empty()) << "only the rest of the tasks ran in that turn";
    runner.RunFrame();
    EXPECT_TRUE(Controller().isOpen);
    EXPECT_EQ(readback::ReadMenu(host.recorder.Last()).title, "Fixture") << "frames go on as before";
    EXPECT_EQ(ran.size(), 5u);
}

} // namespace
