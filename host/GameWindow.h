// The game's window, which the plug-in finds by its exact title to scale its
// text to the picture the game draws.
#pragma once

inline constexpr const char* GameWindowTitle = "Red Dead Redemption 2";
