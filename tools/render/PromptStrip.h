// The shown prompts drawn as the game shows them, bottom right, in a look of
// our own: each a rounded key cap with its key or button, then its text.
#pragma once

#include "menu/Geometry.h"
#include "tools/render/Picture.h"
#include "tools/render/PromptBoard.h"

#include <vector>

namespace render {

// Sizes in pixels of a 1080-line picture; other heights scale them.
struct PromptStripLook {
    static constexpr double LayoutHeight = Menu::ReferenceHeight;
    static constexpr double RightMargin = 56.0;
    static constexpr double CentreAboveBottom = 52.0; // the caps' middle
    static constexpr double CapHeight = 34.0;
    static constexpr double CapPadding = 10.0; // either side of the key's name
    static constexpr double CapRadius = 6.0;
    static constexpr double KeySize = 17.0;
    static constexpr double TextSize = 20.0;
    static constexpr double CapToText = 10.0;
    static constexpr double CapitalsOfSize = 0.73; // DejaVu Sans's capitals, of the font size
    static constexpr double BetweenPrompts = 32.0;
    static constexpr Pixel CapColour{236, 232, 220};
    static constexpr Pixel KeyColour{28, 26, 24};
    static constexpr Pixel TextColour{242, 242, 242};
    static constexpr Pixel ShadowColour{0, 0, 0};
};

// Where a prompt's cap stands in the picture.
struct PromptPlace {
    double capLeft = 0.0;
    double capRight = 0.0;
    double capTop = 0.0;
    double capBottom = 0.0;
    double textLeft = 0.0;
    double textRight = 0.0;
};

// Left to right in the order given, the last one ending at the right margin.
std::vector<PromptPlace> PlacePrompts(const std::vector<ShownPrompt>& prompts, int width, int height);

void DrawPrompts(Picture& picture, const std::vector<ShownPrompt>& prompts);

} // namespace render
