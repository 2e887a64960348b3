// The frame's own state: what the frame tick keeps on the controller between
// frames, and on a row while its action runs. No mod reads or writes it; the
// fields a mod uses are in menu/Menu.h.
#pragma once

#include "menu/Mouse.h"
#include "menu/TextEntry.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <list>

namespace Menu {

// On a row: the markers navigation sets around a call of its action, and what
// its shown value was made from.
struct RowFrameState {
    bool steppedLeft = false;          // only while a left step's action runs
    bool steppedRight = false;         // only while a right or select step's action runs
    bool invoking = false;             // only while the action runs
    bool valueTextInitialized = false; // list: valueText was filled from the values
    double numberShown = std::numeric_limits<double>::quiet_NaN(); // number: the value valueText shows
};

// On the controller, kept from frame to frame.
struct ControllerFrameState {
    // Holding left or right on a number row steps again after a delay, then
    // at an interval (menu/Input.cpp); the held controls are asked only while
    // a number row is selected.
    bool leftRepeated = false;  // a held left steps this frame
    bool rightRepeated = false; // a held right steps this frame
    bool repeatArmed = false;   // left or right went down on the selected number row and is held
    std::uint32_t nextRepeatAt = 0;
    // Controller::AddFrameTask's tasks; a list: a task added by a task keeps
    // every running one in place.
    std::list<std::function<void()>> frameTasks;
    Pointer pointer;
    // The rows shown the cursor holds where they are (menu/Layout.h).
    HeldWindow heldWindow;
    // The game's keyboard a text row opened: while it is open the menu takes
    // no other input.
    Typing typing;
};

} // namespace Menu
