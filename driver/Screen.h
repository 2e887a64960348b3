// The screen the plug-in finds and its game window, set on the stand-in
// before the plug-in loads: one set-up for the preview, the workbench, the
// pipeline tests and the scenarios.
#pragma once

#include "sim/StandInHook.h"

namespace driver {

struct Screen {
    int width = 1920;
    int height = 1080;
    int windowWidth = 0;  // 0: as wide as the screen
    int windowHeight = 0; // 0: in the screen's proportions

    int WindowWidth() const;
    int WindowHeight() const;
};

// Sets the screen and the game window's size; a host without a window gets
// one, with the game's title.
void SetScreen(sim::StandInHook& host, const Screen& screen);

} // namespace driver
