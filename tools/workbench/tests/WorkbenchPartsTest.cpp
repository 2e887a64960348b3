// The workbench's parts that need no display: the file watch, the module
// swap and the keys as the plug-in receives them.
#include "host/MenuControls.h"
#include "tools/workbench/GameInput.h"
#include "tools/workbench/LiveModule.h"
#include "tools/workbench/ModuleWatch.h"
#include "tools/workbench/PageId.h"
#include "tools/workbench/ShownPage.h"

#include <SDL_keyboard.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using workbench::ShownPage;
constexpr workbench::ModuleChange None = workbench::ModuleChange::None;
constexpr workbench::ModuleChange BeingWritten = workbench::ModuleChange::BeingWritten;
constexpr workbench::ModuleChange Ready = workbench::ModuleChange::Ready;

class Folder {
  public:
    Folder() : path_(fs::temp_directory_path() / ("qdt_workbench_parts." + std::to_string(getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~Folder() { fs::remove_all(path_); }
    fs::path operator/(const char* name) const { return path_ / name; }

  private:
    fs::path path_;
};

void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

TEST(ModuleWatchTest, ReportsAChangeOnlyOnceTheFileHasSettledAndOnlyOnce) {
    const Folder folder;
    const fs::path path = folder / "module.so";
    Write(path, "first build");
    workbench::ModuleWatch watch(path.string(), 100ms);
    watch.Accept(workbench::ReadSignature(path.string()));
    const workbench::ModuleWatch::Clock::time_point t{};
    EXPECT_EQ(watch.Poll(t), None);
    EXPECT_EQ(watch.Poll(t + 500ms), None) << "the loaded file has not changed";

    // A linker writing in steps: each step starts the settling time again.
    Write(path, "second build, half");
    EXPECT_EQ(watch.Poll(t + 600ms), None);
    EXPECT_EQ(watch.Poll(t + 650ms), None);
    Write(path, "second build, written out");
    EXPECT_EQ(watch.Poll(t + 690ms), None);
    EXPECT_EQ(watch.Poll(t + 750ms), None);
    EXPECT_EQ(watch.Poll(t + 790ms), Ready);
    watch.Accept(watch.Current());
    EXPECT_EQ(watch.Poll(t + 900ms), None);

    // Gone while the build replaces it: nothing to load, however long it lasts.
    fs::remove(path);
    EXPECT_EQ(watch.Poll(t + 1000ms), None);
    EXPECT_EQ(watch.Poll(t + 5000ms), None);
    Write(folder / "next.so", "third build");
    fs::rename(folder / "next.so", path);
    EXPECT_EQ(watch.Poll(t + 5010ms), None);
    EXPECT_EQ(watch.Poll(t + 5110ms), Ready);
}

// A linker's output as it writes it: each stage held however long is waited
// for, said once, and never loaded; the whole file is.
TEST(ModuleWatchTest, AModuleBeingWrittenIsWaitedForUntilItIsWhole) {
    const Folder folder;
    const fs::path path = folder / "module.so";
    std::ifstream built(QDT_FIXTURE_MODULE, std::ios::binary);
    const std::string whole{std::istreambuf_iterator<char>(built), {}};
    ASSERT_GT(whole.size(), 4096u);
    Write(path, whole);
    workbench::ModuleWatch watch(path.string(), 100ms);
    watch.Accept(workbench::ReadSignature(path.string()));
    EXPECT_TRUE(workbench::WrittenWhole(path.string()));

    const std::pair<const char*, std::string> stages[] = {
        {"empty", ""},
        {"its ELF header only", whole.substr(0, 64)},
        {"short of its section headers", whole.substr(0, whole.size() - 100)},
        {"whole but for its ELF header", std::string(64, '\0') + whole.substr(64)},
    };
    auto t = workbench::ModuleWatch::Clock::time_point{};
    for (const auto& [stage, bytes] : stages) {
        Write(path, bytes);
        EXPECT_FALSE(workbench::WrittenWhole(path.string())) << stage;
        EXPECT_EQ(watch.Poll(t += 1s), None) << stage;
        EXPECT_EQ(watch.Poll(t += 200ms), BeingWritten) << stage;
        EXPECT_EQ(watch.Poll(t += 10s), None) << stage << ": said once, and still waited for";
    }
    Write(path, whole);
    EXPECT_EQ(watch.Poll(t += 1s), None);
    EXPECT_EQ(watch.Poll(t += 200ms), Ready);
}

class ModuleSwapTest : public ::testing::Test {
  protected:
    const sim::Frame& Frame() {
        host.recorder.Clear();
        input.Deliver();
        return runner.RunFrame();
    }
    ShownPage Shown() { return workbench::Summarize(render::ReadDrawing(Frame())); }

    // A key's press and release, both between the same two frames.
    void Tap(SDL_Keycode key) {
        input.Key(workbench::BindingFor(key), true, false);
        input.Key(workbench::BindingFor(key), false, false);
    }

    sim::StandInHook host;
    driver::Runner runner{host, 16};
    workbench::GameInput input{runner};
};

TEST_F(ModuleSwapTest, ABrokenFileNamesItselfAndAGoodOneReplacesTheRunningModuleAsTheHookWould) {
    const Folder folder;
    {
        workbench::LiveModule live(runner);
        Write(folder / "broken.so", std::string(4096, '#'));
        const std::string error = live.Replace((folder / "broken.so").string());
        EXPECT_NE(error.find((folder / "broken.so").string() + ": invalid ELF header"), std::string::npos)
            << error;
        EXPECT_EQ(error.find(live.Directory()), std::string::npos) << "the private copy is no one's business";
        EXPECT_FALSE(live.Loaded());

        ASSERT_EQ(live.Replace(QDT_FIXTURE_MODULE), "");
        Frame();
        Tap(SDLK_F8);
        ASSERT_TRUE(Shown().open);
        EXPECT_TRUE(fs::is_empty(live.Directory())) << "a loaded copy needs no name";

        host.hookLog.clear();
        ASSERT_EQ(live.Replace(QDT_FIXTURE_MODULE), "");
        EXPECT_EQ(host.hookLog,
                  (std::vector<std::string>{"scriptUnregister(same module)",
                                            "keyboardHandlerUnregister(same handler)",
                                            "scriptRegister(set, set)", "keyboardHandlerRegister(set)"}));
        // A fresh image, not the one the loader still knew: it starts up again, closed.
        const std::vector<std::string> first = sim::Describe(Frame());
        ASSERT_FALSE(first.empty());
        EXPECT_EQ(first.front(), "HUD::_UI_PROMPT_REGISTER_BEGIN() -> 3");
        EXPECT_FALSE(Shown().open);
    }
    EXPECT_EQ(host.script, nullptr) << "the workbench unloads the module when it closes";
}

TEST_F(ModuleSwapTest, QuickTapsReachThePluginAsTheGameWouldDeliverThem) {
    workbench::LiveModule live(runner);
    ASSERT_EQ(live.Replace(QDT_FIXTURE_MODULE), "");
    Frame();
    Tap(SDLK_F8);
    EXPECT_EQ(workbench::Describe(Shown()), "open 'Workbench Fixture' / 'Main page' row 1 of 6");

    // Two quick taps before a frame: two moves, a frame apart, each seen down for a frame.
    Tap(SDLK_DOWN);
    Tap(SDLK_DOWN);
    EXPECT_EQ(Shown().row, 2);
    EXPECT_EQ(Shown().row, 2);
    EXPECT_EQ(Shown().row, 3);
    EXPECT_EQ(Shown().row, 3);
    EXPECT_FALSE(input.Waiting());
    input.Key(workbench::BindingFor(SDLK_DOWN), true, false);
    input.Key(workbench::BindingFor(SDLK_DOWN), true, true);
    EXPECT_EQ(Shown().row, 4);
    input.Key(workbench::BindingFor(SDLK_DOWN), true, true);
    EXPECT_EQ(Shown().row, 4) << "the game's controls have no key repeat";
    input.Key(workbench::BindingFor(SDLK_DOWN), false, false);
    Frame();

    // Shift held through the keyboard handler: ten rows at a time, stopping at the last.
    input.Key(workbench::BindingFor(SDLK_LSHIFT), true, false);
    Tap(SDLK_DOWN);
    EXPECT_EQ(Shown().row, 6);
    input.Key(workbench::BindingFor(SDLK_LSHIFT), false, false);
    Frame();

    // The chord tapped between two frames: one frame sees the press, the next
    // the release with the modifier still held, which toggles the menu.
    Tap(SDLK_g);
    Tap(SDLK_c);
    EXPECT_TRUE(Shown().open);
    EXPECT_TRUE(host.game.gamepad);
    EXPECT_FALSE(Shown().open);
    Frame(); // the modifier lets go
    Tap(SDLK_c);
    EXPECT_FALSE(Shown().open);
    EXPECT_TRUE(Shown().open);
}

TEST_F(ModuleSwapTest, ThePageIdIsReadFromThePluginWhenItAgreesWithWhatWasDrawn) {
    workbench::LiveModule live(runner);
    ASSERT_EQ(live.Replace(QDT_OTHER_MODULE), "");
    ASSERT_NE(live.MenuControllerSlot(), 0u) << "the module's symbol table names its menu controller";
    Frame();
    EXPECT_EQ(workbench::ReadPageId(live.MenuControllerSlot(), Shown()), std::nullopt) << "closed";
    Tap(SDLK_F8);
    ShownPage shown = Shown();
    EXPECT_EQ(workbench::ReadPageId(live.MenuControllerSlot(), shown), 0);
    Tap(SDLK_RETURN);
    Shown();
    shown = Shown();
    EXPECT_EQ(workbench::Describe(shown), "open 'Other Module' / 'Page Seven' row 1 of 1");
    EXPECT_EQ(workbench::ReadPageId(live.MenuControllerSlot(), shown), 7);

    // State that disagrees with the screen, or no state at all, is no page id.
    ShownPage other = shown;
    other.rows = 2;
    EXPECT_EQ(workbench::ReadPageId(live.MenuControllerSlot(), other), std::nullopt);
    EXPECT_EQ(workbench::ReadPageId(8, shown), std::nullopt) << "an unmapped address reads as nothing";
    EXPECT_EQ(workbench::FindMenuControllerOffset(QDT_FIXTURE_MODULE ".missing"), 0u);
}

// The example page's separator row is drawn in the title font, as the header's texts are.
TEST_F(ModuleSwapTest, ASeparatorRowIsNotTakenForTheSubtitle) {
    workbench::LiveModule live(runner);
    ASSERT_EQ(live.Replace(QDT_EXAMPLE_MODULE), "");
    Frame();
    for (const SDL_Keycode key : {SDLK_F8, SDLK_UP, SDLK_RETURN}) {
        Tap(key);
        Shown();
    }
    EXPECT_EQ(workbench::Describe(Shown()), "open 'Example' / 'Example page' row 1 of 10");
}

// The keys reach the example's newer rows as the game's controls do: a page
// rebuilt from the game as it is shown, a number stepped by the arrows.
TEST_F(ModuleSwapTest, TheExamplesCoresAndCampPlayInTheWorkbench) {
    workbench::LiveModule live(runner);
    ASSERT_EQ(live.Replace(QDT_EXAMPLE_MODULE), "");
    Frame();
    for (const SDL_Keycode key : {SDLK_F8, SDLK_UP, SDLK_RETURN, SDLK_UP, SDLK_RETURN}) {
        Tap(key);
        Shown();
    }
    EXPECT_EQ(workbench::Describe(Shown()), "open 'Example' / 'Cores' row 1 of 3");
    for (const SDL_Keycode key : {SDLK_BACKSPACE, SDLK_UP, SDLK_RETURN, SDLK_RIGHT}) {
        Tap(key);
        Shown();
    }
    EXPECT_EQ(workbench::Describe(Shown()), "open 'Example' / 'Camp' row 1 of 5");
    EXPECT_EQ(host.game.clockHours, 13) << "the hour row set the game's clock";
}

// The desktop keys reach the menu's controls through the game's default
// bindings; the workbench's own keys come before them.
TEST(GameInputTest, KeysReachTheControlsTheGameBindsThemTo) {
    const std::pair<SDL_Keycode, std::uint32_t> keys[] = {
        {SDLK_UP, Menu::UpControl},         {SDLK_DOWN, Menu::DownControl},
        {SDLK_LEFT, Menu::LeftControl},     {SDLK_RIGHT, Menu::RightControl},
        {SDLK_RETURN, Menu::SelectControl}, {SDLK_KP_ENTER, Menu::SelectControl},
        {SDLK_BACKSPACE, Menu::BackControl}};
    for (const auto& [key, control] : keys) {
        const workbench::KeyBinding binding = workbench::BindingFor(key);
        EXPECT_EQ(binding.role, workbench::KeyRole::Control) << SDL_GetKeyName(key);
        EXPECT_EQ(binding.code, control) << SDL_GetKeyName(key);
    }
    EXPECT_EQ(workbench::BindingFor(SDLK_ESCAPE).role, workbench::KeyRole::Quit)
        << "the game binds Esc to Back too; the workbench keeps it for quitting";
    EXPECT_EQ(workbench::BindingFor(SDLK_TAB).role, workbench::KeyRole::None);
}

// The keys a player binds in the settings file reach the plug-in's keyboard
// handler; the workbench's own keys and the controls' keep theirs.
TEST(GameInputTest, FKeysLettersAndDigitsTheWorkbenchLeavesReachThePlugin) {
    const std::pair<SDL_Keycode, workbench::KeyBinding> keys[] = {
        {SDLK_F1, {workbench::KeyRole::PluginKey, 0x70}},
        {SDLK_F6, {workbench::KeyRole::PluginKey, 0x75}},
        {SDLK_F11, {workbench::KeyRole::PluginKey, 0x7a}},
        {SDLK_x, {workbench::KeyRole::PluginKey, 'X'}},
        {SDLK_a, {workbench::KeyRole::PluginKey, 'A'}},
        {SDLK_0, {workbench::KeyRole::PluginKey, '0'}},
        {SDLK_9, {workbench::KeyRole::PluginKey, '9'}},
        {SDLK_F12, {workbench::KeyRole::Screenshot, 0}},
        {SDLK_F9, {workbench::KeyRole::Record, 0}},
        {SDLK_c, {workbench::KeyRole::Chord, Menu::ChordControl}},
        {SDLK_g, {workbench::KeyRole::SwitchDevice, 0}},
        {SDLK_F8, {workbench::KeyRole::PluginKey, 0x77}},
    };
    for (const auto& [key, expected] : keys) {
        const workbench::KeyBinding binding = workbench::BindingFor(key);
        EXPECT_EQ(binding.role, expected.role) << SDL_GetKeyName(key);
        EXPECT_EQ(binding.code, expected.code) << SDL_GetKeyName(key);
    }
}

TEST(FrameSummaryTest, ReadsTheTitlesAndTheCounterAndNothingElse) {
    render::Drawing drawing;
    const auto text = [&drawing](const char* markup) {
        render::Text shown;
        shown.format = readback::ParseMarkup(markup);
        drawing.texts.push_back(shown);
        drawing.order += 't';
    };
    EXPECT_EQ(workbench::Describe(workbench::Summarize(drawing)), "closed");
    text("<FONT FACE='$title'>Header</FONT>");
    text("<FONT FACE='$body'>3 of the rows</FONT>");
    text("<FONT FACE='$title'>Sub</FONT>");
    text("<FONT FACE='$body'>12 of 40</FONT>");
    text("<FONT FACE='$body'>1 of 2</FONT>");
    EXPECT_EQ(workbench::Describe(workbench::Summarize(drawing)), "open 'Header' / 'Sub' row 12 of 40");
}

} // namespace
