// The settings file a fuzz input leaves in the game folder before the game
// starts again: none, the last game's, a player's with values in and out of
// every row's range, or one a player's editor or a crash spoiled.
#pragma once

#include "tests/fuzz/ByteReader.h"

#include <string>

namespace sim {
class StandInHook;
}

// The game folder of this process's scenarios, made on first use and
// emptied for each scenario that keeps settings; the host finds the
// plug-in's module there.
void PlaceInScenarioFolder(sim::StandInHook& host);

// Writes (or removes, or leaves) the plug-in's settings file as the input picks.
void WriteScenarioSettings(ByteReader& in, const sim::StandInHook& host);

// A folder where nothing can be written, or the file's temporary name taken
// by a folder, or the folder as it was: the writes fail, then succeed.
void SpoilScenarioFolder(ByteReader& in, sim::StandInHook& host);

// Removes the folder, at the end of each scenario.
void RemoveScenarioFolder();
