// Number rows: a step of their value and the text it is shown as.
#pragma once

#include "menu/Menu.h"
#include "menu/Text.h"

namespace Menu {

// The value behind the row's target with the row's decimals: "13", "-0.5",
// "2.0"; "?" for a float that is not finite or too large to show.
DecimalText NumberText(const Option& row);

// One step right or left, stopping at the ends; false when the value stays
// as it was. The value is min plus a whole number of steps, and a float's is
// rounded to the row's decimals.
bool StepNumber(Option& row, bool right);

// valueText becomes NumberText when the target holds another value than
// the one it shows: other code may have changed it.
void ShowNumber(Option& row);

} // namespace Menu
