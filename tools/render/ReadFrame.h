// The renderer draws a frame as the shared reader reads it, leniently: what a
// tampered or foreign record cannot give is left out, never guessed.
#pragma once

#include "readback/FrameDrawing.h"

namespace render {

using readback::Align;
using readback::Colour;
using readback::Drawing;
using readback::FontStyle;
using readback::Sprite;
using readback::Text;
using readback::TextFormat;
using readback::TextPiece;

// A frame read leniently.
inline Drawing ReadDrawing(const sim::Frame& frame) {
    return readback::ReadDrawing(frame, readback::Reading::Lenient);
}

} // namespace render
