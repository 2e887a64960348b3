// The screen and game window the menu lays itself out in: process-wide state,
// measured at load and defined with the rest of it in host/ProcessState.cpp.
#pragma once

#include <cstdint>

extern float screenWidth;        // primary screen, pixels
extern float screenHeight;       // primary screen, pixels
extern float rowPitch;           // screenHeight * RowPitchFactor: the distance between menu rows
extern std::int32_t windowWidth; // the game window once measured; scales text sizes
