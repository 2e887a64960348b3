// What must hold of the menu after every frame, whatever the player pressed
// and whatever the game answered.
#pragma once

#include "tests/fuzz/CallInvariants.h"

#include "sim/StandInHook.h"

#include <cstdint>
#include <string>
#include <vector>

// The navigation state before a frame, to judge how the frame changed it.
struct NavigationBefore {
    bool running = false; // a controller showing a submenu
    std::int32_t currentId = 0;
    std::int32_t selectedIndex = 0; // as navigation will see it: on a row when there are rows
    std::vector<std::int32_t> stack;
    FrameAsks asks;
};

NavigationBefore TakeNavigationBefore();

// Every fuzzed row's action calls this as it starts: an action runs for the
// selected row, and a disabled row's never runs. The next check reports it.
void WitnessRowAction();
// Every fuzzed event that calls Controller::OpenSubmenu calls this first: the
// frame's pages may then change by more than one Select or Back.
void WitnessPageOpened();

// The first invariant the frame just run broke, or an empty text. `before`
// is compared only when the same controller ran the frame; `radarKnown` says
// whether the radar must match the menu (a restart while open leaves it
// hidden under a closed menu, as intended).
std::string CheckAfterFrame(const NavigationBefore& before, bool sameController, bool radarKnown,
                            sim::StandInHook& host);
