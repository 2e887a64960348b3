// Start-up with memory running out at each allocation in turn: whichever
// step fails, the menu's init callable included, the script routine goes on
// yielding and the game keeps running. Its own program, because it replaces
// the global allocator.
#include "driver/Runner.h"
#include "host/Natives.h"
#include "host/PluginKeys.h"
#include "host/PluginMain.h"
#include "host/ProcessState.h"
#include "tests/support/FixturePages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// Allocations still allowed before one fails; below zero, none fails.
std::atomic<long> allocationsBeforeFailure{-1};

void* Allocate(std::size_t size) {
    long left = allocationsBeforeFailure.load();
    while (left >= 0 && !allocationsBeforeFailure.compare_exchange_weak(left, left - 1)) {
    }
    if (left == 0) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size != 0 ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

TEST(OutOfMemoryTest, AStartUpThatRunsOutOfMemoryAnywhereLeavesTheGameRunning) {
    int failedBeforeRegistration = 0;
    for (long allowed = 0;; ++allowed) {
        SCOPED_TRACE(allowed);
        RebuildProcessState();
        sim::StandInHook host;
        driver::Runner runner(host);
        // Armed on the script thread at the last prompt call before the menu
        // is registered, so the count runs through the registration.
        bool armed = false;
        host.game.answerOverride = [&armed,
                                    allowed](const sim::NativeCall& call) -> std::optional<std::uint64_t> {
            if (!armed && call.Is(native::SetPromptEnabled) && call.U32(0) == 2) {
                armed = true;
                allocationsBeforeFailure = allowed;
            }
            return std::nullopt;
        };
        runner.Load(driver::Plugin::Linked(&DllMain));
        runner.RunFrame();
        const bool failed = allocationsBeforeFailure < 0;
        allocationsBeforeFailure = -1;
        ASSERT_TRUE(armed);
        if (!failed) {
            EXPECT_GT(failedBeforeRegistration, 0)
                << "some failures hit the registration, its init callable included";
            break;
        }
        ASSERT_NE(menuController, nullptr);
        if (menuController->currentSubmenu == nullptr && submenuRegistry.empty()) {
            ++failedBeforeRegistration;
        }

        runner.RunFrames(2);
        EXPECT_FALSE(host.Fiber()->ExceptionEscaped());
        EXPECT_FALSE(host.Fiber()->Returned());

        // Memory is back: the next start builds the whole menu.
        runner.RestartScript();
        runner.RunFrame();
        ASSERT_NE(menuController->currentSubmenu, nullptr);
        EXPECT_EQ(menuController->currentSubmenu->optionCount, FixtureMainRows);
        runner.KeyDown(plugin_keys::Toggle);
        runner.KeyUp(plugin_keys::Toggle);
        runner.RunFrame();
        EXPECT_TRUE(menuController->isOpen);
        runner.Unload();
    }
    RebuildProcessState();
}

} // namespace
