// Steady frames allocate nothing. The plug-in runs in the null host, which
// keeps no record, so every allocation counted here is the plug-in's own.
#include "host/MenuControls.h"
#include "host/ProcessState.h"
#include "menu/Number.h"
#include "nullhost/AllocationCounter.h"
#include "nullhost/NullHost.h"
#include "nullhost/SteadyFrames.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

// Test names show the scenario, not its bytes.
void PrintTo(Scenario scenario, std::ostream* out) {
    *out << ScenarioName(scenario);
}

namespace {

constexpr int WarmUpFrames = 10;
constexpr int CountedFrames = 1000;

std::uint64_t AllocationsOverFrames(int frames) {
    nullhost::allocation_counter::Start();
    for (int i = 0; i < frames; ++i) {
        RunFrame();
    }
    return nullhost::allocation_counter::Stop();
}

// A frame with the down control just pressed, then one with nothing pressed.
void MoveDown() {
    nullhost::PressControl(Menu::DownControl);
    RunFrame();
    nullhost::PressControl(0);
    RunFrame();
}

class AllocationTest : public ::testing::TestWithParam<Scenario> {};

TEST(AllocationCounterTest, CountsOnlyBetweenStartAndStop) {
    auto before = std::make_unique<int>(1);
    nullhost::allocation_counter::Start();
    auto during = std::make_unique<int>(2);
    std::vector<int> grown(100, 3);
    const std::uint64_t counted = nullhost::allocation_counter::Stop();
    auto after = std::make_unique<int>(4);
    EXPECT_EQ(counted, 2u);
}

TEST_P(AllocationTest, SteadyFramesAllocateNothing) {
    StartScenario(GetParam());
    for (int i = 0; i < WarmUpFrames; ++i) {
        RunFrame();
    }
    // The frames counted below are real frames: they reach the host.
    const std::size_t calls = RecordFrame().calls;
    ASSERT_GT(calls, 0u);

    EXPECT_EQ(AllocationsOverFrames(CountedFrames), 0u)
        << "over " << CountedFrames << " frames of " << calls << " native calls each";
}

INSTANTIATE_TEST_SUITE_P(Scenarios, AllocationTest, ::testing::ValuesIn(AllScenarios),
                         [](const ::testing::TestParamInfo<Scenario>& scenario) {
                             return std::string(ScenarioName(scenario.param));
                         });

// The mouse's frame is a real one: the cursor shown, its place read, the two
// buttons and the wheel asked, and the four cursor controls taken from the game.
// It reads the shipped main page's mouse (off) and look (the cursor on a row).
TEST(ShippedMouseAllocationTest, TheMouseFrameMakesItsElevenCallsMore) {
    StartScenario(Scenario::VoiceMenuOpen);
    for (int i = 0; i < WarmUpFrames; ++i) {
        RunFrame();
    }
    const std::size_t open = RecordFrame().calls;
    StartScenario(Scenario::MouseOnRow);
    for (int i = 0; i < WarmUpFrames; ++i) {
        RunFrame();
    }
    EXPECT_EQ(RecordFrame().calls, open + 11);
}

// Moving changes which texts are drawn and in what order; once every row has
// been selected, the frame's texts fit in memory the menu already holds.
TEST(MovingAllocationTest, ASecondPassThroughTheRowsAllocatesNothing) {
    StartScenario(Scenario::TenRowsScrolled);
    const std::vector<Menu::Option>& options = menuController->currentSubmenu->options;
    const auto rows = static_cast<std::int32_t>(options.size());
    std::vector<bool> visited(options.size());
    for (std::int32_t i = 0; i < rows; ++i) {
        MoveDown();
        visited.at(static_cast<std::size_t>(menuController->selectedIndex)) = true;
    }
    for (const Menu::Option& option : options) {
        EXPECT_TRUE(visited[static_cast<std::size_t>(option.index)] || option.isSeparator)
            << "row " << option.index << " was never selected";
    }

    nullhost::allocation_counter::Start();
    for (std::int32_t i = 0; i < rows; ++i) {
        MoveDown();
    }
    EXPECT_EQ(nullhost::allocation_counter::Stop(), 0u);
}

// The selected number stepped every frame, from its first value to the end,
// by a frame task as a held control would: new texts each frame, in the
// memory the first steps took.
TEST(MovingAllocationTest, SteppingANumberAllocatesNothing) {
    StartScenario(Scenario::RowKinds);
    Menu::Option* hour = Menu::SelectedRow();
    ASSERT_TRUE(hour != nullptr && hour->isNumber && hour->numberTarget != nullptr);
    *hour->numberTarget = 0;
    menuController->AddFrameTask([hour] {
        Menu::StepNumber(*hour, true);
        Menu::ShowNumber(*hour);
    });
    RunFrame();
    ASSERT_EQ(*hour->numberTarget, 1) << "a step a frame";
    nullhost::allocation_counter::Start();
    for (int i = 0; i < 30; ++i) {
        RunFrame();
    }
    EXPECT_EQ(nullhost::allocation_counter::Stop(), 0u);
    EXPECT_EQ(*hour->numberTarget, 23) << "up to its end";
    EXPECT_EQ(hour->valueText, "23");
}

} // namespace
