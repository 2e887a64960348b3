// A new host/NativeList.h line for a native named as the reference names it,
// its kinds taken from the reference's types; or why there is none.
#pragma once

#include "tools/natives/NativeList.h"
#include "tools/natives/NativesFile.h"

#include <string>
#include <variant>
#include <vector>

namespace natives {

// The line's entry, or the reasons it cannot be made (one a line).
using Addition = std::variant<ListEntry, std::vector<std::string>>;

// name is NAMESPACE::NAME; constant, when empty, is made from NAME
// (SET_CLOCK_TIME -> SetClockTime).
Addition AddNative(const std::string& name, const std::string& constant, const std::vector<ListEntry>& list,
                   const NativesFile& file);

} // namespace natives
