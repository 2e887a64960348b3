// The game's side of a fuzz input: where the cursor stands, what the game's
// keyboard does and hands back, and the look a plug-in sets.
#pragma once

#include "tests/fuzz/ByteReader.h"

#include "sim/Game.h"

// The cursor anywhere: raw bits, places no screen has (NaN, infinite, outside
// 0..1), or on and beside the edges of the column and of a row's box.
void PlaceCursor(ByteReader& in, sim::Game& game);

// The player types, finishes or cancels, or the result the game hands back
// is null, empty, long, without its end within reach, or not UTF-8.
void PlayKeyboard(ByteReader& in, sim::Game& game);

// One field of the look at one of its limits.
void SetLook(ByteReader& in);
