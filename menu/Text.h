// All menu text goes through the game's text markup, drawn by DrawText.
#pragma once

#include "menu/Menu.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Menu {

enum class TextAlignment : int { Left = 0, Center = 1, Right = 2 };

// Font number to the game's font name; built at load.
extern std::vector<std::string> FontNames;

// Font, size, spacing, alignment and margin around the text; six "%s" to fill.
inline constexpr std::string_view MarkupTemplate =
    "<TEXTFORMAT RIGHTMARGIN = '%s'><P ALIGN = '%s'><FONT FACE = '$%s' LETTERSPACING = '%s' SIZE = '%s'>"
    "~s~%s</FONT></P><TEXTFORMAT>";

inline constexpr std::size_t MarkupValueCount = 6;
using MarkupValues = std::array<std::string_view, MarkupValueCount>;

// Fills the markup template into markup in one pass, reusing its memory. The
// same text as FillPlaceholders gives whenever only the last value (the text
// drawn) may hold "%s", which is how DrawText fills it.
void FillMarkup(std::string& markup, const MarkupValues& values);

// Each value replaces the first "%s" left in the template, searched from the start.
std::string FillPlaceholders(std::string_view templateText, const std::vector<std::string>& values);
// The same, into filled, reusing its memory.
void FillPlaceholders(std::string& filled, std::string_view templateText,
                      std::span<const std::string_view> values);

// Plain decimal of an integer, held in place so that no text is allocated.
struct DecimalText {
    char digits[24];
    std::size_t length = 0;

    std::string_view View() const { return {digits, length}; }
};
DecimalText Decimal(std::int64_t value);

// Draws text at (x, y) in screen pixels; size is for a 1920-pixel-wide window.
// The markup lives in frameTexts until the next frame tick. A text ends at its
// first NUL, as the game reads it.
void DrawText(std::string_view text, FontIndex font, int red, int green, int blue, int alpha,
              TextAlignment alignment, int size, float x, float y, int letterSpacing);
// The same for a text given in pieces, drawn as if joined, so a text made of
// parts (the counter, a selected list value) is never put together first.
using TextPieces = std::span<const std::string_view>;
void DrawText(TextPieces text, FontIndex font, int red, int green, int blue, int alpha,
              TextAlignment alignment, int size, float x, float y, int letterSpacing);

} // namespace Menu
