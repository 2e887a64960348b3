// The mouse on the open menu: where the cursor was, so that only a cursor
// that moves onto another row selects it.
#pragma once

#include <cstdint>

namespace Menu {

struct Pointer {
    bool shown = false;    // the cursor was read last frame
    bool onScreen = false; // ... at a place on the screen:
    float x = 0.0f;        // there, in layout pixels
    float y = 0.0f;
    bool overMenu = false; // this frame: the cursor controls are the menu's
};

// Where a cursor position read from the game (fractions of the game window)
// lands in reference pixels; false for a position that is no place on the screen (not
// a number, infinite, or outside 0..1).
bool CursorInLayout(float fractionX, float fractionY, float& x, float& y);

} // namespace Menu
