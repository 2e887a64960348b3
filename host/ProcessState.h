// State that lives from library load to unload. Defined together in one file
// so that it is built in this order and destroyed in the reverse order.
#pragma once

#include "menu/Controller.h"
#include "menu/Text.h"

#include <cstdint>
#include <memory>

extern std::unique_ptr<Menu::Controller> menuController;
extern float screenWidth;        // primary screen, pixels
extern float screenHeight;       // primary screen, pixels
extern float rowPitch;           // screenHeight * 0.051: the distance between menu rows
extern std::int32_t windowWidth; // the game window once measured; scales text sizes
