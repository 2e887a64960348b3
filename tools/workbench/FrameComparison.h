// Whether a frame needs drawing again: the same calls with the same arguments
// draw the same picture.
#pragma once

#include "sim/Recorder.h"

namespace workbench {

// Answers are left out (a query's result draws nothing by itself), and so is
// where a text lives: the game makes a new string handle for the same text
// every frame. The texts themselves count.
bool SameDrawing(const sim::Frame& a, const sim::Frame& b);

} // namespace workbench
