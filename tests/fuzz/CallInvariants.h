// What must hold of every native call a frame makes, read from the record.
#pragma once

#include "menu/Text.h"
#include "sim/Recorder.h"

#include <string>
#include <string_view>

// What the menu was doing as the frame began: what it may ask the game.
struct FrameAsks {
    bool typing = false;   // the game's keyboard was open: no control but the keyboard's is asked
    bool mouseOff = false; // the mouse was off: no cursor native is called
};

// Whether text is valid UTF-8 (no stray continuation, overlong form,
// surrogate or code point past U+10FFFF), decoded independently of the menu's own check.
bool IsValidUtf8(std::string_view text);

// The first broken rule among the frame's calls, or an empty text: every call
// names a known native with its arguments, no text is a null location or not
// UTF-8, a drawn text's markup is closed, no number is NaN or infinite, no
// control is asked that `asks` forbids, and every sprite's centre is on the
// screen (but the rule above the description, which the design turns by 45 degrees).
std::string CheckCalls(const sim::Frame& frame, const FrameAsks& asks);

// The markup builder the frame uses and the plain placeholder filler agree
// (the builder's promise: when only the text drawn may hold "%s"); empty
// when they do.
std::string CheckMarkupFill(const Menu::MarkupValues& values);
