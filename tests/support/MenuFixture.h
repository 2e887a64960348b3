// Drives the linked plug-in's menu the way a player does: F8 and Shift through
// the key handler, game controls through the stand-in game.
#pragma once

#include "tests/support/PluginFixture.h"

#include "driver/InputSequences.h"
#include "host/MenuControls.h"
#include "host/Natives.h"
#include "readback/MenuState.h"
#include "sim/NativeTable.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class MenuTest : public PluginTest {
  protected:
    Menu::Controller& Controller() { return *menuController; }
    Menu::Submenu& Shown() { return *menuController->currentSubmenu; }

    void ReleaseF8() { driver::Play(runner, driver::QuickF8()); }

    // One frame in which each control goes down and comes up again.
    const sim::Frame& Tap(std::initializer_list<std::uint32_t> controls) {
        driver::Play(runner, driver::QuickTap(controls));
        return host.recorder.Last();
    }
    const sim::Frame& Tap(std::uint32_t control) { return Tap({control}); }

    void StartOpen() {
        Start();
        ReleaseF8();
        runner.RunFrame();
        ASSERT_TRUE(Controller().isOpen);
    }

    // Replaces the main submenu's rows; the controller keeps showing it.
    void SetMainRows(std::function<void(Menu::Submenu*)> init) {
        Controller().AddSubmenu(0, "Main", "", std::move(init));
    }

    // The last frame's calls without the drawing, which has its own tests.
    std::vector<std::string> Calls() const {
        std::vector<std::string> lines;
        for (const sim::NativeCall& call : host.recorder.Last()) {
            if (!IsDrawing(call)) {
                lines.push_back(sim::Describe(call));
            }
        }
        return lines;
    }

    // The sounds the last frame played, as "SOUND/SOUNDSET".
    std::vector<std::string> Sounds() const {
        std::vector<std::string> sounds;
        for (const readback::Sound& sound : readback::ReadSounds(host.recorder.Last())) {
            sounds.push_back(sound.name + "/" + sound.set);
        }
        return sounds;
    }

    long Count(std::string_view label) const {
        const sim::Frame& frame = host.recorder.Last();
        return std::count_if(frame.begin(), frame.end(), [label](const sim::NativeCall& call) {
            return call.info != nullptr && call.info->name == label;
        });
    }

  private:
    static bool IsDrawing(const sim::NativeCall& call) {
        return call.Is(native::SetTextColour) || call.Is(native::MakeLiteralGameString) ||
               call.Is(native::DisplayText) || call.Is(native::PrepareSpriteDraw) ||
               call.Is(native::DrawSprite);
    }
};

// What a row's action saw of its row while it ran.
struct ActionSight {
    bool invoking = false;
    bool steppedLeft = false;
    bool steppedRight = false;
    std::int32_t listIndex = 0;
    std::string valueText;
};

// An action that records what it sees of row `row` of the shown submenu.
inline std::function<void()> Watch(std::vector<ActionSight>& seen, std::size_t row) {
    return [&seen, row] {
        const Menu::Option& option = menuController->currentSubmenu->options.at(row);
        seen.push_back({option.frame.invoking, option.frame.steppedLeft, option.frame.steppedRight,
                        option.listIndex, option.valueText});
    };
}
