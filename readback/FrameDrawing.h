// One frame's record read back as what the game was asked to draw: sprites
// and texts in the order the plug-in handed them over, and the prompts' state.
// Tests read strictly (a call out of its calling sequence is a fault); tools
// read leniently, as the game would, skipping what they cannot read.
#pragma once

#include "readback/Markup.h"
#include "sim/Recorder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace readback {

// 0..255 each, as the plug-in passes them.
struct Colour {
    int red = 255;
    int green = 255;
    int blue = 255;
    int alpha = 255;

    friend bool operator==(const Colour&, const Colour&) = default;
};

struct Sprite {
    std::string dictionary;
    std::string texture;
    float x = 0.0f; // the centre, fractions of the screen
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    float rotation = 0.0f; // degrees, clockwise on screen
    Colour colour;

    friend bool operator==(const Sprite&, const Sprite&) = default;
};

struct Text {
    std::string markup;
    const char* markupLocation = nullptr; // what the plug-in handed to the game, when the record has it
    TextFormat format;                    // the markup read as the game reads it
    float x = 0.0f;                       // fractions of the screen: the left end of the text box
    float y = 0.0f;                       // the top of the line
    Colour colour;                        // the colour call before it; white without one

    std::string Plain() const { return PlainText(format); }
    // The text between the markup's "~s~" and its "</FONT>", tags and all.
    std::string Inner() const;
    // The value of NAME = '...' in the markup; FACE keeps its "$".
    std::string Attribute(const std::string& name) const;
};

// The last state a prompt was set to in the frame.
struct Prompt {
    std::uint32_t handle = 0;
    bool visible = false;
    bool enabled = false;
};

// A frame read back: what it drew, sprites and texts apart; order says how
// they interleave.
struct Drawing {
    std::vector<Sprite> sprites;
    std::vector<Text> texts;
    std::string order; // 's' per sprite, 't' per text, 'r' per radar call, in drawing order
    std::vector<Prompt> prompts;
    int unreadable = 0;              // draw calls without the arguments they need: drawn as nothing
    std::vector<std::string> faults; // strict reading only: calling sequences broken
};

enum class Reading {
    Strict,  // for tests: every break of the calling sequences is a fault
    Lenient, // for tools: what cannot be read is counted and left out
};

Drawing ReadDrawing(const sim::Frame& frame, Reading reading);

} // namespace readback
