// host/NativeList.h against the reference of the game's natives, line by
// line: the hash is there, under the name the line gives, with as many
// arguments, each of a type its kind fits, and a result its kind fits.
#pragma once

#include "tools/natives/NativeList.h"
#include "tools/natives/NativesFile.h"

#include <string>
#include <vector>

namespace natives {

struct Disagreement {
    int line = 0;     // the list's line
    std::string what; // "Constant: what disagrees"
};

// Each disagreement, in the list's order; none when all agree.
std::vector<Disagreement> CheckList(const std::vector<ListEntry>& list, const NativesFile& file);

} // namespace natives
