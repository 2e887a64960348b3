// The screen and game window the menu lays itself out in: process-wide state,
// measured at load and at start-up, defined with the rest of it in
// host/ProcessState.cpp.
#pragma once

#include "menu/Geometry.h"

#include <cstdint>

extern float screenWidth;        // primary screen, pixels
extern float screenHeight;       // primary screen, pixels
extern float rowPitch;           // RowPitch: the distance between menu rows, in reference pixels
extern std::int32_t windowWidth; // the game window once measured (the screen until then), pixels
extern std::int32_t windowHeight;
// The menu's scale in that window: ScaleOfWindow(windowWidth, windowHeight),
// set whenever they are.
extern Menu::WindowScale windowScale;
