// A controller's buttons and left stick as the game's controls: each button
// by the name the control table gives its default binding ("A", "D-pad up"),
// and every control bound to it, as the game sets them all at once.
#pragma once

#include <SDL_gamecontroller.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace workbench {

// The table's name for an SDL button; "" for one the game binds nothing to.
std::string_view PadButtonName(SDL_GameControllerButton button);

// Every control whose controller default is the named button.
std::vector<std::uint32_t> ControlsOfButton(std::string_view name);

// The D-pad direction the left stick stands for along one axis: the one held
// (or "") after the axis moved to value. Past half-way it holds, under a
// quarter it lets go, so a stick wobbling at the edge does not tap.
std::string_view StickDirection(SDL_GameControllerAxis axis, int value, std::string_view held);
// The same for a trigger, by the table's name for it ("LT", "RT"), which
// pages a long page; "" for another axis.
std::string_view TriggerButton(SDL_GameControllerAxis axis, int value, std::string_view held);

} // namespace workbench
