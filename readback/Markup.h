// The game's text markup read back into what it asks for: the text box,
// alignment, fonts and the run of characters and inline images.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace readback {

enum class Align { Left, Center, Right };

struct FontStyle {
    std::string face; // without the leading "$"
    float size = 0.0f;
    float letterSpacing = 0.0f;

    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

// One piece of a line: plain text, or an "img://dictionary/texture" picture.
struct TextPiece {
    bool isImage = false;
    std::string text;
    std::string dictionary;
    std::string texture;
    float width = 0.0f;
    float height = 0.0f;
    FontStyle font; // the font in effect where the piece stands
};

struct TextFormat {
    float rightMargin = 0.0f; // 1080p layout pixels kept free at the window's right
    Align align = Align::Left;
    std::vector<TextPiece> pieces;
};

// Reads markup as the game does: TEXTFORMAT, P and FONT set the layout, img
// tags become pictures, "~x~" format codes and unknown tags draw nothing, and
// a "<" that does not start a tag is plain text. In time linear in the
// markup's length; tagSteps, if given, receives how many steps the tag
// reading took, so a test can see that without a clock.
TextFormat ParseMarkup(std::string_view markup, std::size_t* tagSteps = nullptr);

// The text of all non-image pieces, for tests and the record.
std::string PlainText(const TextFormat& format);

} // namespace readback
