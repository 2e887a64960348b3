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

// The window of rows the cursor holds where it is: a row the cursor selects
// is selected within the rows shown, so the row under the cursor stays the
// one the cursor chose. Moves of the keys and the wheel keep the selection in
// it; once it shows what the selection alone would, it is let go.
struct HeldWindow {
    bool held = false;
    std::int32_t page = 0;  // the id of the page it holds
    std::int64_t first = 0; // the first row shown
};

// Where a cursor position read from the game (fractions of the game window)
// lands in reference pixels; false for a position that is no place on the screen (not
// a number, infinite, or outside 0..1).
bool CursorInLayout(float fractionX, float fractionY, float& x, float& y);

} // namespace Menu
