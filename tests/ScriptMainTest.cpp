#include "tests/support/FixturePages.h"
#include "tests/support/PluginFixture.h"

#include "host/GameWindow.h"
#include "host/MenuControls.h"
#include "host/PluginKeys.h"
#include "sim/NativeTable.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <new>

namespace {

std::vector<std::string> PromptCreation(std::uint32_t handle, const char* control, const char* text,
                                        const char* gameString) {
    const std::string h = std::to_string(handle);
    return {
        "HUD::_UI_PROMPT_REGISTER_BEGIN() -> " + h,
        "HUD::_UI_PROMPT_SET_CONTROL_ACTION(" + h + ", " + control + ")",
        "HUD::_UI_PROMPT_SET_PRIORITY(" + h + ", 2)",
        std::string("MISC::VAR_STRING(10, \"LITERAL_STRING\", \"") + text + "\") -> " + gameString,
        "HUD::_UI_PROMPT_SET_TEXT(" + h + ", " + gameString + "=\"" + text + "\")",
        "HUD::_UI_PROMPT_SET_STANDARD_MODE(" + h + ", 1)",
        "HUD::_UI_PROMPT_SET_ATTRIBUTE(" + h + ", 34, 1)",
        "HUD::_UI_PROMPT_REGISTER_END(" + h + ")",
        "HUD::_UI_PROMPT_SET_VISIBLE(" + h + ", 0)",
        "HUD::_UI_PROMPT_SET_ENABLED(" + h + ", 0)",
    };
}

std::vector<std::string> Slice(const std::vector<std::string>& lines, std::size_t from, std::size_t count) {
    return {lines.begin() + static_cast<std::ptrdiff_t>(from),
            lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), from + count))};
}

TEST(ProcessStateTest, LoadTimeStateOnA1920By1080Screen) {
    // Built when this program loaded, before any test changed it.
    EXPECT_EQ(screenWidth, 1920.0f);
    EXPECT_EQ(screenHeight, 1080.0f);
    EXPECT_EQ(rowPitch, 1080.0f * 0.051f) << "a single-precision product";
    EXPECT_NEAR(rowPitch, 55.08f, 1e-5f);
    ASSERT_EQ(Menu::FontNames.size(), 18u);
    EXPECT_EQ(Menu::FontNames[0], "body");
    EXPECT_EQ(Menu::FontNames[9], "FixedWidthNumbers");
    EXPECT_EQ(Menu::FontNames[16], "title");
    EXPECT_EQ(Menu::FontNames[17], "wantedPostersGeneric");
}

using ScriptMainTest = PluginTest;

TEST_F(ScriptMainTest, AttachRegistersTheRoutineAndTheHandler) {
    runner.Load(driver::Plugin::Linked(&DllMain));
    EXPECT_EQ(host.hookLog,
              (std::vector<std::string>{"scriptRegister(set, set)", "keyboardHandlerRegister(set)"}));
    EXPECT_EQ(host.script, &ScriptMain);
    EXPECT_EQ(host.keyboardHandler, &KeyboardHandler);
    EXPECT_EQ(DllMain(nullptr, DLL_THREAD_ATTACH, nullptr), TRUE);
    EXPECT_EQ(DllMain(nullptr, DLL_THREAD_DETACH, nullptr), TRUE);
    EXPECT_EQ(host.hookLog.size(), 2u) << "thread notifications do nothing";

    runner.Unload();
    EXPECT_EQ(host.hookLog, (std::vector<std::string>{
                                "scriptRegister(set, set)", "keyboardHandlerRegister(set)",
                                "scriptUnregister(same module)", "keyboardHandlerUnregister(same handler)"}));
}

TEST_F(ScriptMainTest, OnlyALibraryFreedWhileTheProcessGoesOnGivesItsRuntimeMemoryBack) {
    Start();
    int processEnding = 0;
    DllMain(nullptr, DLL_PROCESS_DETACH, &processEnding);
    EXPECT_EQ(host.runtimeMemoryReleases, 0) << "an ending process gets everything back anyway";
    runner.Unload();
    EXPECT_EQ(host.runtimeMemoryReleases, 1) << "freed by the host: a script reload";
}

