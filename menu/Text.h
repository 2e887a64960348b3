// All menu text goes through the game's text markup, drawn by DrawText.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Menu {

using FontIndex = int;

enum class TextAlignment : int { Left = 0, Center = 1, Right = 2 };

// Font number to the game's font name; built at load.
extern std::vector<std::string> FontNames;

// Each value replaces the first "%s" left in the template, searched from the start.
std::string FillPlaceholders(std::string_view templateText, const std::vector<std::string>& values);

// Draws text at (x, y) in screen pixels; size is for a 1920-pixel-wide window.
void DrawText(std::string_view text, FontIndex font, int red, int green, int blue, int alpha,
              TextAlignment alignment, int size, float x, float y, int letterSpacing);

} // namespace Menu
