// A module played as the workbench plays it, without a window: desktop keys
// through the game input, one frame at a time, every event and frame in the
// input log.
#pragma once

#include "readback/MenuState.h"
#include "tools/render/ReadFrame.h"
#include "tools/workbench/GameInput.h"
#include "tools/workbench/InputLog.h"
#include "tools/workbench/LiveModule.h"
#include "tools/workbench/PageId.h"
#include "tools/workbench/Replay.h"
#include "tools/workbench/ShownPage.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace played_frames {

class PlayedFrames : public ::testing::Test {
  protected:
    static constexpr std::uint32_t FrameMilliseconds = 16;

    // The workbench's frame: the waiting input handed over, the frame run and logged.
    const sim::Frame& Frame() {
        host.recorder.Clear();
        input.Deliver();
        const std::uint32_t tick = host.tickCount;
        const sim::Frame& frame = runner.RunFrame();
        log.Frame(tick);
        return frame;
    }
    workbench::ShownPage Shown() { return workbench::Summarize(render::ReadDrawing(Frame())); }
    readback::MenuState Menu() const { return readback::ReadMenu(host.recorder.Last()); }
    workbench::Place Place() const {
        const workbench::ShownPage shown = workbench::Summarize(render::ReadDrawing(host.recorder.Last()));
        return {shown, workbench::ReadPageId(live.MenuControllerSlot(), shown)};
    }

    // Each key pressed and released before a frame, then the frames its effect takes.
    void Keys(std::initializer_list<SDL_Keycode> keys) {
        for (const SDL_Keycode key : keys) {
            input.Key(workbench::BindingFor(key), true, false);
            input.Key(workbench::BindingFor(key), false, false);
            Frame();
            Frame();
        }
    }

    // A fresh start on module, as the workbench's first load.
    void Open(const char* module) {
        ASSERT_EQ(live.Replace(module), "");
        log.Restart();
        Frame();
    }

    sim::StandInHook host;
    driver::Runner runner{host, FrameMilliseconds};
    workbench::InputLog log;
    workbench::GameInput input{runner, &log};
    workbench::LiveModule live{runner};
};

} // namespace played_frames
