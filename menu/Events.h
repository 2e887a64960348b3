// Running the events pages and rows carry.
#pragma once

#include "menu/Menu.h"

#include <functional>

namespace Menu {

// Runs an event from a copy, so an event that replaces the page or row
// holding it (a rebuild) cannot destroy the callable that is running. An
// empty one is skipped.
void RunEvent(const std::function<void()>& event);

// The selected row's onHover, when the shown page has a row there.
void HoverSelectedRow(Controller& menu);

} // namespace Menu