TEST_F(ScriptMainTest, StartUpCreatesPromptsOpensTheMainSubmenuClosedAndMeasuresTheWindow) {
    host.window->rect = {100, 50, 1380, 770};
    Start();

    const auto lines = LastFrame();
    EXPECT_EQ(Slice(lines, 0, 10),
              PromptCreation(1, "INPUT_GAME_MENU_ACCEPT", "Select", "0x5354520000000001"));
    EXPECT_EQ(Slice(lines, 10, 10),
              PromptCreation(2, "INPUT_GAME_MENU_CANCEL", "Back", "0x5354520000000002"));
    ASSERT_GE(lines.size(), 24u);
    EXPECT_EQ(
        Slice(lines, lines.size() - 4, 4),
        (std::vector<std::string>{"HUD::_UI_PROMPT_SET_VISIBLE(1, 0)", "HUD::_UI_PROMPT_SET_ENABLED(1, 0)",
                                  "HUD::_UI_PROMPT_SET_VISIBLE(2, 0)", "HUD::_UI_PROMPT_SET_ENABLED(2, 0)"}))
        << "the first frame tick ends by updating the prompts";

    ASSERT_NE(menuController, nullptr);
    const Menu::Controller& controller = *menuController;
    ASSERT_EQ(controller.currentSubmenu, &submenuRegistry.at(0));
    EXPECT_EQ(controller.currentSubmenu->title, "Fixture");
    EXPECT_EQ(controller.currentSubmenu->subtitle, "Main page");
    EXPECT_EQ(controller.selectedIndex, 0);
    EXPECT_FALSE(controller.isOpen);
    EXPECT_TRUE(controller.submenuStack.empty());
    EXPECT_TRUE(controller.savedSelection.empty());
    EXPECT_EQ(controller.selectPrompt, 1u);
    EXPECT_EQ(controller.backPrompt, 2u);
    EXPECT_EQ(windowWidth, 1280) << "the menu scales with the game window, not the screen";
    EXPECT_EQ(windowHeight, 720);
    EXPECT_EQ(windowScale.scale, 720.0f / 1080.0f);
    EXPECT_EQ(screenWidth, 1920.0f);
    EXPECT_EQ(host.game.prompts.at(1).text, "Select");
    EXPECT_EQ(host.game.prompts.at(2).control, Menu::BackControl);
}

TEST_F(ScriptMainTest, WindowWidthFallsBackToTheScreenWhenTheWindowCannotBeMeasured) {
    host.window->title = std::string(GameWindowTitle) + " ";
    host.window->rect = {0, 0, 1280, 720};
    Start();
    EXPECT_EQ(windowWidth, 1920) << "the title must match exactly";

    host.window.reset();
    runner.RestartScript();
    runner.RunFrame();
    EXPECT_EQ(windowWidth, 1920) << "no window at all";

    host.window = sim::Window{};
    host.window->rect = {0, 0, 1280, 720};
    host.windowRectFails = true;
    runner.RestartScript();
    runner.RunFrame();
    EXPECT_EQ(windowWidth, 1920) << "the rectangle cannot be read";
    EXPECT_EQ(windowHeight, 1080) << "the screen's height stays too";
    EXPECT_EQ(windowScale.scale, 1.0f);
}

// FindWindowA ignores case on Windows (and under Wine); the stand-in must too,
// or the two builds would scale text differently for such a window.
TEST_F(ScriptMainTest, ATitleDifferingOnlyInCaseIsStillTheGameWindow) {
    host.window->title = "RED DEAD redemption 2";
    host.window->rect = {0, 0, 1280, 720};
    Start();
    EXPECT_EQ(windowWidth, 1280);
}

TEST_F(ScriptMainTest, ASecondStartReplacesTheControllerAndRegistersAgain) {
    Start();
    menuController->isOpen = true;
    menuController->selectedIndex = 4;
    runner.RestartScript();
    runner.RunFrame();

    EXPECT_EQ(host.game.prompts.size(), 4u) << "two new prompts; the old ones stay in the game";
    const Menu::Controller& controller = *menuController;
    EXPECT_EQ(controller.selectPrompt, 3u);
    EXPECT_EQ(controller.backPrompt, 4u);
    EXPECT_FALSE(controller.isOpen);
    EXPECT_EQ(controller.selectedIndex, 0);
    EXPECT_EQ(submenuRegistry.size(), 1u);
    EXPECT_EQ(controller.currentSubmenu, &submenuRegistry.at(0));
    EXPECT_EQ(controller.currentSubmenu->optionCount, FixtureMainRows);
}

