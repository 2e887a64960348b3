// One frame's record read as the game would draw it: sprites and texts in
// the order the plug-in handed them over.
#pragma once

#include "sim/Recorder.h"
#include "tools/preview/Markup.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace preview {

// 0..255 each, as the plug-in passes them.
struct Colour {
    int red = 255;
    int green = 255;
    int blue = 255;
    int alpha = 255;

    friend bool operator==(const Colour&, const Colour&) = default;
};

struct SpriteDraw {
    std::string dictionary;
    std::string texture;
    float centreX = 0.0f; // fractions of the screen
    float centreY = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    float rotation = 0.0f; // degrees, clockwise on screen
    Colour colour;
};

struct TextDraw {
    TextFormat format;
    float x = 0.0f; // fractions of the screen: the left end of the text box
    float y = 0.0f; // the top of the line
    Colour colour;
};

struct DrawItem {
    bool isText = false;
    SpriteDraw sprite; // when !isText
    TextDraw text;     // when isText
};

struct Scene {
    std::vector<DrawItem> items;
    int sprites = 0;
    int texts = 0;
    int unreadable = 0; // draw calls without the arguments they need: drawn as nothing
};

// The text colour holds for the next display only; text without one is white.
Scene BuildScene(const sim::Frame& frame);

// The menu's row counter, "4 of 6": whole numbers either side of " of ", nothing else.
struct RowCounter {
    int row = 0; // 1-based
    int rows = 0;
};
std::optional<RowCounter> ReadRowCounter(std::string_view text);

} // namespace preview
