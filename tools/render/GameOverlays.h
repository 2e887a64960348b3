// What the game draws over a frame on its own, besides the prompts: the
// mouse's cursor when the plug-in shows it, and the on-screen keyboard's box
// while it is open. Drawn in a look of our own, as the prompts are.
#pragma once

#include "menu/Geometry.h"
#include "readback/MenuState.h"
#include "sim/Game.h"
#include "sim/Recorder.h"
#include "tools/render/Picture.h"

#include <optional>

namespace render {

// Sizes in pixels of a 1080-line picture; other heights scale them.
struct OverlayLook {
    static constexpr double LayoutHeight = Menu::ReferenceHeight;
    static constexpr double CursorHeight = 26.0;
    static constexpr double BoxWidth = 760.0;
    static constexpr double BoxHeight = 190.0;
    static constexpr double TitleSize = 26.0;
    static constexpr double TextSize = 30.0;
    static constexpr double HintSize = 18.0;
    static constexpr double Padding = 28.0;
    static constexpr Pixel BoxColour{24, 22, 20};
    static constexpr Pixel FieldColour{236, 232, 220};
    static constexpr Pixel TitleColour{242, 242, 242};
    static constexpr Pixel TextColour{28, 26, 24};
    static constexpr Pixel HintColour{170, 166, 158};
};

// Where the frame put the cursor: the plug-in showed it and read where it
// stands (INPUT_CURSOR_X, then _Y). Nothing when it did not show it, or read
// no place on the screen.
std::optional<readback::ScreenPlace> ShownCursor(const sim::Frame& frame);
void DrawCursor(Picture& picture, readback::ScreenPlace place);

// The keyboard's box, centred, while the player is editing: its title, the
// text it holds with a caret, and how many characters it takes.
void DrawKeyboard(Picture& picture, const sim::OnscreenKeyboard& keyboard);

} // namespace render