TEST_F(ScriptMainTest, ASecondStartWhileOpenInASubmenuStartsClosedOnTheMainSubmenu) {
    Start();
    menuController->AddSubmenu(5, "Child", "",
                               [](Menu::Submenu* submenu) { submenu->AddOption("a", "", {}); });
    menuController->AddSubmenu(0, "Main", "", [](Menu::Submenu* submenu) {
        submenu->AddOption("a", "", {});
        submenu->AddSubmenuLink("Child", "", 5);
    });
    menuController->isOpen = true;
    menuController->selectedIndex = 1;
    host.game.PressControl(Menu::SelectControl);
    host.game.ReleaseControl(Menu::SelectControl);
    runner.RunFrame();
    ASSERT_EQ(menuController->currentSubmenu, &submenuRegistry.at(5));
    ASSERT_EQ(menuController->submenuStack, std::vector<std::int32_t>{0});

    runner.RestartScript();
    runner.RunFrame();
    const Menu::Controller& controller = *menuController;
    EXPECT_FALSE(controller.isOpen);
    EXPECT_EQ(controller.currentSubmenu, &submenuRegistry.at(0));
    EXPECT_EQ(controller.currentSubmenu->optionCount, FixtureMainRows)
        << "the main rows are registered again";
    EXPECT_EQ(controller.selectedIndex, 0);
    EXPECT_TRUE(controller.submenuStack.empty());
    EXPECT_TRUE(controller.savedSelection.empty());
    EXPECT_EQ(submenuRegistry.count(5), 1u) << "the registry outlives the controller";

    runner.KeyDown(plugin_keys::Toggle);
    runner.KeyUp(plugin_keys::Toggle);
    runner.RunFrame();
    EXPECT_TRUE(menuController->isOpen);
    EXPECT_FALSE(host.Fiber()->ExceptionEscaped());
}

TEST_F(ScriptMainTest, ARestartAfterAFailedStartUpBuildsTheMenu) {
    host.game.answerOverride = [](const sim::NativeCall& call) -> std::optional<std::uint64_t> {
        if (call.info != nullptr && call.info->name == "HUD::_UI_PROMPT_SET_TEXT") {
            throw std::bad_alloc();
        }
        return std::nullopt;
    };
    Start();
    runner.RunFrames(2);
    ASSERT_TRUE(submenuRegistry.empty());

    host.game.answerOverride = nullptr;
    runner.RestartScript();
    runner.RunFrame();
    ASSERT_NE(menuController, nullptr);
    EXPECT_EQ(menuController->currentSubmenu, &submenuRegistry.at(0));
    runner.KeyDown(plugin_keys::Toggle);
    runner.KeyUp(plugin_keys::Toggle);
    runner.RunFrame();
    EXPECT_TRUE(menuController->isOpen);
}

TEST_F(ScriptMainTest, ARoutineKeepsWaitingOnceAFrameEachFrame) {
    Start();
    const std::size_t idle = runner.RunFrame().size();
    EXPECT_GT(idle, 0u);
    for (int i = 0; i < 5; ++i) {
        const std::size_t calls = runner.RunFrame().size();
        EXPECT_EQ(calls, idle);
    }
    EXPECT_EQ(host.recorder.Frames().size(), 7u);
    EXPECT_FALSE(host.Fiber()->Returned());
}

TEST_F(ScriptMainTest, AFailedStartUpKeepsYieldingWithoutAMenu) {
    host.game.answerOverride = [](const sim::NativeCall& call) -> std::optional<std::uint64_t> {
        if (call.info != nullptr && call.info->name == "HUD::_UI_PROMPT_REGISTER_END") {
            throw std::bad_alloc();
        }
        return std::nullopt;
    };
    Start();
    EXPECT_EQ(host.recorder.Last().size(), 8u) << "start-up stopped at the failing call";
    runner.RunFrames(3);
    EXPECT_TRUE(host.recorder.Last().empty());
    EXPECT_FALSE(host.Fiber()->Returned());
    EXPECT_FALSE(host.Fiber()->ExceptionEscaped());
}

TEST_F(ScriptMainTest, AFailingFrameIsDroppedAndTheNextOneRuns) {
    Start();
    const std::size_t normal = host.recorder.Last().size() - 20;
    bool fail = true;
    host.game.answerOverride = [&fail](const sim::NativeCall& call) -> std::optional<std::uint64_t> {
        if (fail && call.info != nullptr && call.info->name == "HUD::_UI_PROMPT_SET_VISIBLE") {
            throw std::bad_alloc();
        }
        return std::nullopt;
    };
    runner.RunFrame();
    EXPECT_LT(host.recorder.Last().size(), normal);
    fail = false;
    runner.RunFrame();
    EXPECT_EQ(host.recorder.Last().size(), normal);
    EXPECT_FALSE(host.Fiber()->ExceptionEscaped());
}

