// The steps of one frame tick (Controller::FrameTick), in the order it takes
// them; the frame's own, so no mod calls them.
#pragma once

#include "menu/Menu.h"

#include <cstdint>

namespace Menu {

// The player's requests of this frame from the keys, the controls, the
// prompts and the mouse (menu/Input.cpp).
void ReadInput(Controller& menu);
// While the game's keyboard takes typing: the menu key's release is dropped,
// so a key typed (a letter may open the menu) toggles nothing after it.
void DropMenuKey();
// The mouse's share of the frame's requests (menu/Mouse.cpp).
void ReadMouse(Controller& menu);
// After the game's keyboard: Select and Back wait until their controls are up
// (menu/TextEntry.cpp).
void SettleAfterKeyboard(Controller& menu);
// The game's keyboard a text row opened: asked once a frame while it is open.
void OpenKeyboard(Controller& menu, std::int32_t row);
void ReadKeyboard(Controller& menu);
// Moves, runs rows, enters and leaves pages as the requests ask (menu/Navigation.cpp).
void Navigate(Controller& menu);
// Takes the game's controls the open menu uses (menu/ControlSuppression.cpp).
void SuppressGameControls(Controller& menu);

} // namespace Menu