TEST_F(ScriptMainTest, StartUpSurvivesAHostWithoutResultSlots) {
    host.nullResults = true;
    Start();
    ASSERT_NE(menuController, nullptr);
    EXPECT_EQ(menuController->selectPrompt, 0u);
    EXPECT_EQ(menuController->backPrompt, 0u);
    EXPECT_EQ(menuController->currentSubmenu->optionCount, FixtureMainRows);
    runner.RunFrames(2);
    EXPECT_FALSE(host.Fiber()->ExceptionEscaped());
}

// A row's action that waits, as mods that wait inside an action do: it holds
// the script from one frame to the next.
void WaitForever() {
    for (;;) {
        scriptWait(0);
    }
}

std::atomic<int> signalsSwallowed{0};

// A routine that catches everything around its own wait.
void SwallowEverySignal() {
    for (;;) {
        try {
            scriptWait(0);
        } catch (...) {
            ++signalsSwallowed;
        }
    }
}

// Runs a stop on another thread: one that never ends fails the suite at once
// instead of hanging it.
void StopsInTime(const std::function<void()>& stop) {
    auto done = std::async(std::launch::async, stop);
    if (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        std::fprintf(stderr, "the stand-in did not stop the script within 10 s\n");
        std::_Exit(1);
    }
    done.get();
}

class WaitingScriptTest : public PluginTest {
  protected:
    // Opens the menu on one row whose action waits, and selects it.
    void EnterTheWaitingAction() {
        runner.KeyDown(plugin_keys::Toggle);
        runner.KeyUp(plugin_keys::Toggle);
        runner.RunFrame();
        ASSERT_TRUE(menuController->isOpen);
        menuController->AddSubmenu(0, "Main", "",
                                   [](Menu::Submenu* main) { main->AddOption("Wait", "", WaitForever); });
        host.game.PressControl(Menu::SelectControl);
        host.game.ReleaseControl(Menu::SelectControl);
        runner.RunFrame();
        ASSERT_TRUE(runner.RunFrame().empty()) << "the action holds the script: no frame is drawn";
    }
};

TEST_F(WaitingScriptTest, ARestartStopsAnActionThatWaitsEveryTime) {
    Start();
    for (int round = 0; round < 3; ++round) {
        EnterTheWaitingAction();
        const std::size_t frames = host.recorder.Frames().size();
        StopsInTime([this] { runner.RestartScript(); });
        EXPECT_EQ(host.recorder.Frames().size(), frames);
        EXPECT_TRUE(host.recorder.Last().empty()) << "the abandoned script ran no frame";

        runner.RunFrame();
        ASSERT_NE(menuController, nullptr);
        EXPECT_FALSE(menuController->isOpen) << "round " << round;
        EXPECT_EQ(menuController->currentSubmenu->optionCount, FixtureMainRows);
        EXPECT_FALSE(host.Fiber()->ExceptionEscaped());
    }
}

TEST_F(WaitingScriptTest, AnUnloadStopsAnActionThatWaits) {
    Start();
    EnterTheWaitingAction();
    StopsInTime([this] { runner.Unload(); });
    EXPECT_EQ(host.Fiber(), nullptr);
    EXPECT_EQ(host.script, nullptr);
}

TEST_F(WaitingScriptTest, AStartUpThatWaitsIsStoppedAndTheNextStartBuildsTheMenu) {
    // Waits inside start-up, as an init that waits would.
    host.game.answerOverride = [](const sim::NativeCall& call) -> std::optional<std::uint64_t> {
        if (call.info != nullptr && call.info->name == "HUD::_UI_PROMPT_REGISTER_END") {
            WaitForever();
        }
        return std::nullopt;
    };
    Start();
    runner.RunFrames(2);
    ASSERT_EQ(menuController->backPrompt, 0u) << "still inside start-up";

    host.game.answerOverride = nullptr;
    StopsInTime([this] { runner.RestartScript(); });
    runner.RunFrame();
    EXPECT_EQ(menuController->currentSubmenu->optionCount, FixtureMainRows);
    runner.KeyDown(plugin_keys::Toggle);
    runner.KeyUp(plugin_keys::Toggle);
    runner.RunFrame();
    EXPECT_TRUE(menuController->isOpen);
}

// However often the routine catches the signal, the stop ends: its thread is
// parked in its wait for good.
TEST_F(WaitingScriptTest, ARoutineThatCatchesEverySignalIsStillStopped) {
    host.script = &SwallowEverySignal;
    host.StartScript();
    runner.RunFrames(2);
    StopsInTime([this] { host.AbandonScript(); });
    EXPECT_GT(signalsSwallowed.load(), 1);
    const int swallowed = signalsSwallowed.load();
    host.StartScript();
    runner.RunFrames(2);
    EXPECT_EQ(signalsSwallowed.load(), swallowed) << "the parked routine never runs again";
}

} // namespace
